#include <clocale>

#include <QLabel>
#include <QRadioButton>

#include "controls/CStepListCtrl.h"
#include "panel/PanelRules.h"
#include "resources/ControlIds.h"
#include "tests/panel/PanelFixture.h"
#include "tests/support/TestHelpers.h"

namespace {

using StartUp = PanelFixture;

using testhelp::Counting;
using testhelp::Items;

TEST_F(StartUp, ControlsShowTheFirstState) {
  const std::pair<int, const char *> texts[] = {
      {ctl::kCh1Actual, "0.000"},         {ctl::kCh4Actual, "0.000"}, {ctl::kCh2Set, ""},
      {ctl::kCh3Switch, "OFF"},           {ctl::kMode, "1*10"},       {ctl::kStop, "10"},
      {ctl::kFromVolt, "1.000"},          {ctl::kToVolt, "9.000"},    {ctl::kInterval, "1000"},
      {ctl::kIntervalUnit, "Millisecond"}};
  for (const auto &[id, text] : texts)
    EXPECT_EQ(Text(id), QString::fromLatin1(text)) << id;
  for (int id : {ctl::kCh1Led, ctl::kCh2Led, ctl::kCh3Led, ctl::kCh4Led})
    EXPECT_FALSE(LedLit(id)) << id;
  EXPECT_TRUE(Edit(ctl::kCh1Set)->isReadOnly() && Edit(ctl::kCh2Set)->isReadOnly());
  EXPECT_EQ(m_view->StepTable().GetItemCount(), 10);
  EXPECT_EQ(m_view->StepTable().GetStepChannel(), CStepTable::kStepCh1);
  for (const auto &[id, checked] :
       {std::pair{ctl::kCh1Radio, true}, {ctl::kCh2Radio, false}, {ctl::kStepRadio, true}})
    EXPECT_EQ(platform::DlgItem<QRadioButton>(m_view.get(), id)->isChecked(), checked) << id;
  const QPixmap icon = platform::DlgItem<QLabel>(m_view.get(), ctl::kConnectionIcon)->pixmap();
  EXPECT_EQ(icon.toImage(), m_view->m_hIconNoDevice.toImage()) << "from the first painted frame";
}

TEST_F(StartUp, DocumentStatesAreOffGreyWithoutKnobStep) {
  m_doc.StateCh1().SetOn(1);
  m_doc.StateCh2().SetColor(kColorCh2);
  m_doc.StateCh1().SetKnobStep(4);
  m_view->OnInitialUpdate();
  for (CChannelState *state : {&m_doc.StateCh1(), &m_doc.StateCh2()})
    EXPECT_EQ(std::pair(state->GetOn(), state->GetColor()), std::pair(0, RGB(125, 125, 125)));
  EXPECT_EQ(m_doc.StateCh1().GetKnobStep(), 4) << "the knob step is not touched";
  EXPECT_EQ(m_doc.StateCh2().GetKnobStep(), -1);
}

TEST_F(StartUp, ASecondStartUpRefillsTheListsAfterAModeChange) {
  Combo(ctl::kMode)->setCurrentIndex(1);
  m_view->OnSelchangeMode();
  platform::DlgItem<QRadioButton>(m_view.get(), ctl::kCh2Radio)->click();
  // A second start-up fills the lists afresh instead of adding to them, and chooses CH1.
  m_view->OnInitialUpdate();
  EXPECT_EQ(Items(Combo(ctl::kNumber)), QStringList{QStringLiteral("1")});
  EXPECT_EQ(Items(Combo(ctl::kStart)), Counting(1, 10));
  EXPECT_EQ(m_view->StepTable().GetItemCount(), 10);
  EXPECT_TRUE(platform::DlgItem<QRadioButton>(m_view.get(), ctl::kCh1Radio)->isChecked());
}

TEST_F(StartUp, TimersRunInTheirPeriodsAndIdTwoNeverStarts) {
  for (const auto &[id, period] : {std::pair{0, 1000}, {1, 1000}, {3, 500}})
    EXPECT_TRUE(m_view->IsTimerActive(id) && m_view->TimerInterval(id) == period) << id;
  EXPECT_FALSE(m_view->IsTimerActive(2));
}

// The chart and the time row lie outside the compact frame, not hidden.
TEST_F(StartUp, ToggleShowsTheStepAreaTheArrowAndTheFrameSize) {
  auto *button = platform::DlgItem<QPushButton>(m_view.get(), ctl::kToggleArea);
  const auto arrow = [button] {
    return button->icon()
        .pixmap(button->iconSize())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
  };
  const QImage compact = arrow();
  for (int id : {ctl::kTrendPlot, ctl::kChannelArea, ctl::kClock})
    EXPECT_FALSE(Item(id)->isHidden()) << id;
  for (int compactAfter : {0, 1}) {
    EXPECT_EQ(Item(ctl::kMode)->isHidden(), compactAfter == 0);
    Click(ctl::kToggleArea);
    EXPECT_EQ(State().m_bCompact, compactAfter);
    EXPECT_EQ(Item(ctl::kVoltRuler)->isHidden(), compactAfter == 1);
    EXPECT_EQ(arrow() == compact, compactAfter == 1);
  }
}

TEST(PanelRules, StepAreaIdsAreTheFourRanges) {
  // clang-format off
  const std::pair<int, bool> cases[] = {
      {1024, false}, {ctl::kModeLabel, true}, {ctl::kVoltCheck, true}, {1035, false},
      {ctl::kFromVolt, true}, {ctl::kToVolt, true}, {1039, false}, {ctl::kSetVolts, true},
      {ctl::kVoltRuler, true}, {ctl::kCh1Switch, false}, {ctl::kCh4Frame, false},
      {ctl::kStepFrame, true}, {ctl::kStepArea, true}, {ctl::kCh1Keypad, false}
  };
  // clang-format on
  for (const auto &[id, inArea] : cases)
    EXPECT_EQ(panel::IsStepAreaId(id), inArea) << id;
}

TEST(PanelRules, ClockIsTwentyFourHourWhateverTheLocale) {
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QDateTime evening(QDate(2026, 12, 1), QTime(21, 9, 3));
  EXPECT_EQ(panel::ClockText(evening), QStringLiteral("2026.12.01.21:09:03"));
  QLocale::setDefault(QLocale::c());
  std::setlocale(LC_ALL, "C");
  if (!german)
    GTEST_SKIP() << "de_DE.UTF-8 is not installed; checked under Qt's German locale only";
}

} // namespace
