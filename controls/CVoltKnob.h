#pragma once
#include <cstdint>

#include <QImage>
#include <QWidget>

#include "controls/CKnobEntry.h"

class IKnobHost;

// The rotary digit knob of CH1 or CH2: each touch in a new digit sector types that digit into
// the channel's set-point text. Active only while the channel is on; grey otherwise.
class CVoltKnob : public QWidget {
  Q_OBJECT
public:
  explicit CVoltKnob(QWidget *parent = nullptr);

  // 0: CH1, 1: CH2.
  void SetChannel(std::int16_t channel) { m_nChannel = channel; }
  std::int16_t Channel() const { return m_nChannel; }
  void SetHost(IKnobHost *host) { m_pHost = host; }

  int KnobPosition(int x, int y) const;
  void HandleKnobInput(int x, int y);
  // One touch on a digit. A mouse touch hands the focus to the set-point box; a key keeps it on
  // the knob so that the next key turns it again.
  void HandleKnobDigit(int digit, bool focusSetPoint);

  // Renders the face into the off-screen image that paintEvent copies, and returns it.
  const QImage &DrawFace();

protected:
  void paintEvent(QPaintEvent *e) override;
  void changeEvent(QEvent *e) override;
  void mousePressEvent(QMouseEvent *e) override;
  void mouseMoveEvent(QMouseEvent *e) override;
  void keyPressEvent(QKeyEvent *e) override;

private:
  void DrawDial(const QSize &size);
  QColor RingInk() const;

  std::int16_t m_nChannel = 0;
  IKnobHost *m_pHost = nullptr;
  CKnobEntry m_entry;
  QImage m_dial; // what never changes for a size: background, circle, stop marks, labels
  QImage m_face;
};
