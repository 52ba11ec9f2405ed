#include "platform/CaptionFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

namespace platform {
namespace {

constexpr int kSmallestPixels = 9;
// The caption bar's icon, close button and the window manager's margins, in title heights.
constexpr int kTitleBarButtons = 4;
// A group box's title sits this far in from either side of its frame.
constexpr int kGroupTitleInset = 8;

QString Caption(const QWidget *widget) {
  if (const auto *label = qobject_cast<const QLabel *>(widget))
    return label->pixmap().isNull() ? label->text() : QString();
  if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
    return button->text();
  if (const auto *group = qobject_cast<const QGroupBox *>(widget))
    return group->title();
  return {};
}

QString WithoutMnemonics(QString text) {
  return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
      .remove(QLatin1Char('&'))
      .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int ButtonRoom(const QAbstractButton *button) {
  QStyle::SubElement element = QStyle::SE_PushButtonContents;
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  if (qobject_cast<const QCheckBox *>(button))
    element = QStyle::SE_CheckBoxContents;
  else if (qobject_cast<const QRadioButton *>(button))
    element = QStyle::SE_RadioButtonContents;
  return button->style()->subElementRect(element, &option, button).width();
}

} // namespace

int CaptionRoom(const QWidget *widget) {
  if (Caption(widget).isEmpty())
    return -1;
  if (const auto *label = qobject_cast<const QLabel *>(widget))
    return label->contentsRect().width() - 2 * label->margin();
  if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
    return ButtonRoom(button);
  return widget->width() - 2 * kGroupTitleInset;
}

int CaptionWidth(const QWidget *widget) {
  return widget->fontMetrics().horizontalAdvance(WithoutMnemonics(Caption(widget)));
}

void FitCaption(QWidget *widget) {
  if (CaptionRoom(widget) < 0 || CaptionWidth(widget) <= CaptionRoom(widget))
    return;
  QFont font = widget->font();
  font.setFamilies({QStringLiteral("Liberation Sans Narrow"),
                    QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
  font.setPixelSize(pixels);
  widget->setFont(font);
  while (CaptionWidth(widget) > CaptionRoom(widget) && pixels > kSmallestPixels) {
    font.setPixelSize(--pixels);
    widget->setFont(font);
  }
}

int TitleWidth(const QString &title) {
  QFont font = QApplication::font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(title) + kTitleBarButtons * (metrics.height() + 8);
}

} // namespace platform
