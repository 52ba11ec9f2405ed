#pragma once
// The knob's keys: Up, Right and '+' turn the pointer one digit clockwise, Down, Left and '-'
// one digit back, a digit key turns it straight to that digit. The digit reached is then
// touched as the mouse touches it.
#include <QString>

namespace controls {

// The digit a key turns the knob to from its stored knob step (-1 before the first entry, when
// the pointer rests on the "+9" stop); -1 when the key is not one of the knob's.
int KnobKeyDigit(int key, const QString &text, int knobStep);

} // namespace controls
