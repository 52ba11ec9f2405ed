// The library's five functions against the scpisim program on 127.0.0.1 (and on a
// pseudo-terminal for the serial link): what arrives, what comes back, and that no fault of the
// instrument holds a call longer than the bound.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "device/CDeviceStatus.h"
#include "device/CPwrio.h"
#include "tests/device/ScpiSimProcess.h"

namespace {

const char *const kVariables[] = {"PWRIO_BACKEND", "PWRIO_TIMEOUT_MS", "PWRIO_PROFILE",
                                  "PWRIO_CONFIG", "PWRIO_SIM_LOG"};

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

  QString WriteFile(const QString &name, const QByteArray &text) {
    const QString path = m_dir.filePath(name);
    EXPECT_TRUE(testhelp::WriteFile(path, text));
    return path;
  }
  void UseProfile(const QByteArray &text) {
    const QString name = QStringLiteral("p%1.profile").arg(++m_profiles);
    qputenv("PWRIO_PROFILE", QFile::encodeName(WriteFile(name, text)));
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
      {CPwrio::kCh1, 1, {51, 23}, "VOLT 5.123|VOLT?|OUTP ON", {51, 23}},
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

// The pair shows what the instrument says, not what was sent: a profile that reads CH2 back
// after setting CH1 proves it. An answer that is no voltage fails and leaves the pair alone.
TEST_F(ScpiSupplyTest, PairHoldsTheInstrumentsAnswerAndFailureLeavesItAlone) {
  StartSim();
  VoltageCode code{72, 50};
  ASSERT_TRUE(Set(CPwrio::kCh2, 1, code));
  UseProfile("read_voltage = INST:NSEL 2;MEAS:VOLT?\n");
  code = {50, 0};
  EXPECT_TRUE(Set(CPwrio::kCh1, 1, code));
  EXPECT_EQ(code, (VoltageCode{72, 50}));
  UseProfile("read_voltage = *IDN?\n");
  code = {50, 0};
  EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
  EXPECT_EQ(code, (VoltageCode{50, 0}));
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

// Nothing but SCPI's four-field identity counts as an instrument unless the profile says ANY.
TEST_F(ScpiSupplyTest, OnlyAnIdentityOfSCPIsShapeFindsTheInstrument) {
  StartSim();
  const std::pair<QByteArray, const char *> cases[] = {
      {"identify = INST:NSEL?\n",
       "device absent: bad reply: \"INST:NSEL?\" answered \"1\", not maker,model,serial,firmware"},
      {"identify = INST:NSEL?\nidn_shape = ANY\n", "ready, 1"},
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
TEST_F(ScpiSupplyTest, KillingTheInstrumentFailsCallsAndRestartingBringsItBack) {
  StartSim();
  ASSERT_TRUE(Search());
  const int port = m_sim.Port();
  m_sim.Kill();
  EXPECT_FALSE(Search());
  VoltageCode code{50, 0};
  EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
  EXPECT_LT(m_clock.elapsed(), kMaxCallMs);

  ASSERT_TRUE(m_sim.Start({}, port));
  EXPECT_TRUE(Search());
  m_sim.Kill();
  ASSERT_TRUE(m_sim.Start({}, port));
  m_sim.ClearReceived();
  code = {61, 5};
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

// A listener whose queue is full never completes a connect: the host "does not answer".
TEST_F(ScpiSupplyTest, ConnectToAHostThatDoesNotAnswerIsBounded) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 0), 0);
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length), 0);
  int fillers[4];
  for (int &fd : fillers) {
    fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
  }
  qputenv("PWRIO_BACKEND", "tcp://127.0.0.1:" + QByteArray::number(ntohs(address.sin_port)));
  EXPECT_FALSE(Search());
  EXPECT_LT(m_clock.elapsed(), kMaxCallMs);
  for (const int fd : fillers)
    ::close(fd);
  ::close(listener);
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

// The profile is looked for beside the configuration file; one that insists on another maker
// shows it was read, and the status says why the instrument is not the one.
TEST_F(ScpiSupplyTest, ConfigurationFileNamesTheInstrumentAndItsProfile) {
  StartSim();
  qunsetenv("PWRIO_BACKEND");
  WriteFile(QStringLiteral("acme.profile"), "idn_contains = ACME\n");
  const QString conf = WriteFile(QStringLiteral("acme.conf"),
                                 "backend = " + m_sim.Backend() + "\nprofile = acme.profile\n");
  qputenv("PWRIO_CONFIG", QFile::encodeName(conf));
  EXPECT_FALSE(Search());
  EXPECT_EQ(m_sim.Received(), Lines(QStringLiteral("SYST:ERR?|*IDN?")));
  EXPECT_EQ(Status(), Where() + "device absent: wrong instrument: \"KTX,SCPISIM,0,1.0\" does not "
                                "contain \"ACME\"");
}

TEST_F(ScpiSupplyTest, UnusableConfigurationFailsEveryCallAndSaysWhy) {
  const QString log = m_dir.filePath(QStringLiteral("calls.log"));
  qputenv("PWRIO_SIM_LOG", QFile::encodeName(log));
  struct Case {
    QByteArray backend;
    QByteArray profile;
    QByteArray why;
    std::string where;
  };
  const Case cases[] = {
      {"bluetooth:1", "", "unknown backend", "device library"},
      {"tcp://127.0.0.1:5025", "/nonexistent.profile", "/nonexistent.profile: cannot be read",
       "tcp://127.0.0.1:5025"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.backend.toStdString());
    QFile::remove(log);
    qputenv("PWRIO_BACKEND", c.backend);
    qputenv("PWRIO_PROFILE", c.profile);
    EXPECT_FALSE(Search());
    VoltageCode code{50, 0};
    EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
    const QByteArray text = testhelp::ReadFile(log);
    EXPECT_TRUE(text.startsWith("config error=\"") && text.contains(c.why) &&
                text.contains("cause=bad_config"))
        << text.toStdString();
    EXPECT_EQ(Status().find(c.where + ": CH1 not set: configuration error: "), 0u) << Status();
    EXPECT_NE(Status().find(c.why.toStdString()), std::string::npos) << Status();
  }
}

} // namespace
