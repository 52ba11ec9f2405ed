// Which key does what on the keypads and the step list.
#include <gtest/gtest.h>

#include <optional>

#include <Qt>

#include "controls/KeypadKeys.h"
#include "controls/StepCellKeys.h"
#include "resources/ControlIds.h"

TEST(KeyboardRules, KeypadKeyPressesItsButton) {
  struct Case {
    int key;
    const char *text;
    int id;
  };
  const Case cases[] = {
      {Qt::Key_9, "9", ctl::kKey9},
      {Qt::Key_Comma, ",", ctl::kKeyPoint},
      {Qt::Key_Delete, "", ctl::kKeyClear},
      {Qt::Key_Enter, "\r", ctl::kKeySet},
      {Qt::Key_A, "a", 0},
      {Qt::Key_Space, " ", 0},
  };
  for (const Case &c : cases)
    EXPECT_EQ(controls::KeypadKeyControl(c.key, QString::fromLatin1(c.text)), c.id) << c.text;
}

TEST(KeyboardRules, StepCellMoves) {
  using controls::StepCell;
  struct Case {
    int key;
    StepCell from;
    int rows;
    std::optional<StepCell> to;
  };
  const Case cases[] = {
      {Qt::Key_Down, {}, 10, StepCell{0, 2}},      {Qt::Key_Home, {}, 10, StepCell{0, 2}},
      {Qt::Key_Down, {3, 1}, 10, StepCell{4, 1}},  {Qt::Key_Up, {0, 1}, 10, StepCell{0, 1}},
      {Qt::Key_Down, {9, 2}, 10, StepCell{9, 2}},  {Qt::Key_Left, {3, 0}, 10, StepCell{3, 0}},
      {Qt::Key_Right, {3, 2}, 10, StepCell{3, 2}}, {Qt::Key_Right, {3, 0}, 10, StepCell{3, 1}},
      {Qt::Key_End, {3, 1}, 10, StepCell{9, 1}},   {Qt::Key_Home, {7, 0}, 10, StepCell{0, 0}},
      {Qt::Key_Down, {}, 0, std::nullopt},         {Qt::Key_F2, {3, 1}, 10, std::nullopt},
  };
  for (const Case &c : cases)
    EXPECT_EQ(controls::MoveStepCell(c.key, c.from, c.rows, 3), c.to)
        << c.key << " from " << c.from.row << "," << c.from.column;
}
