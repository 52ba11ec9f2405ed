// The simulated supply, reached through the real libPwrio as the panel reaches it.
#include "device/CDeviceStatus.h"
#include "tests/device/PwrioSimFixture.h"
#include "tests/support/NonRegularFiles.h"

namespace {

// Each set reads back its own output and leaves the other three as they were.
TEST_F(PwrioSimTest, SetReadsBackTheOutputOfEachChannel) {
  struct Case {
    CPwrio::Channel channel;
    int onFlag;
    VoltageCode sent;
    VoltageCode readBack;
  };
  const Case cases[] = {{CPwrio::kCh1, 1, {22, 99}, {22, 99}}, {CPwrio::kCh2, 1, {90, 0}, {90, 0}},
                        {CPwrio::kCh4, 1, {0, 0}, {50, 0}},    {CPwrio::kCh1, 0, {0, 0}, {0, 0}},
                        {CPwrio::kCh3, 1, {12, 34}, {50, 0}},  {CPwrio::kCh2, 0, {33, 5}, {0, 0}}};
  Output expected[4] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "channel " << c.channel << " on " << c.onFlag);
    VoltageCode code = c.sent;
    EXPECT_TRUE(m_pwrio.SetVolt(c.channel, c.onFlag, code));
    EXPECT_EQ(code, c.readBack);
    expected[c.channel] = {c.onFlag, c.readBack.first, c.readBack.second};
    for (int channel = 0; channel < 4; ++channel)
      EXPECT_EQ(ReadOutput(channel), expected[channel]) << "CH" << channel + 1;
  }
}

// A bad pair, length or on flag fails the call, changes nothing and leaves the caller's pair.
TEST_F(PwrioSimTest, BadArgumentsFailAndChangeNothing) {
  VoltageCode code{40, 0};
  ASSERT_TRUE(m_pwrio.SetVolt(CPwrio::kCh4, 1, code));
  const Output before = ReadOutput(3);
  const PwrioSetVoltFn fn = RawSetVolt("dsoSetVolt_negative5_CH4");
  const std::tuple<bool, int, int> cases[] = {
      {true, 1, 2}, {false, 1, 3}, {false, 0, 1}, {false, 2, 2}, {false, -1, 2}};
  for (const auto &[nullPair, onFlag, length] : cases) {
    SCOPED_TRACE(testing::Message() << nullPair << ' ' << onFlag << ' ' << length);
    int pair[3] = {61, 7, 99};
    EXPECT_EQ(fn(0, onFlag, nullPair ? nullptr : pair, length), 0);
    EXPECT_EQ((VoltageCode{pair[0], pair[1]}), (VoltageCode{61, 7}));
    EXPECT_EQ(ReadOutput(3), before);
  }
}

// The status line follows along: why a set failed (kept through the next successful search), and
// ready again after a successful set. While unplugged the failure is the unplugging's and a
// fail_next count stays. Unplugging switches nothing off.
TEST_F(PwrioSimTest, UnpluggedDeviceIsNotFoundAndRefusesSets) {
  CDeviceStatus status;
  const auto statusText = [&status] {
    status.ReadAvailable();
    return status.Text().toStdString();
  };
  const std::string detached = "detached (the control file says attached=0)";
  WriteControl("attached=0\nfail_next=1\n");
  EXPECT_EQ(m_pwrio.dsoSearch(), 0);
  VoltageCode code{50, 0};
  EXPECT_FALSE(m_pwrio.SetVolt(CPwrio::kCh3, 1, code));
  EXPECT_EQ(ReadOutput(2), (Output{0, 0, 0}));
  EXPECT_EQ(ReadControl(), "attached=0\nfail_next=1\n"); // the count stays
  EXPECT_EQ(statusText(), "simulated supply: CH3 not set: " + detached);

  WriteControl("attached=1\n");
  EXPECT_NE(m_pwrio.dsoSearch(), 0);
  EXPECT_EQ(statusText(), "simulated supply: CH3 not set: " + detached);
  EXPECT_TRUE(m_pwrio.SetVolt(CPwrio::kCh3, 1, code));
  EXPECT_EQ(statusText(), "simulated supply: ready");

  WriteControl("attached=0\n");
  EXPECT_EQ(m_pwrio.dsoSearch(), 0);
  EXPECT_EQ(ReadOutput(2), (Output{1, 50, 0}));
}

// fail_next fails exactly that many set calls, each rewriting only its own line; searching uses
// none up.
TEST_F(PwrioSimTest, FailNextFailsExactlyThatManySetCalls) {
  const auto control = [](const char *count) {
    return "# bench setup\r\n" + QByteArray(count) + "\r\nattached=1\r\nunknown=x\r\ndelay_ms=0";
  };
  WriteControl(control("  fail_next = 2 "));
  EXPECT_NE(m_pwrio.dsoSearch(), 0);
  VoltageCode code{70, 0};
  for (const char *left : {"fail_next=1", "fail_next=0"}) {
    EXPECT_FALSE(m_pwrio.SetVolt(CPwrio::kCh2, 1, code)) << left;
    EXPECT_EQ(code, (VoltageCode{70, 0}));
    EXPECT_EQ(ReadControl(), control(left));
  }
  EXPECT_EQ(ReadOutput(1), (Output{0, 0, 0}));
  EXPECT_TRUE(m_pwrio.SetVolt(CPwrio::kCh2, 1, code));
  EXPECT_EQ(ReadOutput(1), (Output{1, 70, 0}));
}

// Keys and values are trimmed, the last line of a key wins, anything else is ignored. A negative
// delay is no delay and stops nothing after it.
TEST_F(PwrioSimTest, ControlFileLinesAreReadByTheDocumentedRules) {
  const auto outcome = [this](const char *text) {
    WriteControl(text);
    VoltageCode code{55, 0};
    return std::pair{m_pwrio.dsoSearch() != 0, m_pwrio.SetVolt(CPwrio::kCh1, 1, code)};
  };
  // Unplugged, both calls fail.
  for (const char *text : {"attached=0", "\tattached = 0 \r\n", "colour=red\nattached=0\n"})
    EXPECT_EQ(outcome(text), std::pair(false, false)) << text;
  for (const char *text : {"attached=7\n", "# attached=0\n", "attached=0x\n", "Attached=0\n",
                           "attached=0\nattached=1\n", "fail_next=one\n"})
    EXPECT_EQ(outcome(text), std::pair(true, true)) << text;
  EXPECT_EQ(outcome("delay_ms=-5\nfail_next=1\n"), std::pair(true, false));
}

TEST_F(PwrioSimTest, CallLogRecordsWhatWasSentAndWhatCameBack) {
  VoltageCode code{0, 0};
  ASSERT_TRUE(m_pwrio.SetVolt(CPwrio::kCh4, 1, code));
  WriteControl("fail_next=1\ndelay_ms=20\n");
  ASSERT_FALSE(m_pwrio.SetVolt(CPwrio::kCh3, 0, code));
  WriteControl("attached=0\n");
  ASSERT_EQ(m_pwrio.dsoSearch(), 0);
  int pair[2] = {1, 2};
  ASSERT_EQ(RawSetVolt("dsoSetVolt_positive9_CH2")(5, 1, pair, 3), 0);
  const QStringList expected = {
      QStringLiteral("dsoSetVolt_negative5_CH4 reserved=0 on=1 len=2 in=0,0 out=50,0 result=1 "
                     "delay_ms=0"),
      QStringLiteral("dsoSetVolt_positive5_CH3 reserved=0 on=0 len=2 in=50,0 out=50,0 result=0 "
                     "delay_ms=20 cause=fail_next"),
      QStringLiteral("dsoSearch result=0 delay_ms=0 cause=detached"),
      QStringLiteral("dsoSetVolt_positive9_CH2 reserved=5 on=1 len=3 in=- out=- result=0 "
                     "delay_ms=0 cause=bad_args")};
  EXPECT_EQ(LogLines(), expected);
}

TEST_F(PwrioSimTest, FifosNamedForItsFilesAreNeverWaitedOn) {
  // Nobody opens the other ends: a plain open() of any of them would hold the call for ever.
  const char *const variables[] = {"PWRIO_SIM_CONTROL", "PWRIO_SIM_LOG", "PWRIO_CONFIG"};
  for (const char *variable : variables) {
    const QString fifo = m_dir.filePath(QString::fromLatin1(variable));
    ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
    qputenv(variable, QFile::encodeName(fifo));
  }
  // As with no control file: attached, no failures.
  EXPECT_NE(m_pwrio.dsoSearch(), 0);
  VoltageCode code{50, 0};
  EXPECT_TRUE(m_pwrio.SetVolt(CPwrio::kCh1, 1, code));
  EXPECT_EQ(ReadOutput(0), (Output{1, 50, 0}));
  qunsetenv("PWRIO_CONFIG");
  for (const char *variable : variables)
    EXPECT_EQ(testhelp::FileType(m_dir.filePath(QString::fromLatin1(variable))),
              static_cast<mode_t>(S_IFIFO));
}

} // namespace
