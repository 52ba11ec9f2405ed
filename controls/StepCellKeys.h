#pragma once
// The step list's keyboard cell: the arrow keys move it one cell, Home and End to the first and
// last row of its column, all within the table. With no cell yet, a key lands on the first
// "Volt" cell, the one the operator fills most.
#include <optional>

namespace controls {

struct StepCell {
  int row = -1;
  int column = -1;
  bool operator==(const StepCell &) const = default;
};

// The cell a key moves from to in a table of rows x columns; no value when the key is not a
// moving key or the table is empty.
std::optional<StepCell> MoveStepCell(int key, StepCell from, int rows, int columns);

} // namespace controls
