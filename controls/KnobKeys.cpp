#include "controls/KnobKeys.h"

#include <algorithm>

#include <Qt>

namespace controls {

int KnobKeyDigit(int key, const QString &text, int knobStep) {
  const int pointer = std::clamp(9 - knobStep, 0, 9);
  switch (key) {
  case Qt::Key_Up:
  case Qt::Key_Right:
  case Qt::Key_Plus:
    return std::min(pointer + 1, 9);
  case Qt::Key_Down:
  case Qt::Key_Left:
  case Qt::Key_Minus:
    return std::max(pointer - 1, 0);
  default:
    break;
  }
  if (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'))
    return text.at(0).unicode() - u'0';
  return -1;
}

} // namespace controls
