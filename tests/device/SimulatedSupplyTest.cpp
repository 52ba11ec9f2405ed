// The simulated supply, reached through the real libPwrio as the panel reaches it.
#include <QElapsedTimer>

#include "device/CDeviceStatus.h"
#include "tests/device/PwrioSimFixture.h"
#include "tests/support/NonRegularFiles.h"

namespace {

constexpr const char *kSetNames[4] = {"dsoSetVolt_positive9_CH1", "dsoSetVolt_positive9_CH2",
                                      "dsoSetVolt_positive5_CH3", "dsoSetVolt_negative5_CH4"};

// Each set reads back its own output and leaves the other three as they were.
TEST_F(PwrioSimTest, SetReadsBackTheOutputOfEachChannel) {
  struct Case {
    CPwrio::Channel channel;
    int onFlag;
    VoltageCode sent;
    VoltageCode readBack;
  };
  const Case cases[] = {
      {CPwrio::kCh1, 1, {50, 0}, {50, 0}},   {CPwrio::kCh1, 1, {22, 99}, {22, 99}},
      {CPwrio::kCh1, 1, {6, 0}, {6, 0}},     {CPwrio::kCh2, 1, {90, 0}, {90, 0}},
      {CPwrio::kCh2, 1, {51, 23}, {51, 23}}, {CPwrio::kCh4, 1, {0, 0}, {50, 0}},
      {CPwrio::kCh1, 0, {0, 0}, {0, 0}},     {CPwrio::kCh3, 1, {0, 0}, {50, 0}},
      {CPwrio::kCh2, 0, {33, 5}, {0, 0}},    {CPwrio::kCh3, 1, {12, 34}, {50, 0}},
      {CPwrio::kCh3, 0, {0, 0}, {0, 0}},     {CPwrio::kCh4, 0, {0, 0}, {0, 0}},
  };
  Output expected[4] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "channel " << c.channel << " on " << c.onFlag << " sent "
                                    << c.sent.first << ',' << c.sent.second);
    VoltageCode code = c.sent;
    EXPECT_TRUE(m_pwrio.SetVolt(c.channel, c.onFlag, code));
    EXPECT_EQ(code, c.readBack);
    expected[c.channel] = {c.onFlag, c.readBack.first, c.readBack.second};
    for (int channel = 0; channel < 4; ++channel) {
      EXPECT_EQ(ReadOutput(channel), expected[channel]) << "CH" << channel + 1;
    }
  }
}

TEST_F(PwrioSimTest, BadArgumentsFailAndChangeNothing) {
  struct Case {
    const char *what;
    bool nullPair;
    int onFlag;
    int length;
  };
  const Case cases[] = {
      {"null pair", true, 1, 2},      {"length 3", false, 1, 3},  {"length 0", false, 1, 0},
      {"length 1", false, 0, 1},      {"on flag 2", false, 2, 2}, {"on flag -1", false, -1, 2},
      {"null pair, off", true, 0, 2},
  };
  for (int channel = 0; channel < 4; ++channel) {
    VoltageCode code{40, 0};
    ASSERT_TRUE(m_pwrio.SetVolt(static_cast<CPwrio::Channel>(channel), 1, code));
    const Output before = ReadOutput(channel);
    const PwrioSetVoltFn fn = RawSetVolt(kSetNames[channel]);
    ASSERT_NE(fn, nullptr);
    for (const Case &c : cases) {
      SCOPED_TRACE(testing::Message() << kSetNames[channel] << ", " << c.what);
      ClearLog();
      int pair[3] = {61, 7, 99};
      EXPECT_EQ(fn(0, c.onFlag, c.nullPair ? nullptr : pair, c.length), 0);
      EXPECT_EQ(pair[0], 61);
      EXPECT_EQ(pair[1], 7);
      EXPECT_EQ(ReadOutput(channel), before);
      const QStringList log = LogLines();
      ASSERT_EQ(log.size(), 1);
      EXPECT_TRUE(log[0].endsWith(QStringLiteral(" result=0 delay_ms=0 cause=bad_args")))
          << log[0].toStdString();
    }
  }
}

// The status line follows along: why the device is absent, why a set failed (kept through the
// next successful search), and ready again after a successful set.
TEST_F(PwrioSimTest, UnpluggedDeviceIsNotFoundAndRefusesSets) {
  CDeviceStatus status;
  const auto statusText = [&status] {
    status.ReadAvailable();
    return status.Text().toStdString();
  };
  EXPECT_NE(m_pwrio.dsoSearch(), 0) << "no control file means attached";

  WriteControl("attached=0\n");
  EXPECT_EQ(m_pwrio.dsoSearch(), 0);
  EXPECT_EQ(statusText(),
            "simulated supply: device absent: detached (the control file says attached=0)");
  VoltageCode code{50, 0};
  EXPECT_FALSE(m_pwrio.SetVolt(CPwrio::kCh3, 1, code));
  EXPECT_EQ(code, (VoltageCode{50, 0}));
  EXPECT_EQ(ReadOutput(2), (Output{0, 0, 0}));
  EXPECT_EQ(statusText(),
            "simulated supply: CH3 not set: detached (the control file says attached=0)");

  WriteControl("attached=1\n");
  EXPECT_NE(m_pwrio.dsoSearch(), 0);
  EXPECT_EQ(statusText(),
            "simulated supply: CH3 not set: detached (the control file says attached=0)");
  code = {0, 0};
  EXPECT_TRUE(m_pwrio.SetVolt(CPwrio::kCh3, 1, code));
  EXPECT_EQ(code, (VoltageCode{50, 0}));
  EXPECT_EQ(statusText(), "simulated supply: ready");

  // Unplugging does not switch anything off, and removing the file plugs the device back.
  WriteControl("attached=0\n");
  EXPECT_EQ(m_pwrio.dsoSearch(), 0);
  EXPECT_EQ(ReadOutput(2), (Output{1, 50, 0}));
  ASSERT_TRUE(QFile::remove(m_controlPath));
  EXPECT_NE(m_pwrio.dsoSearch(), 0);
}

// fail_next fails exactly that many set calls, each rewriting only its own line; searching uses
// none up, and while unplugged the failure is the unplugging's and the count stays.
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

  WriteControl("attached=0\nfail_next=1\n");
  EXPECT_FALSE(m_pwrio.SetVolt(CPwrio::kCh1, 1, code));
  EXPECT_EQ(ReadControl(), "attached=0\nfail_next=1\n");
}

// A reset line switches everything off before the call that reads it, unplugged or not, and is
// zeroed so it acts once; the state file follows.
TEST_F(PwrioSimTest, ResetLineSwitchesEveryOutputOffOnce) {
  struct Case {
    const char *before;
    bool setCh2; // the call that reads the line: a CH2 set to 7.000 V, else a search
    const char *after;
    Output ch1;
    Output ch2;
  };
  const Output off{0, 0, 0};
  const Output ch1On{1, 50, 0};
  const Case cases[] = {
      {"reset=1\n", false, "reset=0\n", off, off},
      {"attached=1\r\n reset = 1\r\n", true, "attached=1\r\nreset=0\r\n", off, {1, 70, 0}},
      {"reset=1\nattached=0\n", false, "reset=0\nattached=0\n", off, off},
      {"reset=0\n", false, "reset=0\n", ch1On, off},
      {"reset=yes\n", true, "reset=yes\n", ch1On, {1, 70, 0}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.before);
    ResetSupply();
    VoltageCode code{50, 0};
    ASSERT_TRUE(m_pwrio.SetVolt(CPwrio::kCh1, 1, code));
    WriteControl(c.before);
    code = {70, 0};
    const bool done = c.setCh2 ? m_pwrio.SetVolt(CPwrio::kCh2, 1, code) : m_pwrio.dsoSearch() != 0;
    EXPECT_EQ(done, !QByteArray(c.before).contains("attached=0"));
    EXPECT_EQ(ReadControl(), c.after);
    EXPECT_EQ(ReadOutput(0), c.ch1);
    EXPECT_EQ(ReadOutput(1), c.ch2);
  }
  EXPECT_EQ(testhelp::ReadFile(m_statePath),
            "CH1 on=1 pair=50,0\nCH2 on=1 pair=70,0\nCH3 on=0 pair=0,0\nCH4 on=0 pair=0,0\n");
}

TEST_F(PwrioSimTest, ControlFileLinesAreReadByTheDocumentedRules) {
  struct Case {
    const char *text;
    bool attached;
    bool setDone;
  };
  const Case cases[] = {
      {"", true, true},
      {"attached=0\n", false, false},
      {"attached=0", false, false},
      {"  attached = 0 \r\n", false, false},
      {"\tattached=0\t\n", false, false},
      {"attached=7\n", true, true},
      {"# attached=0\n", true, true},
      {"attached=no\n", true, true},
      {"attached=0x\n", true, true},
      {"attached=\n", true, true},
      {"Attached=0\n", true, true},
      {"attached 0\n", true, true},
      {"attached=0\nattached=1\n", true, true},
      {"attached=1\nattached=0\n", false, false},
      {"colour=red\nattached=0\n", false, false},
      {"fail_next=1\n", true, false},
      {"fail_next=-1\n", true, true},
      {"fail_next=one\n", true, true},
      {"delay_ms=-5\nfail_next=1\n", true, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    WriteControl(c.text);
    EXPECT_EQ(m_pwrio.dsoSearch() != 0, c.attached);
    VoltageCode code{55, 0};
    EXPECT_EQ(m_pwrio.SetVolt(CPwrio::kCh1, 1, code), c.setDone);
  }
}

TEST_F(PwrioSimTest, CallLogRecordsWhatWasSentAndWhatCameBack) {
  VoltageCode code{22, 99};
  ASSERT_NE(m_pwrio.dsoSearch(), 0);
  ASSERT_TRUE(m_pwrio.SetVolt(CPwrio::kCh1, 1, code));
  code = {0, 0};
  ASSERT_TRUE(m_pwrio.SetVolt(CPwrio::kCh4, 1, code));
  code = {0, 0};
  ASSERT_TRUE(m_pwrio.SetVolt(CPwrio::kCh2, 0, code));
  WriteControl("fail_next=1\n");
  code = {0, 0};
  ASSERT_FALSE(m_pwrio.SetVolt(CPwrio::kCh3, 1, code));
  WriteControl("attached=0\n");
  ASSERT_EQ(m_pwrio.dsoSearch(), 0);
  code = {90, 0};
  ASSERT_FALSE(m_pwrio.SetVolt(CPwrio::kCh2, 1, code));
  int pair[2] = {1, 2};
  ASSERT_EQ(RawSetVolt("dsoSetVolt_positive9_CH1")(5, 1, pair, 3), 0);
  ASSERT_EQ(RawSetVolt("dsoSetVolt_positive9_CH2")(0, 1, nullptr, 2), 0);

  const QStringList expected = {
      QStringLiteral("dsoSearch result=1 delay_ms=0"),
      QStringLiteral(
          "dsoSetVolt_positive9_CH1 reserved=0 on=1 len=2 in=22,99 out=22,99 result=1 delay_ms=0"),
      QStringLiteral(
          "dsoSetVolt_negative5_CH4 reserved=0 on=1 len=2 in=0,0 out=50,0 result=1 delay_ms=0"),
      QStringLiteral(
          "dsoSetVolt_positive9_CH2 reserved=0 on=0 len=2 in=0,0 out=0,0 result=1 delay_ms=0"),
      QStringLiteral("dsoSetVolt_positive5_CH3 reserved=0 on=1 len=2 in=0,0 out=0,0 result=0 "
                     "delay_ms=0 cause=fail_next"),
      QStringLiteral("dsoSearch result=0 delay_ms=0 cause=detached"),
      QStringLiteral("dsoSetVolt_positive9_CH2 reserved=0 on=1 len=2 in=90,0 out=90,0 result=0 "
                     "delay_ms=0 cause=detached"),
      QStringLiteral(
          "dsoSetVolt_positive9_CH1 reserved=5 on=1 len=3 in=- out=- result=0 delay_ms=0 "
          "cause=bad_args"),
      QStringLiteral("dsoSetVolt_positive9_CH2 reserved=0 on=1 len=2 in=- out=- result=0 "
                     "delay_ms=0 cause=bad_args"),
  };
  EXPECT_EQ(LogLines(), expected);
}

TEST_F(PwrioSimTest, NoLogVariableMeansNoLog) {
  qunsetenv("PWRIO_SIM_LOG");
  VoltageCode code{50, 0};
  EXPECT_TRUE(m_pwrio.SetVolt(CPwrio::kCh1, 1, code));
  EXPECT_FALSE(QFile::exists(m_logPath));
}

TEST_F(PwrioSimTest, FifosNamedForItsFilesAreNeverWaitedOn) {
  // Nobody opens the other ends: a plain open() of any of them would hold the call for ever.
  const char *const variables[] = {"PWRIO_SIM_CONTROL", "PWRIO_SIM_LOG", "PWRIO_CONFIG"};
  for (const char *variable : variables) {
    const QString fifo = m_dir.filePath(QString::fromLatin1(variable));
    ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
    qputenv(variable, QFile::encodeName(fifo));
  }
  VoltageCode code{50, 0};
  // As with no control file: attached, no failures.
  EXPECT_NE(m_pwrio.dsoSearch(), 0);
  EXPECT_TRUE(m_pwrio.SetVolt(CPwrio::kCh1, 1, code));
  EXPECT_EQ(ReadOutput(0), (Output{1, 50, 0}));
  qunsetenv("PWRIO_CONFIG");
  for (const char *variable : variables)
    EXPECT_EQ(testhelp::FileType(m_dir.filePath(QString::fromLatin1(variable))),
              static_cast<mode_t>(S_IFIFO));
}

TEST_F(PwrioSimTest, DelayHoldsEveryCallBack) {
  constexpr int kDelay = 120;
  WriteControl("delay_ms=120\n");
  QElapsedTimer timer;
  timer.start();
  EXPECT_NE(m_pwrio.dsoSearch(), 0);
  VoltageCode code{50, 0};
  EXPECT_TRUE(m_pwrio.SetVolt(CPwrio::kCh1, 1, code));
  // Only a lower bound: a loaded machine may take longer, never shorter.
  EXPECT_GE(timer.elapsed(), 2 * kDelay);
  const QStringList log = LogLines();
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0], QStringLiteral("dsoSearch result=1 delay_ms=120"));
  EXPECT_TRUE(log[1].endsWith(QStringLiteral(" result=1 delay_ms=120"))) << log[1].toStdString();
}

} // namespace
