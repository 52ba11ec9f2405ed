#include "platform/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor &from, const QColor &to, double t) {
  const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                mix(from.blue(), to.blue()));
}

} // namespace

double RelativeLuminance(const QColor &colour) {
  return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
         0.0722 * Linear(colour.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LegibleInk(const QColor &preferred, const QColor &background, double minRatio,
                  const QColor &fallback) {
  if (ContrastRatio(preferred, background) >= minRatio)
    return preferred;
  if (ContrastRatio(fallback, background) >= minRatio)
    return fallback;
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

QColor SoftLine(const QColor &preferred, const QColor &background, double maxRatio) {
  if (ContrastRatio(preferred, background) <= maxRatio)
    return preferred;
  // The ratio falls steadily as the line moves towards the background: halve the step.
  double lo = 0.0;
  double hi = 1.0;
  for (int i = 0; i < 16; ++i) {
    const double t = (lo + hi) / 2;
    (ContrastRatio(Mix(preferred, background, t), background) > maxRatio ? lo : hi) = t;
  }
  return Mix(preferred, background, hi);
}

} // namespace platform
