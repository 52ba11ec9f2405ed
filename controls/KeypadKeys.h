#pragma once
// Which keypad button a key of the computer keyboard presses: the digits and the point (a comma
// too, the decimal key of some keypads), Backspace and Delete for "Clear", Enter for "SET".
#include <QString>

namespace controls {

// The control id of the button, or 0 when the key presses none.
int KeypadKeyControl(int key, const QString &text);

} // namespace controls
