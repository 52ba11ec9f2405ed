#include <QAction>
#include <QApplication>
#include <QWheelEvent>

#include "controls/CStepListCtrl.h"
#include "panel/PanelRules.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "tests/panel/PanelFixture.h"

namespace {

using ChannelControl = PanelFixture;

TEST(PanelRules, SetPointChecksPointRangeAndSinglePrecision) {
  const char *const invalid = "Please input valid number";
  const char *const low = "Minimal voltage is 0.6V";
  const char *const high = "Maximum voltage is 9.0V";
  const struct {
    const char *text;
    const char *message; // nullptr: sent
    VoltageCode code;
    const char *shown;
  } cases[] = {// clang-format off
      {"", invalid, {}, nullptr}, {".5", invalid, {}, nullptr}, {"5.", nullptr, {50, 0}, "5.000"},
      {"0.6", nullptr, {6, 0}, "0.600"}, {"9.0", nullptr, {90, 0}, "9.000"},
      {"0.599", low, {}, nullptr}, {"9.001", high, {}, nullptr}, {"2.3", nullptr, {22, 99}, "2.299"},
      {"5.123", nullptr, {51, 23}, "5.123"}, {"a.b", low, {}, nullptr}, {"1e400.", high, {}, nullptr},
      {"5.e0", nullptr, {50, 0}, "5.000"}
  };
  // clang-format on
  for (const auto &c : cases) {
    const panel::SetPointCheck check = panel::CheckSetPoint(QString::fromLatin1(c.text));
    if (c.message) {
      EXPECT_EQ(check.message, QString::fromLatin1(c.message)) << c.text;
      continue;
    }
    EXPECT_TRUE(check.message.isEmpty()) << c.text;
    EXPECT_EQ(check.code, c.code) << c.text;
    EXPECT_EQ(panel::ActualText(check.code, false), QString::fromLatin1(c.shown)) << c.text;
  }
}

// Every refusal and its message is the rule's table above; one shows the panel passes it on.
TEST_F(ChannelControl, OkSendsTheSetPointOfAnOpenChannelOrTells) {
  SetText(ctl::kCh1Set, "4.5");
  MessageCapture closed;
  Click(ctl::kCh1Ok);
  EXPECT_EQ(closed.Texts(), QStringList{QStringLiteral("Please open channel!")});
  EXPECT_EQ(State().m_voltCode[0], (VoltageCode{45, 0})) << "a closed channel keeps the code";
  Click(ctl::kCh1Switch);
  EXPECT_TRUE(LedLit(ctl::kCh1Led) && !Edit(ctl::kCh1Set)->isReadOnly());
  EXPECT_EQ(std::pair(m_doc.StateCh1().GetOn(), m_doc.StateCh1().GetColor()),
            std::pair(1, RGB(128, 255, 128)));
  const struct {
    const char *setPoint, *fail, *message;
  } presses[] = {{"2.3", "", ""},
                 {"9.001", "", "Maximum voltage is 9.0V"},
                 {"7.0", "fail_next=1\n", "Sending Error!"}};
  for (const auto &press : presses) {
    if (*press.fail)
      WriteControl(press.fail);
    SetText(ctl::kCh1Set, press.setPoint);
    MessageCapture messages;
    Click(ctl::kCh1Ok);
    EXPECT_EQ(messages.Texts().join(QString()), QString::fromLatin1(press.message));
    EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("2.299")) << press.setPoint;
    EXPECT_DOUBLE_EQ(State().m_dActualVolt[0], 2.299);
    EXPECT_TRUE(Item(ctl::kCh1Ok)->isEnabled());
  }
  EXPECT_EQ(Text(ctl::kCh2Actual), QStringLiteral("0.000")) << "CH2 untouched";
}

TEST_F(ChannelControl, SwitchingOffSendsZeroAndShowsItInBothBoxes) {
  Click(ctl::kCh2Switch);
  SetText(ctl::kCh2Set, "6.0");
  Click(ctl::kCh2Ok);
  Click(ctl::kCh2Switch);
  EXPECT_EQ(Text(ctl::kCh2Switch) + Text(ctl::kCh2Actual) + Text(ctl::kCh2Set),
            QStringLiteral("OFF0.0000.000"));
  EXPECT_TRUE(!LedLit(ctl::kCh2Led) && Edit(ctl::kCh2Set)->isReadOnly());
  EXPECT_EQ(std::pair(m_doc.StateCh2().GetOn(), m_doc.StateCh2().GetColor()),
            std::pair(0, RGB(0, 255, 255)))
      << "the colour stays when off";
  Click(ctl::kCh2Switch);
  EXPECT_EQ(Text(ctl::kCh2Actual), QStringLiteral("0.000")) << "switching on again sends nothing";
}

TEST_F(ChannelControl, FixedChannelsShowTheirReadingAndCh4ItsSign) {
  Click(ctl::kCh3Switch);
  Command(cmd::kCh4Switch);
  EXPECT_EQ(Text(ctl::kCh3Actual) + Text(ctl::kCh4Actual), QStringLiteral("5.000-5.000"));
  Click(ctl::kCh3Switch);
  Click(ctl::kCh4Switch);
  EXPECT_EQ(Text(ctl::kCh3Actual) + Text(ctl::kCh4Actual), QStringLiteral("0.000-0.000"));
}

// A failed switch-off shows OFF and keeps the reading: switched by this press, not rolled back.
TEST_F(ChannelControl, FailureMessagesDependOnThePath) {
  Click(ctl::kCh1Switch);
  SetText(ctl::kCh1Set, "3.0");
  Click(ctl::kCh1Ok);
  Click(ctl::kCh3Switch);
  Click(ctl::kCh4Switch);
  const struct {
    bool menu;
    int id, button, actual;
    const char *message, *reading;
  } cases[] = {
      {false, ctl::kCh1Switch, ctl::kCh1Switch, ctl::kCh1Actual, "Sending Error", "3.000"},
      {true, cmd::kCh3Switch, ctl::kCh3Switch, ctl::kCh3Actual, "Sending Error", "5.000"},
      {true, cmd::kCh4Switch, ctl::kCh4Switch, ctl::kCh4Actual, "Sending error!", "-5.000"}};
  for (const auto &c : cases) {
    WriteControl("fail_next=1\n");
    MessageCapture messages;
    c.menu ? (void)Command(c.id) : Click(c.id);
    EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)}) << c.id;
    EXPECT_EQ(Text(c.button) + Text(c.actual), QStringLiteral("OFF") + QLatin1String(c.reading));
  }
}

// The on flags live in the panel state; captions and menu items show them.
TEST_F(ChannelControl, MenuItemsNameTheOppositeOfTheOnFlag) {
  QAction action;
  const int commands[] = {cmd::kCh1Switch, cmd::kCh2Switch, cmd::kCh3Switch, cmd::kCh4Switch};
  const int buttons[] = {ctl::kCh1Switch, ctl::kCh2Switch, ctl::kCh3Switch, ctl::kCh4Switch};
  for (std::size_t ch = 0; ch < 4; ++ch) {
    m_commands.Update(commands[ch], &action);
    EXPECT_EQ(action.text(), QStringLiteral("Turn On")) << ch;
    Command(commands[ch]);
    EXPECT_TRUE(State().m_bOutputOn[ch]) << ch;
    EXPECT_EQ(Text(buttons[ch]), QStringLiteral("ON")) << ch;
    m_commands.Update(commands[ch], &action);
    EXPECT_EQ(action.text(), QStringLiteral("Turn Off")) << ch;
  }
  // A caption written by someone else is no on flag.
  SetText(ctl::kCh1Switch, "OFF");
  m_commands.Update(cmd::kCh1Switch, &action);
  EXPECT_EQ(action.text(), QStringLiteral("Turn Off"));
  // Turn Off switches the output off at the device, as the button does.
  SetText(ctl::kCh1Set, "5.0");
  Click(ctl::kCh1Ok);
  Command(cmd::kCh1Switch);
  EXPECT_EQ(Output(0), (simtest::Output{0, 0, 0}));
  EXPECT_EQ(Text(ctl::kCh1Actual) + Text(ctl::kCh1Switch), QStringLiteral("0.000OFF"));
}

// A notch over the panel or a control that does not hold the focus goes to the focused set-point
// box; the drop-down lists, the unit list and the step table under the pointer stay as they are.
TEST_F(ChannelControl, WheelOverOtherControlsGoesToTheFocusedBox) {
  m_view->OnToggleCompact();
  m_view->show();
  Click(ctl::kCh1Switch);
  SetText(ctl::kCh1Set, "5.123");
  Edit(ctl::kCh1Set)->setFocus();
  QApplication::setActiveWindow(m_view.get());
  if (QApplication::focusWidget() != Edit(ctl::kCh1Set))
    GTEST_SKIP() << "the offscreen platform gave the focus elsewhere";
  auto *list = platform::DlgItem<QAbstractScrollArea>(m_view.get(), ctl::kStepList);
  const int overs[] = {ctl::kMode, ctl::kIntervalUnit, ctl::kRunNumber, ctl::kTrendPlot,
                       ctl::kCh1Switch};
  const QString before = Text(ctl::kMode) + Text(ctl::kIntervalUnit);
  const auto notch = [this](QWidget *over) {
    Edit(ctl::kCh1Set)->setSelection(2, 1);
    const QPointF where(2, 2);
    QWheelEvent wheel(where, over->mapToGlobal(where), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
    return Edit(ctl::kCh1Set)->selectionStart() == 3 &&
           Edit(ctl::kCh1Set)->selectedText() == QStringLiteral("2");
  };
  for (int id : overs) {
    EXPECT_TRUE(notch(Item(id))) << "a notch over " << id << " walks the focused box";
    EXPECT_NE(Item(id)->focusPolicy(), Qt::WheelFocus) << id << " takes the focus from a notch";
  }
  EXPECT_TRUE(notch(list->viewport()));
  EXPECT_TRUE(notch(m_view.get()));
  EXPECT_EQ(Text(ctl::kMode) + Text(ctl::kIntervalUnit), before);
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("0.000"));
  EXPECT_EQ(QApplication::focusWidget(), Edit(ctl::kCh1Set));
}

} // namespace
