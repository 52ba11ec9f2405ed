#include <QLineEdit>
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

// The factory's widget takes the template's place and id like a built one; setting an edit's text
// puts the caret at the start.
TEST(DialogBuilder, PlacesControlsFoundAgainById) {
  QWidget parent;
  const DialogTemplate tmpl{.cx = 200,
                            .cy = 100,
                            .fontFace = "NoSuchFaceAnywhere",
                            .fontPoints = 10,
                            .controls = {
                                {1, ControlKind::PushButton, "OFF", 10, 10, 30, 14},
                                {2, ControlKind::Edit, "", 50, 10, 40, 14, kBorder},
                            }};
  QLineEdit *edit = nullptr;
  const CDialogUnits units =
      CDialogBuilder::Build(&parent, tmpl, [&](const ControlTemplate &c, QWidget *p) -> QWidget * {
        return c.id == 2 ? (edit = new QLineEdit(p)) : nullptr;
      });
  ASSERT_TRUE(edit && GetDlgItem(&parent, 2) == edit);
  EXPECT_EQ(GetDlgItem(&parent, 1)->geometry(), units.ToPixels(10, 10, 30, 14));
  EXPECT_EQ(parent.size(), QSize(units.ToPixelsX(200), units.ToPixelsY(100)));
  SetDlgItemText(&parent, 2, QStringLiteral("-1.250"));
  EXPECT_EQ(edit->cursorPosition(), 0);
}

} // namespace
