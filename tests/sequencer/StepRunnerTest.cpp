#include <optional>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "sequencer/CStepRunner.h"
#include "sequencer/IStepRunnerHost.h"
#include "tests/sequencer/StepPanelFixture.h"
#include "tests/support/MessageCapture.h"

namespace {

const char *const kVolts = "1.5 2.5 3.5 4.5 5.5 6.5 7.5 8.5 9.5 10.5";

// Records what the runner asks of the panel and answers every send with `sendOk`.
struct RecordingHost : IStepRunnerHost {
  struct Send {
    int channel;
    int onFlag;
    VoltageCode code;
    bool runEnabled;
  };
  explicit RecordingHost(QWidget *run) : runButton(run) {}
  bool SendVolt(int channel, int onFlag, VoltageCode &code) override {
    sends.push_back({channel, onFlag, code, runButton->isEnabled()});
    if (readBack)
      code = *readBack;
    return sendOk;
  }
  void ShowActualVolt(int channel, double volts) override { actual[channel] = volts; }
  void SetSamplingPeriod(int) override {}

  QWidget *runButton;
  bool sendOk = true;
  std::optional<VoltageCode> readBack;
  std::vector<Send> sends;
  double actual[2] = {-1.0, -1.0}; // -1: never shown
};

// One press of Run ('R') or Stop ('S') from a state (channel -1 for none, the index, the "Step"
// radio, the send's answer and the code the library reads back, {} for none): what is sent
// (channel -1 for nothing), the index after it, the message, the codes kept and the voltages
// shown (-1: none shown). The CH1 and CH2 codes start as (5, 0) and (7, 0).
TEST(StepRunner, RunAndStopFromEachState) {
  const VoltageCode none{};
  const struct {
    char press;
    int channel, index, step, ok;
    VoltageCode readBack;
    int sentChannel, on;
    VoltageCode sent;
    int indexAfter;
    const char *message;
    VoltageCode codes[2];
    double actual[2];
  } cases[] = {
      {'R', 0, 0, 1, 1, {}, 0, 1, {15, 0}, 1, "", {{15, 0}, {7, 0}}, {1.5, -1}},
      {'R', 1, 2, 1, 1, {}, 1, 1, {35, 0}, 3, "", {{5, 0}, {35, 0}}, {-1, 3.5}},
      {'R', 0, 10, 1, 1, {}, 0, 1, {15, 0}, 1, "", {{15, 0}, {7, 0}}, {1.5, -1}},
      {'R', 0, 11, 1, 1, {}, -1, 0, {}, 11, "", {{5, 0}, {7, 0}}, {-1, -1}},
      {'R', 0, 0, 1, 1, {49, 99}, 0, 1, {15, 0}, 1, "", {{49, 99}, {7, 0}}, {4.999, -1}},
      {'R', 0, 1, 1, 0, {}, 0, 1, {25, 0}, 1, "Sending Error!", {{25, 0}, {7, 0}}, {-1, -1}},
      {'R', -1, 2, 1, 1, {}, -1, 0, {}, 2, "Please choose channel!", {{5, 0}, {7, 0}}, {-1, -1}},
      {'R', 0, 2, 0, 1, {}, -1, 0, {}, 2, "", {{5, 0}, {7, 0}}, {-1, -1}},
      {'S', 1, 4, 1, 1, {}, 1, 0, {}, 0, "", {none, none}, {-1, 0.0}},
      {'S', 0, 4, 1, 0, {}, 0, 0, {}, 0, "Sending Error!", {none, none}, {-1, -1}},
      {'S', -1, 4, 1, 1, {}, -1, 0, {}, 0, "", {none, none}, {-1, -1}}};
  int row = 0;
  for (const auto &c : cases) {
    SCOPED_TRACE(row++);
    StepPanelFixture panel;
    panel.SetVolts(testhelp::Cells(kVolts));
    panel.table.SetStepChannel(static_cast<CStepTable::StepChannel>(c.channel));
    panel.stepIndex = c.index;
    panel.voltCode[0] = {5, 0};
    panel.voltCode[1] = {7, 0};
    panel.c.stepRadio->setChecked(c.step != 0);
    RecordingHost host(panel.c.runButton);
    host.sendOk = c.ok != 0;
    if (c.readBack != none)
      host.readBack = c.readBack;
    CStepRunner runner(panel.c, host);
    MessageCapture messages;
    c.press == 'S' ? runner.OnStopSteps() : runner.OnRunStep();

    ASSERT_EQ(host.sends.size(), c.sentChannel < 0 ? 0U : 1U);
    if (c.sentChannel >= 0) {
      const RecordingHost::Send &s = host.sends[0];
      EXPECT_EQ(std::tie(s.channel, s.onFlag, s.code), std::tie(c.sentChannel, c.on, c.sent));
      EXPECT_EQ(s.runEnabled, c.press == 'S') << "Run sends with its button disabled";
    }
    EXPECT_EQ(panel.stepIndex, c.indexAfter);
    EXPECT_EQ(messages.Texts().join(QString()), QString::fromLatin1(c.message));
    EXPECT_EQ(panel.voltCode[0], c.codes[0]);
    EXPECT_EQ(panel.voltCode[1], c.codes[1]);
    EXPECT_DOUBLE_EQ(host.actual[0], c.actual[0]);
    EXPECT_DOUBLE_EQ(host.actual[1], c.actual[1]);
    EXPECT_TRUE(panel.c.runButton->isEnabled());
  }
}

} // namespace
