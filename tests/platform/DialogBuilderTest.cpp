#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "platform/CDialogBuilder.h"

namespace {
using namespace platform;

// 3 * 13 / 8 = 4.875 rounds up.
TEST(DialogUnits, ConvertWithBaseUnitsAndRoundLikeMulDiv) {
  const CDialogUnits units(6, 13);
  EXPECT_EQ(units.ToPixelsX(390), 585);
  EXPECT_EQ(units.ToPixelsY(3), 5);
  EXPECT_EQ(units.ToPixels(131, 38, 58, 58), QRect(197, 62, 87, 94));
}

TEST(DialogUnits, FallbackFontKeepsThePanelInsideItsFrames) {
  // The channel area ends at 212 x 225 units and the step area at 548 units: they must fit the
  // compact (390 px) and expanded (990 px) frames with room for the bars.
  const CDialogUnits units(CDialogUnits::TemplateFont("NoSuchFaceAnywhere", 10));
  EXPECT_LE(units.ToPixelsX(212), 385);
  EXPECT_LE(units.ToPixelsX(548), 985);
  EXPECT_LE(units.ToPixelsY(225), 380);
  EXPECT_GE(units.BaseX(), 5);
}

// The factory's widget takes the template's place, id and style like a built one.
TEST(DialogBuilder, CreatesControlsFoundAgainByIdWithTheirStylesAndGroups) {
  QWidget parent;
  const DialogTemplate tmpl{
      .cx = 200,
      .cy = 100,
      .fontFace = "NoSuchFaceAnywhere",
      .fontPoints = 10,
      .controls = {
          {1, ControlKind::PushButton, "OFF", 10, 10, 30, 14},
          {2, ControlKind::Edit, "", 50, 10, 40, 14, kReadOnly | kBorder},
          {3, ControlKind::DropList, "", 10, 30, 40, 80, kNoStyle, {"1*10", "2*5"}},
          {4, ControlKind::RadioButton, "A", 10, 50, 20, 8, kGroupStart},
          {5, ControlKind::RadioButton, "B", 30, 50, 20, 8, kGroupStart},
          {6, ControlKind::RadioButton, "C", 50, 50, 20, 8},
      }};
  QLineEdit *edit = nullptr;
  const CDialogUnits units =
      CDialogBuilder::Build(&parent, tmpl, [&](const ControlTemplate &c, QWidget *p) -> QWidget * {
        return c.id == 2 ? (edit = new QLineEdit(p)) : nullptr;
      });
  auto *combo = DlgItem<QComboBox>(&parent, 3);
  ASSERT_TRUE(edit && combo && GetDlgItem(&parent, 2) == edit);
  EXPECT_EQ(GetDlgItem(&parent, 1)->geometry(), units.ToPixels(10, 10, 30, 14));
  EXPECT_EQ(parent.size(), QSize(units.ToPixelsX(200), units.ToPixelsY(100)));
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(GetWindowText(combo), QString()); // nothing selected yet
  combo->setCurrentIndex(1);
  EXPECT_EQ(GetDlgItemText(&parent, 3), QStringLiteral("2*5"));

  // Setting an edit's text puts the caret at the start.
  SetDlgItemText(&parent, 2, QStringLiteral("-1.250"));
  EXPECT_EQ(edit->cursorPosition(), 0);

  // Radio groups start at group-start buttons: a lone group keeps its button.
  for (const int id : {4, 5, 6})
    DlgItem<QRadioButton>(&parent, id)->setChecked(true);
  EXPECT_TRUE(DlgItem<QRadioButton>(&parent, 4)->isChecked());
  EXPECT_FALSE(DlgItem<QRadioButton>(&parent, 5)->isChecked());
}

} // namespace
