#include "controls/CVoltKnob.h"

#include <cmath>
#include <numbers>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/CVoltEdit.h"
#include "controls/ControlTexts.h"
#include "controls/IKnobHost.h"
#include "controls/KnobKeys.h"
#include "controls/KnobRules.h"
#include "platform/CDialogBuilder.h"
#include "platform/ColourContrast.h"

namespace {

QColor ToQColor(COLORREF c) {
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The platform's box (left, top, right, bottom) for outlined shapes covers left ... right - 1.
QRect Box(int left, int top, int right, int bottom) {
  return {left, top, right - left - 1, bottom - top - 1};
}

// A pie from the radial through `from` counterclockwise to the radial through `to`.
void DrawPie(QPainter &painter, const QRect &box, QPointF from, QPointF to) {
  const QPointF c = QRectF(box).center();
  const auto angle = [&c](QPointF p) {
    return std::atan2(-(p.y() - c.y()), p.x() - c.x()) * 180.0 / std::numbers::pi;
  };
  const double start = angle(from);
  double span = angle(to) - start;
  while (span <= 0)
    span += 360.0;
  painter.drawPie(box, static_cast<int>(std::lround(start * 16)),
                  std::max(1, static_cast<int>(std::lround(span * 16))));
}

} // namespace

CVoltKnob::CVoltKnob(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Tab reaches the knob; a click does not take the focus, it hands it to the set-point box.
  setFocusPolicy(Qt::TabFocus);
}

int CVoltKnob::KnobPosition(int x, int y) const {
  return controls::KnobPosition(x, y, width(), height());
}

void CVoltKnob::HandleKnobInput(int x, int y) {
  HandleKnobDigit(controls::KnobDigit(KnobPosition(x, y)), true);
}

void CVoltKnob::HandleKnobDigit(int digit, bool focusSetPoint) {
  if (m_pHost && m_pHost->KnobChannelState(m_nChannel).GetOn()) {
    const std::int16_t step = controls::KnobStep(digit);
    // Staying in the digit last entered types nothing.
    if (m_pHost->KnobChannelState(m_nChannel).GetKnobStep() != step) {
      CVoltEdit *edit = m_pHost->KnobSetPointEdit(m_nChannel);
      if (edit && focusSetPoint)
        edit->setFocus(Qt::OtherFocusReason);
      m_pHost->SetKnobStep(m_nChannel, step);
      const CKnobEntry::Result result =
          m_entry.Enter(digit, m_pHost->KnobSetPointText(m_nChannel), edit ? edit->GetSel() : 0);
      m_pHost->SetKnobSetPointText(m_nChannel, result.text);
      if (edit) {
        platform::SetWindowText(edit, result.text);
        edit->SetSel(result.selStart, result.selEnd);
      }
    }
  }
  update();
}

void CVoltKnob::DrawDial(const QSize &size) {
  const int w = size.width();
  const int h = size.height();
  m_dial = QImage(size, QImage::Format_RGB32);
  m_dial.fill(palette().color(QPalette::Button));
  QPainter painter(&m_dial);
  painter.setPen(QPen(RingInk(), 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(Box(6, 6, w - 6, h - 6));

  // Stop marks: slivers of under a degree towards the lower corners.
  painter.setBrush(Qt::white);
  const QRect stopBox = Box(3, 3, w - 3, h - 3);
  DrawPie(painter, stopBox, QPointF(0, h), QPointF(1, h));
  DrawPie(painter, stopBox, QPointF(w, h + 1), QPointF(w, h));

  QFont font = this->font();
  font.setPixelSize(11);
  painter.setFont(font);
  // The labels are black on white whatever the palette, as the platform's default colours are.
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  const QString labels = QString::fromLatin1(controls::text::kKnobLabels);
  for (int digit = 0; digit <= 9; ++digit) {
    const QPoint at = controls::KnobLabelPos(digit, w, h);
    painter.drawText(QRect(at, QSize(w + h, w + h)), Qt::AlignLeft | Qt::AlignTop,
                     labels.mid(digit * 3, 2));
  }
}

const QImage &CVoltKnob::DrawFace() {
  const int w = width();
  const int h = height();
  if (m_dial.size() != size())
    DrawDial(size());
  if (m_face.size() != size())
    m_face = QImage(size(), QImage::Format_RGB32);

  const bool on = m_pHost && m_pHost->KnobChannelState(m_nChannel).GetOn();
  const COLORREF color = m_pHost ? m_pHost->KnobChannelState(m_nChannel).GetColor() : kColorOff;
  const int knobStep = m_pHost ? m_pHost->KnobChannelState(m_nChannel).GetKnobStep() : -1;

  QPainter painter(&m_face);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, m_dial);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

  painter.setPen(QPen(RingInk(), 0));
  painter.setBrush(on ? ToQColor(color) : palette().color(QPalette::Button));
  painter.drawEllipse(Box(15, 15, w - 15, h - 15));

  painter.setPen(
      QPen(on ? QColor(255, 0, 0) : QColor(155, 155, 155), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPoint(w / 2, h / 2), controls::KnobPointerEnd(knobStep, w, h));
  return m_face;
}

QColor CVoltKnob::RingInk() const {
  // Black rings, as on a light face; a dark face takes the palette's button text instead.
  return platform::LegibleInk(Qt::black, palette().color(QPalette::Button),
                              platform::kGraphicContrast, palette().color(QPalette::ButtonText));
}

void CVoltKnob::changeEvent(QEvent *e) {
  if (e->type() == QEvent::PaletteChange) {
    m_dial = QImage(); // the dial is drawn in the palette's colours
    update();
  }
  QWidget::changeEvent(e);
}

void CVoltKnob::paintEvent(QPaintEvent *) {
  DrawFace();
  QPainter painter(this);
  painter.drawImage(0, 0, m_face);
  // The focus frame goes on the window only; the face image stays as drawn.
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void CVoltKnob::keyPressEvent(QKeyEvent *e) {
  const int step = m_pHost ? m_pHost->KnobChannelState(m_nChannel).GetKnobStep() : -1;
  const int digit = controls::KnobKeyDigit(e->key(), e->text(), step);
  if (digit < 0 || (e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))) {
    QWidget::keyPressEvent(e);
    return;
  }
  HandleKnobDigit(digit, false);
  e->accept();
}

void CVoltKnob::mousePressEvent(QMouseEvent *e) {
  if (e->button() == Qt::LeftButton) {
    const QPoint at = e->position().toPoint();
    HandleKnobInput(at.x(), at.y());
  }
  e->accept();
}

void CVoltKnob::mouseMoveEvent(QMouseEvent *e) {
  // Qt keeps sending moves to the pressed widget; the knob acts only while the pointer is over
  // it, with the left button alone and neither Shift nor Ctrl.
  const QPoint at = e->position().toPoint();
  if (e->buttons() == Qt::LeftButton &&
      !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) && rect().contains(at))
    HandleKnobInput(at.x(), at.y());
  e->accept();
}
