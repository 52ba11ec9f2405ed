#pragma once
// Knob geometry without a window: where a client point lies on the dial, which digit that is,
// and where the face draws its labels and pointer.
#include <cstdint>

#include <QPoint>

namespace controls {

// Dial position 0 ... 100 of client point (x, y) in a w x h knob: 0 at the lower-left stop, 50
// straight up, 100 at the lower-right stop; the dead zone at the bottom gives 0 on its left half
// and 100 on its right half.
int KnobPosition(int x, int y, int w, int h);

// The digit sector of a dial position: 0 ... 8 over equal ninths, 9 only at 100.
constexpr int KnobDigit(int position) {
  return (position * 9) / 100;
}

// The stored knob step of a digit.
constexpr std::int16_t KnobStep(int digit) {
  return static_cast<std::int16_t>(9 - digit);
}

// Top-left corner of the label "+digit".
QPoint KnobLabelPos(int digit, int w, int h);

// The far end of the pointer for a stored knob step (-1 at start-up points at the "+9" stop);
// the pointer starts at the centre (w/2, h/2).
QPoint KnobPointerEnd(int knobStep, int w, int h);

} // namespace controls
