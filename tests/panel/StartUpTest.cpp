#include <clocale>

#include <QLabel>
#include <QRadioButton>
#include <QStyle>

#include "controls/CStepListCtrl.h"
#include "panel/PanelRules.h"
#include "tests/panel/PanelFixture.h"
#include "tests/support/TestHelpers.h"

namespace {

using StartUp = PanelFixture;

using testhelp::Counting;
using testhelp::Items;

TEST_F(StartUp, ChannelAreaStartsSwitchedOffAndEmpty) {
  for (int id : {1100, 1107, 1103, 1104})
    EXPECT_FALSE(LedLit(id)) << id;
  for (int id : {1004, 1007, 1009, 1011})
    EXPECT_EQ(Text(id), QStringLiteral("0.000")) << id;
  for (int id : {1001, 1008}) {
    EXPECT_EQ(Text(id), QString()) << id;
    EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
  }
  for (int id : {1053, 1054, 1055, 1056})
    EXPECT_EQ(Text(id), QStringLiteral("OFF")) << id;
  const QPixmap icon = platform::DlgItem<QLabel>(m_view.get(), 1068)->pixmap();
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

TEST_F(StartUp, StepListsFollowTheFirstMode) {
  EXPECT_EQ(Text(1026), QStringLiteral("1*10"));
  EXPECT_EQ(Items(Combo(1031)), QStringList{QStringLiteral("1")});
  EXPECT_EQ(Items(Combo(1032)), Counting(1, 10));
  EXPECT_EQ(Text(1032), QStringLiteral("1"));
  EXPECT_EQ(Text(1033), QStringLiteral("10"));
  EXPECT_EQ(Text(1048), QStringLiteral("10"));
  EXPECT_EQ(Text(1046), QStringLiteral("1"));
  auto *list = platform::DlgItem<CStepListCtrl>(m_view.get(), 1027);
  ASSERT_EQ(list->GetItemCount(), 10);
  for (int row = 0; row < 10; ++row) {
    EXPECT_EQ(list->GetItemText(row, 0), QString::number(row + 1));
    EXPECT_EQ(list->GetItemText(row, 1), QStringLiteral("1"));
    EXPECT_EQ(list->GetItemText(row, 2), QString());
  }
  EXPECT_EQ(Text(1036), QStringLiteral("1.000"));
  EXPECT_EQ(Text(1038), QStringLiteral("9.000"));
  EXPECT_EQ(Text(1095), QStringLiteral("1000"));
  EXPECT_EQ(Text(1072), QStringLiteral("Millisecond"));
  EXPECT_TRUE(platform::DlgItem<QRadioButton>(m_view.get(), 1115)->isChecked());
  EXPECT_FALSE(platform::DlgItem<QRadioButton>(m_view.get(), 1116)->isChecked());
  EXPECT_TRUE(platform::DlgItem<QRadioButton>(m_view.get(), 1042)->isChecked());
}

TEST_F(StartUp, SecondModeReshapesTheListsAndStartUpRefillsThem) {
  Combo(1026)->setCurrentIndex(1);
  m_view->OnSelchangeMode();
  EXPECT_EQ(Items(Combo(1031)), Counting(1, 2));
  EXPECT_EQ(Items(Combo(1033)), Counting(1, 5));
  EXPECT_EQ(Text(1033), QStringLiteral("5"));
  EXPECT_EQ(Text(1048), QStringLiteral("5"));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view.get(), 1027)->GetItemCount(), 5);
  // A second start-up fills the lists afresh instead of adding to them.
  m_view->OnInitialUpdate();
  EXPECT_EQ(Items(Combo(1031)), QStringList{QStringLiteral("1")});
  EXPECT_EQ(Items(Combo(1032)), Counting(1, 10));
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view.get(), 1027)->GetItemCount(), 10);
  EXPECT_EQ(platform::DlgItem<CStepListCtrl>(m_view.get(), 1027)->columnCount(), 3);
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
  EXPECT_EQ(Text(1074), QString()) << "a reserved tick does not touch the clock";
}

TEST_F(StartUp, ToggleShowsAndHidesTheStepAreaAndResizesTheFrame) {
  EXPECT_TRUE(Item(1026)->isHidden());
  EXPECT_FALSE(Item(1071)->isHidden()) << "the chart lies outside the compact frame, not hidden";
  EXPECT_FALSE(Item(1057)->isHidden());
  EXPECT_FALSE(Item(1074)->isHidden()) << "the time row is outside the compact frame, not hidden";
  Click(1020);
  EXPECT_EQ(State().m_bCompact, 0);
  EXPECT_FALSE(Item(1026)->isHidden());
  EXPECT_FALSE(Item(1052)->isHidden());
  Click(1020);
  EXPECT_EQ(State().m_bCompact, 1);
  EXPECT_TRUE(Item(1026)->isHidden());
  const std::vector<std::pair<int, int>> expected{{990, 470}, {390, 470}};
  EXPECT_EQ(m_frameSizes, expected);
}

TEST_F(StartUp, ToggleButtonShowsTheArrowOfTheMode) {
  auto *button = platform::DlgItem<QPushButton>(m_view.get(), 1020);
  const auto shown = [button] {
    return button->icon()
        .pixmap(button->iconSize())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
  };
  const QImage compact = shown();
  Click(1020);
  const QImage expanded = shown();
  EXPECT_NE(compact, expanded);
  Click(1020);
  EXPECT_EQ(shown(), compact);
}

TEST_F(StartUp, ChannelAreaFitsTheCompactFrame) {
  for (int id : {1057, 1020, 1060, 1061, 1011})
    EXPECT_LE(Item(id)->geometry().right(), 390 - 8) << id;
  for (int id : {1065, 1074, 1050})
    EXPECT_LE(Item(id)->geometry().right(), 990 - 8) << id;
}

TEST_F(StartUp, LegendsCarryTheChannelColours) {
  const std::pair<int, QColor> legends[] = {{1113, QColor(0, 255, 0)},
                                            {1118, QColor(0, 255, 0)},
                                            {1114, QColor(0, 255, 255)},
                                            {1119, QColor(0, 255, 255)}};
  for (const auto &[id, colour] : legends) {
    EXPECT_EQ(Item(id)->palette().color(QPalette::Window), colour) << id;
    EXPECT_TRUE(Item(id)->autoFillBackground()) << id;
  }
}

TEST_F(StartUp, ActualBoxesNeverShowACaret) {
  for (int id : {1004, 1007, 1009, 1011})
    EXPECT_EQ(Item(id)->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, Item(id)), 0)
        << id;
  EXPECT_GT(Item(1001)->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, Item(1001)), 0);
}

TEST(PanelRules, StepAreaIdsAreTheFourRanges) {
  const std::pair<int, bool> cases[] = {{1024, false}, {1025, true},  {1034, true},  {1035, false},
                                        {1036, true},  {1038, true},  {1039, false}, {1040, true},
                                        {1052, true},  {1053, false}, {1061, false}, {1062, true},
                                        {1065, true},  {1066, false}, {1071, false}, {1074, false}};
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
