#include <QAction>
#include <QApplication>
#include <QWheelEvent>

#include "controls/CStepListCtrl.h"
#include "panel/PanelRules.h"
#include "resources/CommandIds.h"
#include "tests/panel/PanelFixture.h"

namespace {

using ChannelControl = PanelFixture;

struct SetPointCase {
  const char *text;
  const char *message; // nullptr: sent
  VoltageCode code;
  const char *shown;
};

TEST(PanelRules, SetPointChecksPointRangeAndSinglePrecision) {
  const SetPointCase cases[] = {
      {"", "Please input valid number", {}, nullptr},
      {"5", "Please input valid number", {}, nullptr},
      {".5", "Please input valid number", {}, nullptr},
      {"5.", nullptr, {50, 0}, "5.000"},
      {"5.0", nullptr, {50, 0}, "5.000"},
      {"0.6", nullptr, {6, 0}, "0.600"},
      {"9.0", nullptr, {90, 0}, "9.000"},
      {"0.599", "Minimal voltage is 0.6V", {}, nullptr},
      {"9.001", "Maximum voltage is 9.0V", {}, nullptr},
      {"2.3", nullptr, {22, 99}, "2.299"},
      {"5.123", nullptr, {51, 23}, "5.123"},
      {"a.b", "Minimal voltage is 0.6V", {}, nullptr},
      {"nan.", "Minimal voltage is 0.6V", {}, nullptr},
      {"-nan.", "Minimal voltage is 0.6V", {}, nullptr},
      {"inf.", "Minimal voltage is 0.6V", {}, nullptr},
      {"--5.", "Minimal voltage is 0.6V", {}, nullptr},
      {"+-5.", "Minimal voltage is 0.6V", {}, nullptr},
      {"0x5.", "Minimal voltage is 0.6V", {}, nullptr},
      {"1e400.", "Maximum voltage is 9.0V", {}, nullptr},
      {"5.e0", nullptr, {50, 0}, "5.000"},
  };
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

TEST_F(ChannelControl, SwitchingOnSendsNothingAndOkSendsTheSetPoint) {
  Click(1053);
  EXPECT_EQ(Text(1053), QStringLiteral("ON"));
  EXPECT_TRUE(LedLit(1100));
  EXPECT_FALSE(Edit(1001)->isReadOnly());
  EXPECT_EQ(m_doc.StateCh1().GetOn(), 1);
  EXPECT_EQ(m_doc.StateCh1().GetColor(), RGB(128, 255, 128));
  EXPECT_EQ(Text(1004), QStringLiteral("0.000"));
  SetText(1001, "2.3");
  MessageCapture messages;
  Click(1090);
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(Text(1004), QStringLiteral("2.299"));
  EXPECT_DOUBLE_EQ(State().m_dActualVolt[0], 2.299);
  EXPECT_EQ(m_view->m_strSetCh1, QStringLiteral("2.3"));
  EXPECT_TRUE(Item(1090)->isEnabled());
  EXPECT_EQ(Text(1007), QStringLiteral("0.000")) << "CH2 untouched";
}

TEST_F(ChannelControl, OkOnAClosedChannelKeepsTheCodeAndSendsNothing) {
  SetText(1008, "4.5");
  MessageCapture messages;
  Click(1092);
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please open channel!")});
  EXPECT_EQ(State().m_voltCode[1], (VoltageCode{45, 0}));
  EXPECT_EQ(Text(1007), QStringLiteral("0.000"));
}

TEST_F(ChannelControl, RefusedSetPointsShowTheirMessage) {
  Click(1053);
  const std::pair<const char *, const char *> cases[] = {{"", "Please input valid number"},
                                                         {"0.599", "Minimal voltage is 0.6V"},
                                                         {"9.001", "Maximum voltage is 9.0V"}};
  for (const auto &[text, message] : cases) {
    SetText(1001, text);
    MessageCapture messages;
    Click(1090);
    EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(message)}) << text;
    EXPECT_EQ(Text(1004), QStringLiteral("0.000")) << text;
  }
}

TEST_F(ChannelControl, FailedSendKeepsTheDisplayAndReenablesOk) {
  Click(1053);
  SetText(1001, "5.0");
  Click(1090);
  WriteControl("fail_next=1\n");
  SetText(1001, "7.0");
  MessageCapture messages;
  Click(1090);
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Sending Error!")});
  EXPECT_EQ(Text(1004), QStringLiteral("5.000"));
  EXPECT_DOUBLE_EQ(State().m_dActualVolt[0], 5.0);
  EXPECT_TRUE(Item(1090)->isEnabled());
}

TEST_F(ChannelControl, SwitchingOffSendsZeroAndShowsItInBothBoxes) {
  Click(1054);
  SetText(1008, "6.0");
  Click(1092);
  Click(1054);
  EXPECT_EQ(Text(1054), QStringLiteral("OFF"));
  EXPECT_FALSE(LedLit(1107));
  EXPECT_TRUE(Edit(1008)->isReadOnly());
  EXPECT_EQ(Text(1007), QStringLiteral("0.000"));
  EXPECT_EQ(Text(1008), QStringLiteral("0.000"));
  EXPECT_EQ(m_doc.StateCh2().GetOn(), 0);
  EXPECT_EQ(m_doc.StateCh2().GetColor(), RGB(0, 255, 255)) << "the colour stays when off";
  Click(1054);
  EXPECT_EQ(Text(1007), QStringLiteral("0.000")) << "switching on again sends nothing";
}

TEST_F(ChannelControl, FailedSwitchOffStaysOffAndKeepsTheReading) {
  Click(1053);
  SetText(1001, "3.0");
  Click(1090);
  WriteControl("fail_next=1\n");
  MessageCapture messages;
  Click(1053);
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Sending Error")});
  EXPECT_EQ(Text(1053), QStringLiteral("OFF"));
  EXPECT_EQ(Text(1004), QStringLiteral("3.000"));
}

TEST_F(ChannelControl, FixedChannelsShowTheirReadingAndCh4ItsSign) {
  Click(1055);
  EXPECT_EQ(Text(1009), QStringLiteral("5.000"));
  EXPECT_TRUE(LedLit(1103));
  EXPECT_FALSE(LedLit(1104));
  m_view->OnCommand(cmd::kCh4Switch);
  EXPECT_EQ(Text(1011), QStringLiteral("-5.000"));
  Click(1056);
  EXPECT_EQ(Text(1011), QStringLiteral("-0.000"));
  Click(1055);
  EXPECT_EQ(Text(1009), QStringLiteral("0.000"));
  EXPECT_FALSE(LedLit(1103));
}

TEST_F(ChannelControl, FailureMessagesDependOnThePath) {
  const std::pair<int, const char *> cases[] = {
      {cmd::kCh3Switch, "Sending Error"},
      {cmd::kCh4Switch, "Sending error!"},
  };
  for (const auto &[command, text] : cases) {
    WriteControl("fail_next=1\n");
    MessageCapture messages;
    m_view->OnCommand(command);
    EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(text)}) << command;
  }
  WriteControl("fail_next=1\n");
  MessageCapture messages;
  Click(1056);
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Sending Error")});
  EXPECT_EQ(Text(1056), QStringLiteral("OFF")) << "switched back by this press, not rolled back";
}

TEST_F(ChannelControl, MenuItemsNameTheOppositeOfTheCaption) {
  QAction action;
  const int commands[] = {cmd::kCh1Switch, cmd::kCh2Switch, cmd::kCh3Switch, cmd::kCh4Switch};
  for (int command : commands) {
    m_view->OnUpdateCommand(command, &action);
    EXPECT_EQ(action.text(), QStringLiteral("Turn On")) << command;
    m_view->OnCommand(command);
    m_view->OnUpdateCommand(command, &action);
    EXPECT_EQ(action.text(), QStringLiteral("Turn Off")) << command;
  }
}

TEST_F(ChannelControl, MenuTurnOffSwitchesTheOutputOffAtTheDevice) {
  m_view->OnCommand(cmd::kCh1Switch);
  SetText(1001, "5.0");
  Click(1090);
  m_view->OnCommand(cmd::kCh1Switch);
  int on = -1;
  int pair[2] = {-1, -1};
  QLibrary library(m_pwrio->LibraryPath());
  using Read = int (*)(int, int *, int *);
  auto read = reinterpret_cast<Read>(library.resolve("pwrioSimReadOutput"));
  ASSERT_NE(read, nullptr);
  read(0, &on, pair);
  EXPECT_EQ(on, 0);
  EXPECT_EQ(pair[0], 0);
  EXPECT_EQ(Text(1004), QStringLiteral("0.000"));
  EXPECT_EQ(Text(1053), QStringLiteral("OFF"));
}

} // namespace

namespace {

TEST_F(ChannelControl, WheelOverThePanelWalksTheFocusedSetPointBox) {
  m_view->show();
  Click(1053);
  SetText(1001, "5.123");
  Edit(1001)->setFocus();
  QApplication::setActiveWindow(m_view.get());
  Edit(1001)->setSelection(2, 1);
  const QPointF where(5, 5); // over the panel, far from the box
  QWheelEvent wheel(where, m_view->mapToGlobal(where), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  if (QApplication::focusWidget() != Edit(1001))
    GTEST_SKIP() << "the offscreen platform gave the focus elsewhere";
  QApplication::sendEvent(m_view.get(), &wheel);
  EXPECT_EQ(Edit(1001)->selectionStart(), 3);
  EXPECT_EQ(Edit(1001)->selectedText(), QStringLiteral("2"));
}

// A notch over a control that does not hold the focus goes to the focused set-point box; the
// drop-down lists, the unit list and the step table under the pointer stay as they are.
TEST_F(ChannelControl, WheelOverOtherControlsGoesToTheFocusedBox) {
  m_view->OnToggleCompact();
  m_view->show();
  Click(1053);
  SetText(1001, "5.123");
  Edit(1001)->setFocus();
  QApplication::setActiveWindow(m_view.get());
  if (QApplication::focusWidget() != Edit(1001))
    GTEST_SKIP() << "the offscreen platform gave the focus elsewhere";
  auto *list = platform::DlgItem<QAbstractScrollArea>(m_view.get(), 1027);
  const int overs[] = {1026, 1031, 1032, 1033, 1072, 1046, 1048, 1071, 1053};
  const QStringList before = {Text(1026), Text(1031), Text(1032), Text(1033), Text(1072)};
  const auto notch = [this](QWidget *over) {
    Edit(1001)->setSelection(2, 1);
    const QPointF where(2, 2);
    QWheelEvent wheel(where, over->mapToGlobal(where), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
    return Edit(1001)->selectionStart() == 3 && Edit(1001)->selectedText() == QStringLiteral("2");
  };
  for (int id : overs) {
    EXPECT_TRUE(notch(Item(id))) << "a notch over " << id << " walks the focused box";
    EXPECT_NE(Item(id)->focusPolicy(), Qt::WheelFocus) << id << " takes the focus from a notch";
  }
  EXPECT_TRUE(notch(list->viewport()));
  EXPECT_EQ((QStringList{Text(1026), Text(1031), Text(1032), Text(1033), Text(1072)}), before);
  EXPECT_EQ(Text(1004), QStringLiteral("0.000"));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view.get(), 1027)->GetItemCount(), 10)
      << "MODE unchanged, so the table kept its rows";
  EXPECT_EQ(QApplication::focusWidget(), Edit(1001));
}

} // namespace
