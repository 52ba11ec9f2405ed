#pragma once
#include <QWidget>

#include "core/CChannelState.h"

// Time ruler under the chart: fixed labels -20 ... 0, 0 under the newest sample.
class CTimeRuler : public QWidget {
  Q_OBJECT
public:
  explicit CTimeRuler(QWidget *parent = nullptr);

  int GetBase() const { return m_nBase; }
  int GetStep() const { return m_nStep; }
  int GetDivisions() const { return m_nDivisions; }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  int m_nBase = -20;
  int m_nStep = 1;
  int m_nDivisions = 20;
  COLORREF m_crColor = RGB(0, 0, 0);
};
