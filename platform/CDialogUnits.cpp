#include "platform/CDialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace platform {
namespace {
// MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(p >= 0 ? (p + half) / c : (p - half) / c);
}
} // namespace

CDialogUnits::CDialogUnits(const QFont &font) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_nBaseX = (width / 26 + 1) / 2;
  m_nBaseY = metrics.height();
}

int CDialogUnits::ToPixelsX(int x) const {
  return MulDiv(x, m_nBaseX, 4);
}
int CDialogUnits::ToPixelsY(int y) const {
  return MulDiv(y, m_nBaseY, 8);
}

QRect CDialogUnits::ToPixels(int x, int y, int cx, int cy) const {
  const int left = ToPixelsX(x);
  const int top = ToPixelsY(y);
  return {left, top, ToPixelsX(x + cx) - left, ToPixelsY(y + cy) - top};
}

QFont CDialogUnits::TemplateFont(const char *face, int points) {
  const QString family = QString::fromUtf8(face);
  if (QFontDatabase::hasFamily(family)) {
    QFont font(family);
    font.setPointSize(points);
    return font;
  }
  // The template faces ("宋体", "System") are Windows fonts whose Latin letters all have one
  // width, so capitals take no more room than the average letter the base units come from. A
  // monospaced face at 11 pixels keeps that: base units of 7 x 12 or 13, every caption fits
  // its box, and the compact and expanded frames show every control of their area.
  QFont font(QStringLiteral("Liberation Mono"));
  font.setFamilies(QStringList() << QStringLiteral("Liberation Mono")
                                 << QStringLiteral("DejaVu Sans Mono")
                                 << QStringLiteral("Noto Mono"));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(11);
  return font;
}

} // namespace platform
