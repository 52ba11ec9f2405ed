#include "controls/KnobRules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace controls {

int KnobPosition(int x, int y, int w, int h) {
  const double dx = x - 0.5 * w;
  const double up = -(y - 0.5 * h);
  const double theta = std::atan2(dx, up);
  // Hundredths of a turn counted from straight down, then the 270-degree sweep that starts an
  // eighth of a turn after straight down stretched to 0 ... 100.
  const double v = ((theta * 15.915494309189535 + 50.0) - 12.5) * 1.3333333333333333;
  if (v < 0)
    return 0;
  if (v > 100)
    return 100;
  return static_cast<int>(v);
}

QPoint KnobLabelPos(int digit, int w, int h) {
  switch (digit) {
  case 0:
    return {w / 26, (17 * h) / 25 + 8};
  case 1:
    return {w / 600 - 2, h / 2 + 2};
  case 2:
    return {w / 600 - 2, h / 2 - 16};
  case 3:
    return {w / 26, (7 * h) / 24 - 18};
  case 4:
    return {w / 4 + 2, h / 40 - 2};
  case 5:
    return {w / 2, h / 150 - 2};
  case 6:
    return {(5 * w) / 7 + 4, h / 24 + 4};
  case 7:
    return {(8 * w) / 9 - 2, (7 * h) / 24 - 2};
  case 8:
    return {w - 15, h / 2 + 2};
  default:
    return {(8 * w) / 9 - 8, (17 * h) / 24 + 6};
  }
}

QPoint KnobPointerEnd(int knobStep, int w, int h) {
  const int p = std::clamp(((9 - knobStep) * w) / 9, 0, w);
  const double fraction = w > 0 ? static_cast<double>(p) / w : 0.0;
  // 0 points straight down; -pi/4 is the "+0" stop, -7pi/4 the "+9" stop.
  const double a = -2.0 * std::numbers::pi * (0.125 + 0.75 * fraction);
  const int r = static_cast<int>(w * 0.2857142857142857);
  return {static_cast<int>(r * std::sin(a)) + w / 2, static_cast<int>(r * std::cos(a)) + h / 2};
}

} // namespace controls
