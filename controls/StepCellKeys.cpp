#include "controls/StepCellKeys.h"

#include <algorithm>

#include <Qt>

namespace controls {

std::optional<StepCell> MoveStepCell(int key, StepCell from, int rows, int columns) {
  if (rows <= 0 || columns <= 0)
    return std::nullopt;
  int dRow = 0;
  int dColumn = 0;
  switch (key) {
  case Qt::Key_Up:
    dRow = -1;
    break;
  case Qt::Key_Down:
    dRow = 1;
    break;
  case Qt::Key_Left:
    dColumn = -1;
    break;
  case Qt::Key_Right:
    dColumn = 1;
    break;
  case Qt::Key_Home:
    dRow = -rows;
    break;
  case Qt::Key_End:
    dRow = rows;
    break;
  default:
    return std::nullopt;
  }
  if (from.row < 0 || from.column < 0)
    return StepCell{0, std::min(2, columns - 1)};
  return StepCell{std::clamp(from.row + dRow, 0, rows - 1),
                  std::clamp(from.column + dColumn, 0, columns - 1)};
}

} // namespace controls
