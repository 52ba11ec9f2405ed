#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/CrtText.h"
#include "sequencer/CStepRunner.h"
#include "sequencer/CStepTableEditor.h"
#include "sequencer/IStepRunnerHost.h"
#include "tests/sequencer/StepPanelFixture.h"
#include "tests/support/MessageCapture.h"

namespace {

// Records what the runner asks of the panel; its answers are set per test.
class RecordingHost : public IStepRunnerHost {
public:
  struct Send {
    int channel;
    int onFlag;
    VoltageCode code;
    bool runEnabled;
  };

  explicit RecordingHost(QWidget *runButton) : m_runButton(runButton) {}

  bool SendVolt(int channel, int onFlag, VoltageCode &code) override {
    sends.push_back({channel, onFlag, code, m_runButton->isEnabled()});
    return results.empty() ? true : Next();
  }
  void ShowActualVolt(int channel, double volts) override {
    actual[channel] = volts;
    shown[channel] = crt::Format3fQ(volts);
  }
  void SetSamplingPeriod(int ms) override { periods.push_back(ms); }

  std::vector<Send> sends;
  std::vector<bool> results; // answers in order; empty: every call succeeds
  double actual[2] = {-1.0, -1.0};
  QString shown[2];
  std::vector<int> periods;

private:
  bool Next() {
    const bool result = results.front();
    results.erase(results.begin());
    return result;
  }
  QWidget *m_runButton;
};

class StepRunnerTest : public ::testing::Test {
protected:
  StepPanelFixture panel;
  RecordingHost host{panel.runButton};
  CStepRunner runner{panel.Controls(), host};
  MessageCapture messages;
};

TEST_F(StepRunnerTest, ElevenPressesWalkTenRowsAndWrap) {
  QStringList volts;
  for (int i = 1; i <= 10; ++i)
    volts.append(QString::number(i) + QStringLiteral(".5"));
  panel.SetVolts(volts);
  for (int press = 0; press < 11; ++press)
    runner.OnRunStep();
  ASSERT_EQ(host.sends.size(), 11U);
  for (int press = 0; press < 11; ++press) {
    const int row = press % 10;
    EXPECT_EQ(host.sends[press].code, VoltageCode::FromVolts(row + 1.5)) << press;
    EXPECT_EQ(host.sends[press].channel, 0);
    EXPECT_EQ(host.sends[press].onFlag, 1);
    EXPECT_FALSE(host.sends[press].runEnabled) << "Run stays disabled during the send";
  }
  EXPECT_EQ(panel.stepIndex, 1);
  EXPECT_EQ(host.shown[0], QStringLiteral("1.500"));
  EXPECT_TRUE(panel.runButton->isEnabled());
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepRunnerTest, CellsGiveCodesAndDisplays) {
  struct Case {
    const char *cell;
    VoltageCode code;
    const char *shown;
  };
  const Case cases[] = {
      {"", {0, 0}, "0.000"},        {" ", {0, 0}, "0.000"},          {"1.001", {10, 0}, "1.000"},
      {"12.5", {125, 0}, "12.500"}, {"-1.25", {-12, -50}, "-1.250"}, {"volts", {0, 0}, "0.000"},
  };
  for (const Case &c : cases) {
    panel.stepIndex = 0;
    panel.list->SetItemText(0, 2, QString::fromLatin1(c.cell));
    runner.OnRunStep();
    EXPECT_EQ(host.sends.back().code, c.code) << c.cell;
    EXPECT_EQ(host.sends.back().onFlag, 1) << c.cell;
    EXPECT_EQ(panel.voltCode[0], c.code) << c.cell;
    EXPECT_EQ(host.shown[0], QString::fromLatin1(c.shown)) << c.cell;
  }
}

TEST_F(StepRunnerTest, ShowsTheCodeTheLibraryReadsBack) {
  struct ReadBackHost : RecordingHost {
    using RecordingHost::RecordingHost;
    bool SendVolt(int channel, int onFlag, VoltageCode &code) override {
      RecordingHost::SendVolt(channel, onFlag, code);
      code = {49, 99};
      return true;
    }
  } readBack(panel.runButton);
  CStepRunner localRunner(panel.Controls(), readBack);
  panel.list->SetItemText(0, 2, QStringLiteral("5.000"));
  localRunner.OnRunStep();
  EXPECT_EQ(readBack.shown[0], QStringLiteral("4.999"));
  EXPECT_EQ(panel.voltCode[0], (VoltageCode{49, 99}));
}

TEST_F(StepRunnerTest, SendsOnChannelTwo) {
  panel.ch2Radio->setChecked(true);
  panel.list->SetItemText(0, 2, QStringLiteral("3.300"));
  runner.OnRunStep();
  ASSERT_EQ(host.sends.size(), 1U);
  EXPECT_EQ(host.sends[0].channel, 1);
  EXPECT_EQ(panel.voltCode[1], (VoltageCode{33, 0}));
  EXPECT_EQ(host.shown[1], QStringLiteral("3.300"));
  EXPECT_EQ(host.actual[0], -1.0);
}

TEST_F(StepRunnerTest, IndexBeyondAShortenedTableSendsNothing) {
  panel.stepIndex = 7;
  CStepTableEditor editor(panel.Controls());
  panel.mode->setCurrentIndex(1);
  editor.OnSelchangeMode();
  runner.OnRunStep();
  runner.OnRunStep();
  EXPECT_TRUE(host.sends.empty());
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(panel.stepIndex, 7);
  runner.OnChannelRadio();
  EXPECT_EQ(panel.stepIndex, 0);
  runner.OnRunStep();
  EXPECT_EQ(host.sends.size(), 1U);
}

TEST_F(StepRunnerTest, FailedSendRetriesTheSameRow) {
  panel.SetVolts({QStringLiteral("1.000"), QStringLiteral("2.000")});
  host.results = {false, true};
  runner.OnRunStep();
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Sending Error!")});
  EXPECT_EQ(panel.stepIndex, 0);
  EXPECT_TRUE(panel.runButton->isEnabled());
  EXPECT_EQ(panel.voltCode[0], (VoltageCode{10, 0}));
  EXPECT_EQ(host.actual[0], -1.0);
  runner.OnRunStep();
  ASSERT_EQ(host.sends.size(), 2U);
  EXPECT_EQ(host.sends[1].code, (VoltageCode{10, 0}));
  EXPECT_EQ(panel.stepIndex, 1);
}

TEST_F(StepRunnerTest, NoChannelChosen) {
  panel.ClearChannels();
  panel.stepIndex = 2;
  runner.OnRunStep();
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Please choose channel!")});
  EXPECT_TRUE(host.sends.empty());
  messages.Clear();
  runner.OnStopSteps();
  EXPECT_TRUE(host.sends.empty());
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(panel.stepIndex, 0);
}

TEST_F(StepRunnerTest, StepRadioGatesRun) {
  panel.stepRadio->setAutoExclusive(false);
  panel.stepRadio->setChecked(false);
  runner.OnRunStep();
  EXPECT_TRUE(host.sends.empty());
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(StepRunnerTest, StopOnChannelTwoZeroesBothCodesAndLeavesRunAlone) {
  panel.runButton->setEnabled(false);
  panel.voltCode[0] = {50, 0};
  panel.voltCode[1] = {30, 0};
  panel.stepIndex = 4;
  panel.ch2Radio->setChecked(true);
  runner.OnStopSteps();
  ASSERT_EQ(host.sends.size(), 1U);
  EXPECT_EQ(host.sends[0].channel, 1);
  EXPECT_EQ(host.sends[0].onFlag, 0);
  EXPECT_EQ(host.sends[0].code, (VoltageCode{0, 0}));
  EXPECT_EQ(panel.voltCode[0], (VoltageCode{0, 0}));
  EXPECT_EQ(panel.stepIndex, 0);
  EXPECT_EQ(host.shown[1], QStringLiteral("0.000"));
  EXPECT_FALSE(panel.runButton->isEnabled());
}

TEST_F(StepRunnerTest, FailedStopKeepsTheDisplay) {
  host.results = {false};
  panel.stepIndex = 4;
  runner.OnStopSteps();
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Sending Error!")});
  EXPECT_EQ(host.actual[0], -1.0);
  EXPECT_EQ(panel.stepIndex, 0);
}

} // namespace
