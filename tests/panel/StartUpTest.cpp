#include <clocale>

#include <QLabel>
#include <QRadioButton>
#include <QStyle>

#include "controls/CStepListCtrl.h"
#include "panel/PanelRules.h"
#include "resources/ControlIds.h"
#include "tests/panel/PanelFixture.h"
#include "tests/support/TestHelpers.h"

namespace {

using StartUp = PanelFixture;

using testhelp::Counting;
using testhelp::Items;

TEST_F(StartUp, ChannelAreaStartsSwitchedOffAndEmpty) {
  for (int id : {ctl::kCh1Led, ctl::kCh2Led, ctl::kCh3Led, ctl::kCh4Led})
    EXPECT_FALSE(LedLit(id)) << id;
  for (int id : {ctl::kCh1Actual, ctl::kCh2Actual, ctl::kCh3Actual, ctl::kCh4Actual})
    EXPECT_EQ(Text(id), QStringLiteral("0.000")) << id;
  for (int id : {ctl::kCh1Set, ctl::kCh2Set}) {
    EXPECT_EQ(Text(id), QString()) << id;
    EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
  }
  for (int id : {ctl::kCh1Switch, ctl::kCh2Switch, ctl::kCh3Switch, ctl::kCh4Switch})
    EXPECT_EQ(Text(id), QStringLiteral("OFF")) << id;
  const QPixmap icon = platform::DlgItem<QLabel>(m_view.get(), ctl::kConnectionIcon)->pixmap();
  ASSERT_FALSE(icon.isNull()) << "the picture shows from the first painted frame";
  EXPECT_EQ(icon.toImage(), m_view->m_hIconNoDevice.toImage());
}

TEST_F(StartUp, DocumentStatesAreOffGreyWithoutKnobStep) {
  m_doc.StateCh1().SetOn(1);
  m_doc.StateCh2().SetColor(kColorCh2);
  m_doc.StateCh1().SetKnobStep(4);
  m_view->OnInitialUpdate();
  for (CChannelState *state : {&m_doc.StateCh1(), &m_doc.StateCh2()}) {
    EXPECT_EQ(state->GetOn(), 0);
    EXPECT_EQ(state->GetColor(), RGB(125, 125, 125));
  }
  EXPECT_EQ(m_doc.StateCh1().GetKnobStep(), 4) << "the knob step is not touched";
  EXPECT_EQ(m_doc.StateCh2().GetKnobStep(), -1);
}

// The lists' contents are CStepTableEditor's table; here the panel fills them at start-up.
TEST_F(StartUp, StepListsFollowTheFirstMode) {
  EXPECT_EQ(Text(ctl::kMode), QStringLiteral("1*10"));
  EXPECT_EQ(Text(ctl::kStop), QStringLiteral("10"));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view.get(), ctl::kStepList)->GetItemCount(), 10);
  EXPECT_EQ(Text(ctl::kFromVolt), QStringLiteral("1.000"));
  EXPECT_EQ(Text(ctl::kToVolt), QStringLiteral("9.000"));
  EXPECT_EQ(Text(ctl::kInterval), QStringLiteral("1000"));
  EXPECT_EQ(Text(ctl::kIntervalUnit), QStringLiteral("Millisecond"));
  EXPECT_TRUE(platform::DlgItem<QRadioButton>(m_view.get(), ctl::kCh1Radio)->isChecked());
  EXPECT_FALSE(platform::DlgItem<QRadioButton>(m_view.get(), ctl::kCh2Radio)->isChecked());
  EXPECT_TRUE(platform::DlgItem<QRadioButton>(m_view.get(), ctl::kStepRadio)->isChecked());
}

TEST_F(StartUp, SecondModeReshapesTheListsAndStartUpRefillsThem) {
  Combo(ctl::kMode)->setCurrentIndex(1);
  m_view->OnSelchangeMode();
  EXPECT_EQ(Items(Combo(ctl::kNumber)), Counting(1, 2));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view.get(), ctl::kStepList)->GetItemCount(), 5);
  // A second start-up fills the lists afresh instead of adding to them.
  m_view->OnInitialUpdate();
  EXPECT_EQ(Items(Combo(ctl::kNumber)), QStringList{QStringLiteral("1")});
  EXPECT_EQ(Items(Combo(ctl::kStart)), Counting(1, 10));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view.get(), ctl::kStepList)->GetItemCount(), 10);
  EXPECT_EQ(m_view->StepTable().columnCount(), 3);
}

TEST_F(StartUp, TimersRunInTheirPeriodsAndIdTwoNeverStarts) {
  EXPECT_TRUE(m_view->IsTimerActive(3));
  EXPECT_EQ(m_view->TimerInterval(3), 500);
  EXPECT_EQ(m_view->TimerInterval(0), 1000);
  EXPECT_EQ(m_view->TimerInterval(1), 1000);
  EXPECT_FALSE(m_view->IsTimerActive(2));
  const CPanelState before = State();
  m_view->OnTimer(2);
  EXPECT_EQ(State().m_nRingOldest, before.m_nRingOldest);
  EXPECT_EQ(Text(ctl::kClock), QString()) << "a reserved tick does not touch the clock";
}

TEST_F(StartUp, ToggleShowsAndHidesTheStepAreaAndResizesTheFrame) {
  EXPECT_TRUE(Item(ctl::kMode)->isHidden());
  EXPECT_FALSE(Item(ctl::kTrendPlot)->isHidden())
      << "the chart lies outside the compact frame, not hidden";
  EXPECT_FALSE(Item(ctl::kChannelArea)->isHidden());
  EXPECT_FALSE(Item(ctl::kClock)->isHidden())
      << "the time row is outside the compact frame, not hidden";
  Click(ctl::kToggleArea);
  EXPECT_EQ(State().m_bCompact, 0);
  EXPECT_FALSE(Item(ctl::kMode)->isHidden());
  EXPECT_FALSE(Item(ctl::kVoltRuler)->isHidden());
  Click(ctl::kToggleArea);
  EXPECT_EQ(State().m_bCompact, 1);
  EXPECT_TRUE(Item(ctl::kMode)->isHidden());
  const std::vector<std::pair<int, int>> expected{{990, 470}, {390, 470}};
  EXPECT_EQ(m_frameSizes, expected);
}

TEST_F(StartUp, ToggleButtonShowsTheArrowOfTheMode) {
  auto *button = platform::DlgItem<QPushButton>(m_view.get(), ctl::kToggleArea);
  const auto shown = [button] {
    return button->icon()
        .pixmap(button->iconSize())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
  };
  const QImage compact = shown();
  Click(ctl::kToggleArea);
  const QImage expanded = shown();
  EXPECT_NE(compact, expanded);
  Click(ctl::kToggleArea);
  EXPECT_EQ(shown(), compact);
}

TEST_F(StartUp, ChannelAreaFitsTheCompactFrame) {
  for (int id :
       {ctl::kChannelArea, ctl::kToggleArea, ctl::kCh3Frame, ctl::kCh4Frame, ctl::kCh4Actual})
    EXPECT_LE(Item(id)->geometry().right(), 390 - 8) << id;
  for (int id : {ctl::kStepArea, ctl::kClock, ctl::kStopSteps})
    EXPECT_LE(Item(id)->geometry().right(), 990 - 8) << id;
}

TEST_F(StartUp, LegendsCarryTheChannelColours) {
  const std::pair<int, QColor> legends[] = {{ctl::kCh1Legend, QColor(0, 255, 0)},
                                            {ctl::kCh1RadioLabel, QColor(0, 255, 0)},
                                            {ctl::kCh2Legend, QColor(0, 255, 255)},
                                            {ctl::kCh2RadioLabel, QColor(0, 255, 255)}};
  for (const auto &[id, colour] : legends) {
    EXPECT_EQ(Item(id)->palette().color(QPalette::Window), colour) << id;
    EXPECT_TRUE(Item(id)->autoFillBackground()) << id;
  }
}

TEST_F(StartUp, ActualBoxesNeverShowACaret) {
  for (int id : {ctl::kCh1Actual, ctl::kCh2Actual, ctl::kCh3Actual, ctl::kCh4Actual})
    EXPECT_EQ(Item(id)->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, Item(id)), 0)
        << id;
  EXPECT_GT(Item(ctl::kCh1Set)
                ->style()
                ->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, Item(ctl::kCh1Set)),
            0);
}

TEST(PanelRules, StepAreaIdsAreTheFourRanges) {
  const std::pair<int, bool> cases[] = {{1024, false},
                                        {ctl::kModeLabel, true},
                                        {ctl::kVoltCheck, true},
                                        {1035, false},
                                        {ctl::kFromVolt, true},
                                        {ctl::kToVolt, true},
                                        {1039, false},
                                        {ctl::kSetVolts, true},
                                        {ctl::kVoltRuler, true},
                                        {ctl::kCh1Switch, false},
                                        {ctl::kCh4Frame, false},
                                        {ctl::kStepFrame, true},
                                        {ctl::kStepArea, true},
                                        {ctl::kCh1Keypad, false},
                                        {ctl::kTrendPlot, false},
                                        {ctl::kClock, false}};
  for (const auto &[id, inArea] : cases)
    EXPECT_EQ(panel::IsStepAreaId(id), inArea) << id;
}

TEST(PanelRules, ClockIsTwentyFourHourWhateverTheLocale) {
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QDateTime morning(QDate(2013, 3, 5), QTime(9, 7, 45));
  const QDateTime evening(QDate(2026, 12, 31), QTime(21, 59, 3));
  EXPECT_EQ(panel::ClockText(morning), QStringLiteral("2013.03.05.09:07:45"));
  EXPECT_EQ(panel::ClockText(evening), QStringLiteral("2026.12.31.21:59:03"));
  EXPECT_EQ(panel::ClockText(evening).size(), 19);
  QLocale::setDefault(QLocale::c());
  std::setlocale(LC_ALL, "C");
  if (!german)
    GTEST_SKIP() << "de_DE.UTF-8 is not installed; checked under Qt's German locale only";
}

} // namespace
