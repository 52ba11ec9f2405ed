// The library's five functions against the scpisim program on 127.0.0.1 (and on a
// pseudo-terminal for the serial link): what arrives, what comes back, and that no fault of the
// instrument holds a call longer than the bound.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "device/CDeviceStatus.h"
#include "device/CPwrio.h"
#include "tests/device/ScpiSimProcess.h"

namespace {

const char *const kVariables[] = {"PWRIO_BACKEND", "PWRIO_TIMEOUT_MS", "PWRIO_PROFILE",
                                  "PWRIO_CONFIG"};

// "INST:NSEL 1|OUTP ON" as the lines the instrument receives.
QStringList Lines(const QString &joined) {
  return joined.split(QLatin1Char('|'));
}

// Generous: the bound is 300 ms, the check only proves no call hangs.
constexpr qint64 kMaxCallMs = 1000;

class ScpiSupplyTest : public ::testing::Test {
protected:
  static void UnsetVariables() {
    for (const char *name : kVariables)
      qunsetenv(name);
  }
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    UnsetVariables();
    ASSERT_TRUE(m_pwrio.IsLoaded()) << m_pwrio.LoadError().toStdString();
  }
  void TearDown() override { UnsetVariables(); }

  // The library's latest status line.
  std::string Status() {
    m_status.ReadAvailable();
    return m_status.Text().toStdString();
  }
  std::string Where() const { return "tcp://127.0.0.1:" + std::to_string(m_sim.Port()) + ": "; }

  void StartSim(const QStringList &switches = {}) {
    ASSERT_TRUE(m_sim.Start(switches));
    qputenv("PWRIO_BACKEND", m_sim.Backend());
  }

  void UseProfile(const QByteArray &text) {
    const QString path = m_dir.filePath(QStringLiteral("p%1.profile").arg(++m_profiles));
    EXPECT_TRUE(testhelp::WriteFile(path, text));
    qputenv("PWRIO_PROFILE", QFile::encodeName(path));
  }

  // m_clock runs from the start of the latest call.
  bool Set(CPwrio::Channel channel, int onFlag, VoltageCode &code) {
    m_clock.start();
    return m_pwrio.SetVolt(channel, onFlag, code);
  }
  bool Search() {
    m_clock.start();
    return m_pwrio.dsoSearch() != 0;
  }

  QTemporaryDir m_dir;
  CDeviceStatus m_status;
  int m_profiles = 0;
  QElapsedTimer m_clock;
  ScpiSimProcess m_sim;
  CPwrio m_pwrio{QString::fromUtf8(PWRIO_TEST_LIBRARY)};
};

// Every set call selects and confirms the channel, then (for a variable output that goes on)
// sends and confirms the set point, switches the output, reads back and empties the error queue.
// A set point outside the range is not sent at all.
TEST_F(ScpiSupplyTest, SetPointsArriveAsScpiLinesAndTheReadBackLandsInThePair) {
  StartSim();
  ASSERT_TRUE(Search());
  struct Case {
    CPwrio::Channel channel;
    int onFlag;
    VoltageCode in;
    const char *between; // the lines between the selection and the read-back; null: none sent
    VoltageCode out;
  };
  const Case cases[] = {
      {CPwrio::kCh1, 1, {50, 5}, "VOLT 5.005|VOLT?|OUTP ON", {50, 5}},
      {CPwrio::kCh2, 1, {95, 0}, "VOLT 9.500|VOLT?|OUTP ON", {95, 0}},
      {CPwrio::kCh3, 1, {0, 0}, "OUTP ON", {50, 0}},
      {CPwrio::kCh4, 0, {0, 0}, "OUTP OFF", {0, 0}},
      {CPwrio::kCh1, 1, {95, 1}, nullptr, {95, 1}},
      {CPwrio::kCh2, 1, {0, -1}, nullptr, {0, -1}},
      {CPwrio::kCh1, 1, {2147483647, 99}, nullptr, {2147483647, 99}},
  };
  for (const Case &c : cases) {
    const QString lines =
        c.between ? QStringLiteral("INST:NSEL %1|INST:NSEL?|SYST:ERR?|%2|MEAS:VOLT?|SYST:ERR?")
                        .arg(c.channel + 1)
                        .arg(QLatin1String(c.between))
                  : QString();
    SCOPED_TRACE(testing::Message()
                 << c.in.first << ',' << c.in.second << ' ' << lines.toStdString());
    m_sim.ClearReceived();
    VoltageCode code = c.in;
    EXPECT_EQ(Set(c.channel, c.onFlag, code), c.between != nullptr);
    EXPECT_EQ(code, c.out);
    EXPECT_EQ(m_sim.Received(), c.between ? Lines(lines) : QStringList());
  }
}

// An instrument that does not do what it was told: the call fails, says why, and nothing
// after the failed confirmation reaches the instrument.
TEST_F(ScpiSupplyTest, UnconfirmedCommandsFailTheCallAndSayWhy) {
  struct Case {
    const char *fault; // scpisim switches
    const char *profile;
    int outMv;            // the pair after the call, as millivolts
    const char *status;   // in the status line after the call
    const char *received; // what the instrument got after the search
  };
  const Case cases[] = {
      {"--reject INST:NSEL", "select_query =\n", 5123,
       "CH2 not set: instrument error: -113,\"Undefined header\"",
       "SYST:ERR?|INST:NSEL 2|SYST:ERR?|SYST:ERR?"},
      {"--ignore-select", "", 5123,
       "CH2 not set: wrong channel: \"INST:NSEL?\" answered 1, expected 2",
       "SYST:ERR?|INST:NSEL 2|INST:NSEL?"},
      {"--offset-mv 100", "", 5123,
       "CH2 not set: set point not taken: VOLT? answered 5.223 V, sent 5.123 V",
       "SYST:ERR?|INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 5.123|VOLT?"},
      // Within the profile's resolution the set point counts as taken.
      {"--offset-mv 4", "resolution_mv = 5\n", 5127, "ready, KTX,SCPISIM,0,1.0",
       "SYST:ERR?|INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 5.123|VOLT?|OUTP ON|MEAS:VOLT?|SYST:ERR?"},
      {"--reject OUTP", "", 5123, "CH2 not set: instrument error: -113,\"Undefined header\"",
       "SYST:ERR?|INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 5.123|VOLT?|OUTP ON|MEAS:VOLT?|SYST:ERR?|"
       "SYST:ERR?"},
      {"--slow-ms 400", "", 5123, "CH2 not set: timeout: no answer to \"SYST:ERR?\" within 300 ms",
       "SYST:ERR?"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.fault) + " " + c.profile);
    qputenv("PWRIO_TIMEOUT_MS", "3001");
    StartSim(QString::fromLatin1(c.fault).split(u' '));
    UseProfile(c.profile);
    ASSERT_TRUE(Search()) << Status();
    // A new bound is a new configuration: the set call connects again and first empties the
    // error queue.
    qputenv("PWRIO_TIMEOUT_MS", "300");
    m_sim.ClearReceived();
    VoltageCode code{51, 23};
    EXPECT_EQ(Set(CPwrio::kCh2, 1, code), std::string(c.status).starts_with("ready"));
    EXPECT_EQ(code, (VoltageCode{c.outMv / 100, c.outMv % 100}));
    EXPECT_EQ(Status(), Where() + c.status);
    EXPECT_EQ(m_sim.Received(), Lines(QString::fromLatin1(c.received)));
  }
}

// Nothing but SCPI's four-field identity counts as an instrument unless the profile says ANY; a
// profile that insists on another maker says why the instrument is not the one.
TEST_F(ScpiSupplyTest, OnlyAnIdentityOfSCPIsShapeFindsTheInstrument) {
  StartSim();
  const std::pair<QByteArray, const char *> cases[] = {
      {"identify = INST:NSEL?\n",
       "device absent: bad reply: \"INST:NSEL?\" answered \"1\", not maker,model,serial,firmware"},
      {"identify = INST:NSEL?\nidn_shape = ANY\n", "ready, 1"},
      {"idn_contains = ACME\n",
       "device absent: wrong instrument: \"KTX,SCPISIM,0,1.0\" does not contain \"ACME\""},
  };
  for (const auto &[profile, status] : cases) {
    SCOPED_TRACE(profile.toStdString());
    UseProfile(profile);
    EXPECT_EQ(Search(), std::string(status).starts_with("ready"));
    EXPECT_EQ(Status(), Where() + status);
  }
}

// A restart between calls leaves a dead connection: the call notices before sending and
// connects again, so no call fails.
TEST_F(ScpiSupplyTest, RestartingTheInstrumentBetweenCallsFailsNoCall) {
  StartSim();
  ASSERT_TRUE(Search());
  ASSERT_TRUE(m_sim.Start({}, m_sim.Port())); // kills the running one first
  m_sim.ClearReceived();
  VoltageCode code{61, 5};
  EXPECT_TRUE(Set(CPwrio::kCh2, 1, code));
  EXPECT_EQ(code, (VoltageCode{61, 5}));
  EXPECT_EQ(m_sim.Received(),
            Lines(QStringLiteral("SYST:ERR?|INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 6.105|VOLT?|"
                                 "OUTP ON|MEAS:VOLT?|SYST:ERR?")));
}

TEST_F(ScpiSupplyTest, EveryFaultOfTheInstrumentFailsWithinTheBound) {
  const QStringList faults[] = {
      {QStringLiteral("--silent")}, {QStringLiteral("--garbage")},
      {QStringLiteral("--drop")},   {QStringLiteral("--no-eol")},
      {QStringLiteral("--flood")},  {QStringLiteral("--delay-ms"), QStringLiteral("700")}};
  for (const QStringList &fault : faults) {
    SCOPED_TRACE(fault.join(QLatin1Char(' ')).toStdString());
    StartSim(fault);
    EXPECT_FALSE(Search());
    EXPECT_LT(m_clock.elapsed(), kMaxCallMs);
    VoltageCode code{50, 0};
    EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
    EXPECT_LT(m_clock.elapsed(), kMaxCallMs);
    EXPECT_EQ(code, (VoltageCode{50, 0}));
    // The faults are in the answers: the questions did arrive.
    EXPECT_EQ(m_sim.Received().value(0), QStringLiteral("SYST:ERR?"));
  }
}

// The pseudo-terminal stands in for a serial port and, through the usbtmc backend, for a usbtmc
// device file that is no driver's (the link then waits with poll as it does on a port). The
// confirmed set point shows the lines went both ways.
TEST_F(ScpiSupplyTest, SerialAndUsbtmcLinksSpeakTheSameProfile) {
  ASSERT_TRUE(m_sim.Start({QStringLiteral("--pty")}));
  for (const QByteArray &backend : {m_sim.Backend(), "usbtmc:" + m_sim.Pty().toUtf8()}) {
    qputenv("PWRIO_BACKEND", backend);
    EXPECT_TRUE(Search()) << backend.toStdString();
    VoltageCode code{33, 3};
    EXPECT_TRUE(Set(CPwrio::kCh2, 1, code)) << backend.toStdString();
    EXPECT_EQ(code, (VoltageCode{33, 3}));
  }
}

// A configuration the library cannot use fails every call, and the status says why.
TEST_F(ScpiSupplyTest, UnusableConfigurationFailsEveryCallAndSaysWhy) {
  qputenv("PWRIO_BACKEND", "bluetooth:1");
  EXPECT_FALSE(Search());
  VoltageCode code{50, 0};
  EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
  EXPECT_EQ(Status(),
            "device library: CH1 not set: configuration error: unknown backend \"bluetooth:1\"");
}

} // namespace
