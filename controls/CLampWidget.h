#pragma once
#include <QWidget>

// The lamp control: a round lamp, lit or dark.
class CLampWidget : public QWidget {
  Q_OBJECT
public:
  explicit CLampWidget(QWidget *parent = nullptr);

  void SetLit(bool lit); // repaints only on a change
  bool IsLit() const { return m_bLit; }

protected:
  void paintEvent(QPaintEvent *e) override;

private:
  bool m_bLit = false;
};
