// The panel used end to end, as an operator would: the knob touched, steps run and files
// written through its commands, all against the simulated supply.
#include <QCheckBox>
#include <QTest>

#include "controls/CStepListCtrl.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "tests/panel/PanelFixture.h"
#include "tests/support/FileDialogAnswers.h"

namespace {

using PanelWorkflow = PanelFixture;

TEST_F(PanelWorkflow, KnobTouchComposesIntoTheSetPointBox) {
  Click(ctl::kCh1Switch);
  QWidget *knob = Item(ctl::kCh1Knob);
  // Straight up is position 50, digit 4.
  QTest::mouseClick(knob, Qt::LeftButton, Qt::NoModifier, QPoint(knob->width() / 2, 2));
  EXPECT_EQ(Text(ctl::kCh1Set), QStringLiteral("4.0"));
  EXPECT_EQ(m_view->m_strSetCh1, QStringLiteral("4.0"));
  EXPECT_EQ(m_doc.StateCh1().GetKnobStep(), 5);
  Click(ctl::kCh1Ok);
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("4.000"));
}

// A click on a CHANNEL radio sets the step table's channel, which Run, Stop and Save read.
TEST_F(PanelWorkflow, StepsRunOnTheChosenChannelAndSaveNamesIt) {
  platform::DlgItem<QCheckBox>(m_view.get(), ctl::kVoltCheck)->setChecked(true);
  Click(ctl::kSetVolts);
  Click(ctl::kRun);
  Click(ctl::kRun);
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("1.889"));
  EXPECT_EQ(State().m_nStepIndex, 2);
  Click(ctl::kStopSteps);
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("0.000"));
  EXPECT_EQ(State().m_nStepIndex, 0);
  Click(ctl::kRun);
  auto *ch2 = platform::DlgItem<QAbstractButton>(m_view.get(), ctl::kCh2Radio);
  ch2->click();
  EXPECT_EQ(m_view->StepTable().GetStepChannel(), CStepTable::kStepCh2);
  EXPECT_EQ(State().m_nStepIndex, 0) << "a click on a channel rewinds";
  Click(ctl::kRun);
  EXPECT_EQ(Text(ctl::kCh2Actual), QStringLiteral("1.000"));
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("1.000"));

  const QString path = m_dir.filePath(QStringLiteral("steps.txt"));
  FileDialogAnswers answers({path});
  Command(cmd::kFileSave);
  EXPECT_TRUE(testhelp::ReadFile(path).startsWith("#CHANNEL:CH2\r\n"));
}

TEST_F(PanelWorkflow, TimeOkChangesTheSamplingPeriod) {
  SetText(ctl::kInterval, "5");
  Combo(ctl::kIntervalUnit)->setCurrentIndex(1);
  MessageCapture messages;
  Click(ctl::kTimeOk);
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(m_view->TimerInterval(1), 5000);
  SetText(ctl::kInterval, "50");
  Combo(ctl::kIntervalUnit)->setCurrentIndex(0);
  Click(ctl::kTimeOk);
  EXPECT_EQ(messages.Texts().size(), 1);
  EXPECT_EQ(m_view->TimerInterval(1), 5000);
}

// Every path that turns a text into a voltage reads decimal numbers only, and a value that no
// code can hold goes out as 0 V: the set-point box (where typing, pasting, the keypad, the
// volt-set dialog and the knob all end) refuses them, while a step cell, the From box of the
// even fill and a file's tail send (0, 0) on Run.
TEST_F(PanelWorkflow, HostileTextsReachTheSupplyAsZeroOrNotAtAll) {
  const char *hostile[] = {"nan.", "-nan",  "--5",   "+-2.5", "0x10",
                           "inf",  "1e400", "9e+99", "-1e30"};
  const QString log = m_dir.filePath(QStringLiteral("calls.log"));
  const QString stepFile = m_dir.filePath(QStringLiteral("hostile.txt"));
  FileDialogAnswers answers(std::deque<std::optional<QString>>(std::size(hostile), stepFile));
  auto *list = platform::DlgItem<CStepListCtrl>(m_view.get(), ctl::kStepList);
  platform::DlgItem<QCheckBox>(m_view.get(), ctl::kVoltCheck)->setChecked(true);
  MessageCapture messages;
  Click(ctl::kCh1Switch);
  qputenv("PWRIO_SIM_LOG", QFile::encodeName(log));
  for (const char *text : hostile) {
    SetText(ctl::kCh1Set, text);
    Click(ctl::kCh1Ok);
    list->SetItemText(0, 2, QString::fromLatin1(text));
    State().m_nStepIndex = 0;
    Click(ctl::kRun);
    SetText(ctl::kFromVolt, text);
    SetText(ctl::kToVolt, text);
    Click(ctl::kSetVolts);
    Click(ctl::kRun);
    ASSERT_TRUE(testhelp::WriteFile(
        stepFile,
        QByteArray("#CHANNEL:CH1\r\nstep  number  voltage\r\n1    1    ") + text + "\r\n"));
    Command(cmd::kFileOpen);
    State().m_nStepIndex = 0;
    Click(ctl::kRun);
  }
  qunsetenv("PWRIO_SIM_LOG");
  QStringList sets;
  for (const QString &line : QString::fromLatin1(testhelp::ReadFile(log)).split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("dsoSetVolt")))
      sets << line;
  EXPECT_EQ(sets.size(), 3 * static_cast<int>(std::size(hostile)))
      << "the set-point box sends none";
  for (const QString &line : sets)
    EXPECT_TRUE(line.contains(QStringLiteral(" on=1 len=2 in=0,0 "))) << line.toStdString();
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("0.000"));
}

} // namespace
