#include <initializer_list>

#include <gtest/gtest.h>

#include "trend/CVoltScale.h"

// Presses at y = 50, moves by each delta in turn (each move applied as the ruler applies it, and
// once more with nothing pending, which must change nothing).
TEST(VoltScale, DragsConvertWholeDivisionsAndKeepTheRest) {
  const struct {
    int height;
    std::initializer_list<int> deltas;
    int base, remainder;
  } cases[] = {
      {110, {10}, 0, 10},   // exactly P: nothing yet
      {110, {-11}, -1, -1}, // upwards, P + 1
      {110, {6, 6}, 1, 2},  // two moves adding up past P
      {86, {22}, 3, 0},     // P = 7.6: 3 * trunc(P) + 1 in one move
      {86, {11, 11}, 3, 0}, // the same pixels in two moves: 1 + 2 divisions
      {146, {41}, 3, 1},    // P = 13.6: 3 * 13 + 2, then 41 - trunc(40.8)
      {15, {30, -4}, 0, 0}, // under 20 pixels: no whole pixel per division
  };
  for (const auto &c : cases) {
    CVoltScale scale;
    int y = 50;
    scale.OnLButtonDown(y);
    for (int delta : c.deltas) {
      y += delta;
      if (scale.OnMouseMove(y)) {
        scale.ApplyPendingMove(c.height);
        scale.ApplyPendingMove(c.height);
      }
    }
    EXPECT_EQ(scale.GetBase(), c.base)
        << "height " << c.height << " first move " << *c.deltas.begin();
    EXPECT_EQ(scale.GetScrollRemainder(), c.remainder) << "height " << c.height;
    EXPECT_EQ(scale.GetMoveDelta(), 0);
  }
}
