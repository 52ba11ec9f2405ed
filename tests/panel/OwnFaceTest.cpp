// Controls that change while the panel runs fill their background with the colour under them;
// what the frame shows must be exactly as when the dialog and the group boxes paint under them,
// in both layouts, whatever the controls show and whatever the dialog's colours.
#include <QImage>

#include "platform/CDialogBuilder.h"
#include "resources/ControlIds.h"
#include "tests/panel/PanelFixture.h"

namespace {

using OwnFace = PanelFixture;

TEST_F(OwnFace, PanelLooksAsWhenWhatLiesUnderTheChangingControlsPaintsThere) {
  const int ids[] = {ctl::kCh1Actual, ctl::kCh2Actual, ctl::kCh3Actual,
                     ctl::kCh4Actual, ctl::kClock,     ctl::kRun};
  const auto compare = [&](const char *state) {
    const QRect shown = m_view->rect();
    std::vector<int> filled;
    for (int id : ids)
      if (Item(id)->autoFillBackground())
        filled.push_back(id);
    const QImage own = m_view->grab(shown).toImage();
    for (int id : filled)
      Item(id)->setAutoFillBackground(false);
    EXPECT_EQ(own, m_view->grab(shown).toImage()) << state;
    for (int id : filled)
      Item(id)->setAutoFillBackground(true);
    return filled.size();
  };
  compare("compact, as started");
  Click(ctl::kToggleArea);
  // Each of them stands on one colour in the expanded layout: none repaints what lies under it.
  EXPECT_EQ(compare("expanded"), std::size(ids));
  Click(ctl::kCh1Switch);
  platform::SetWindowText(Item(ctl::kCh2Actual), QStringLiteral("12.345"));
  Item(ctl::kRun)->setEnabled(false);
  compare("expanded, a channel on, Run disabled");
  QPalette palette = m_view->palette();
  palette.setColor(QPalette::Window, QColor(200, 220, 240));
  m_view->setPalette(palette);
  compare("expanded, another face colour");
  Click(ctl::kToggleArea);
  compare("compact again");
}

} // namespace
