// The panel's own paths against a real SCPI peer: our instrument simulator program on
// 127.0.0.1, reached through the device library's TCP backend.
#include <QCoreApplication>

#include "resources/ControlIds.h"
#include "tests/device/ScpiSimProcess.h"
#include "tests/panel/PanelFixture.h"

namespace {

class ScpiPanel : public PanelFixture {
protected:
  void SetUp() override {
    qunsetenv("PWRIO_CONFIG");
    qunsetenv("PWRIO_PROFILE");
    qputenv("PWRIO_TIMEOUT_MS", "300");
    ASSERT_TRUE(m_sim.Start({}));
    qputenv("PWRIO_BACKEND", m_sim.Backend());
    PanelFixture::SetUp();
  }
  void TearDown() override {
    qunsetenv("PWRIO_BACKEND");
    qunsetenv("PWRIO_TIMEOUT_MS");
    m_sim.Kill();
    PanelFixture::TearDown();
  }
  // What the instrument received, without the watch's presence probes and the error queue
  // emptied when a connection is made.
  QStringList Commands() const {
    QStringList lines = m_sim.Received();
    lines.removeAll(QStringLiteral("*IDN?"));
    if (lines.value(0) == QStringLiteral("SYST:ERR?"))
      lines.removeFirst();
    return lines;
  }

  ScpiSimProcess m_sim;
};

TEST_F(ScpiPanel, OkAndOffSendTheirLinesAndShowTheReadBack) {
  Click(ctl::kCh1Switch);
  EXPECT_TRUE(Commands().isEmpty()) << "switching on sends nothing";
  SetText(ctl::kCh1Set, "5.0");
  Click(ctl::kCh1Ok);
  EXPECT_EQ(Commands(), QStringLiteral("INST:NSEL 1|INST:NSEL?|SYST:ERR?|VOLT 5.000|VOLT?|OUTP "
                                       "ON|MEAS:VOLT?|SYST:ERR?")
                            .split(u'|'));
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("5.000"));
  m_sim.ClearReceived();
  Click(ctl::kCh1Switch);
  EXPECT_EQ(
      Commands(),
      QStringLiteral("INST:NSEL 1|INST:NSEL?|SYST:ERR?|OUTP OFF|MEAS:VOLT?|SYST:ERR?").split(u'|'));
  EXPECT_EQ(Text(ctl::kCh1Actual), QStringLiteral("0.000"));
}

// The library's fault modes each fail a set call (its own tests); here a slow instrument shows
// that the watch's handler returns while its probe waits, and that a tick meanwhile starts no
// second probe.
TEST_F(ScpiPanel, SlowInstrumentHoldsOnlyTheWatchsOwnThread) {
  m_view->KillTimer(3);
  ASSERT_TRUE(m_sim.Start({QStringLiteral("--delay-ms"), QStringLiteral("2000")}));
  qputenv("PWRIO_BACKEND", m_sim.Backend());
  m_sim.ClearReceived();
  MessageCapture messages;
  m_view->OnDeviceWatch();
  EXPECT_TRUE(m_view->DeviceWatchBusy()) << "a slow instrument";
  m_view->OnDeviceWatch();
  ASSERT_TRUE(m_view->WaitForDeviceWatch());
  QCoreApplication::processEvents();
  EXPECT_EQ(messages.Texts().size(), 1);
  EXPECT_EQ(m_sim.Received().count(QStringLiteral("SYST:ERR?")), 1) << "one probe only";
}

} // namespace
