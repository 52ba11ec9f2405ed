// The library's five functions against the scpisim program on 127.0.0.1 (and on a
// pseudo-terminal for the serial link): what arrives, what comes back, and that no fault of the
// instrument holds a call longer than the bound.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "device/CPwrio.h"
#include "tests/device/ScpiSimProcess.h"

namespace {

const char *const kVariables[] = {"PWRIO_BACKEND", "PWRIO_TIMEOUT_MS", "PWRIO_PROFILE",
                                  "PWRIO_CONFIG",  "PWRIO_SIM_LOG",    "PWRIO_STATUS_FD"};

// "INST:NSEL 1|OUTP ON" as the lines the instrument receives.
QStringList Lines(const QString &joined) {
  return joined.split(QLatin1Char('|'));
}

// CH2 to 5.123 V with the generic profile: selection confirmed, set point confirmed before
// the output goes on, the error queue empty at the end.
constexpr const char *kSetCh2 =
    "INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 5.123|VOLT?|OUTP ON|MEAS:VOLT?|SYST:ERR?";

// Generous: the bound is 300 ms, the check only proves no call hangs.
constexpr qint64 kMaxCallMs = 1000;

class ScpiSupplyTest : public ::testing::Test {
protected:
  static void UnsetVariables() {
    for (const char *name : kVariables) {
      qunsetenv(name);
    }
  }
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    UnsetVariables();
    ASSERT_TRUE(m_pwrio.IsLoaded()) << m_pwrio.LoadError().toStdString();
    ASSERT_EQ(::pipe2(m_status, O_NONBLOCK | O_CLOEXEC), 0);
    qputenv("PWRIO_STATUS_FD", QByteArray::number(m_status[1]));
  }
  void TearDown() override {
    UnsetVariables();
    ::close(m_status[0]);
    ::close(m_status[1]);
  }

  // The library's latest status line: the last complete one it wrote into the status pipe.
  std::string Status() {
    char buffer[4096];
    for (long n = 0; (n = ::read(m_status[0], buffer, sizeof buffer)) > 0;) {
      m_statusText.append(buffer, static_cast<std::size_t>(n));
    }
    const std::string done = m_statusText.substr(0, m_statusText.rfind('\n') + 1);
    const std::string head = done.empty() ? done : done.substr(0, done.size() - 1);
    return head.substr(head.rfind('\n') + 1);
  }

  void StartSim(const QStringList &switches = {}) {
    ASSERT_TRUE(m_sim.Start(switches));
    qputenv("PWRIO_BACKEND", m_sim.Backend());
  }

  QString WriteFile(const QString &name, const QByteArray &text) {
    const QString path = m_dir.filePath(name);
    EXPECT_TRUE(testhelp::WriteFile(path, text));
    return path;
  }

  // One call of the library, its time in *ms when asked.
  template <typename Call> static auto Timed(Call call, qint64 *ms) {
    QElapsedTimer timer;
    timer.start();
    const auto result = call();
    if (ms) {
      *ms = timer.elapsed();
    }
    return result;
  }
  bool Set(CPwrio::Channel channel, int onFlag, VoltageCode &code, qint64 *ms = nullptr) {
    return Timed([&] { return m_pwrio.SetVolt(channel, onFlag, code); }, ms);
  }
  int Search(qint64 *ms = nullptr) {
    return Timed([this] { return m_pwrio.dsoSearch(); }, ms);
  }

  QTemporaryDir m_dir;
  int m_status[2] = {-1, -1};
  std::string m_statusText;
  ScpiSimProcess m_sim;
  CPwrio m_pwrio{QString::fromUtf8(PWRIO_TEST_LIBRARY)};
};

// Every set call selects and confirms the channel, then (for a variable output that goes on)
// sends and confirms the set point, switches the output, reads back and empties the error queue.
TEST_F(ScpiSupplyTest, SetPointsArriveAsScpiLinesAndTheReadBackLandsInThePair) {
  StartSim();
  ASSERT_NE(Search(), 0);
  struct Case {
    CPwrio::Channel channel;
    int onFlag;
    VoltageCode in;
    const char *between; // the lines between the selection and the read-back
    VoltageCode out;
  };
  const Case cases[] = {
      {CPwrio::kCh1, 1, {51, 23}, "VOLT 5.123|VOLT?|OUTP ON", {51, 23}},
      {CPwrio::kCh1, 1, {95, 0}, "VOLT 9.500|VOLT?|OUTP ON", {95, 0}},
      {CPwrio::kCh2, 1, {6, 0}, "VOLT 0.600|VOLT?|OUTP ON", {6, 0}},
      {CPwrio::kCh2, 1, {90, 0}, "VOLT 9.000|VOLT?|OUTP ON", {90, 0}},
      {CPwrio::kCh3, 1, {0, 0}, "OUTP ON", {50, 0}},
      {CPwrio::kCh4, 1, {0, 0}, "OUTP ON", {50, 0}},
      {CPwrio::kCh4, 0, {0, 0}, "OUTP OFF", {0, 0}},
      {CPwrio::kCh1, 0, {0, 0}, "OUTP OFF", {0, 0}},
  };
  for (const Case &c : cases) {
    const QString lines =
        QStringLiteral("INST:NSEL %1|INST:NSEL?|SYST:ERR?|%2|MEAS:VOLT?|SYST:ERR?")
            .arg(c.channel + 1)
            .arg(QLatin1String(c.between));
    SCOPED_TRACE(lines.toStdString());
    m_sim.ClearReceived();
    VoltageCode code = c.in;
    EXPECT_TRUE(Set(c.channel, c.onFlag, code));
    EXPECT_EQ(code, c.out);
    EXPECT_EQ(m_sim.Received(), Lines(lines));
  }
}

// The pair shows what the instrument says, not what was sent: a profile that reads CH2 back
// after setting CH1 proves it.
TEST_F(ScpiSupplyTest, PairHoldsTheInstrumentsAnswerAndFailureLeavesItAlone) {
  StartSim();
  VoltageCode ch2{72, 50};
  ASSERT_TRUE(Set(CPwrio::kCh2, 1, ch2));

  const QString cross =
      WriteFile(QStringLiteral("cross.profile"), "read_voltage = INST:NSEL 2;MEAS:VOLT?\n");
  qputenv("PWRIO_PROFILE", QFile::encodeName(cross));
  VoltageCode code{50, 0};
  EXPECT_TRUE(Set(CPwrio::kCh1, 1, code));
  EXPECT_EQ(code, (VoltageCode{72, 50}));

  // A read-back that names its channel reads that channel whatever is selected.
  qputenv("PWRIO_PROFILE",
          QFile::encodeName(WriteFile(QStringLiteral("list.profile"),
                                      "read_voltage = MEAS:VOLT? (@{channel})\n")));
  m_sim.ClearReceived();
  code = {61, 0};
  EXPECT_TRUE(Set(CPwrio::kCh1, 1, code)) << Status();
  EXPECT_EQ(code, (VoltageCode{61, 0}));
  EXPECT_TRUE(m_sim.Received().contains(QStringLiteral("MEAS:VOLT? (@1)")));

  // An answer that is no voltage fails the call and leaves the caller's pair as it was.
  qputenv("PWRIO_PROFILE",
          QFile::encodeName(WriteFile(QStringLiteral("idn.profile"), "read_voltage = *IDN?\n")));
  code = {50, 0};
  EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
  EXPECT_EQ(code, (VoltageCode{50, 0}));
}

TEST_F(ScpiSupplyTest, SetPointsOutsideTheRangeAreNotSent) {
  StartSim();
  ASSERT_NE(Search(), 0);
  const VoltageCode bad[] = {{95, 1}, {-1, 0}, {0, -1}, {2147483647, 99}};
  for (const VoltageCode &in : bad) {
    SCOPED_TRACE(std::to_string(in.first) + "," + std::to_string(in.second));
    m_sim.ClearReceived();
    VoltageCode code = in;
    EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
    EXPECT_EQ(code, in);
    EXPECT_TRUE(m_sim.Received().isEmpty());
  }
}

// An instrument that does not do what it was told: the call fails, says why, and nothing
// after the failed confirmation reaches the instrument.
TEST_F(ScpiSupplyTest, UnconfirmedCommandsFailTheCallAndSayWhy) {
  struct Case {
    const char *fault; // scpisim switches
    const char *profile;
    const char *timeoutMs;
    bool done;
    int outMv;            // the pair after the call, as millivolts
    const char *status;   // in the status line after the call
    const char *received; // what the instrument got after the search
  };
  const Case cases[] = {
      {"--reject INST:NSEL", "select_query =\n", "300", false, 5123,
       "CH2 not set: instrument error: -113,\"Undefined header\"",
       "INST:NSEL 2|SYST:ERR?|SYST:ERR?"},
      {"--ignore-select", "", "300", false, 5123,
       "CH2 not set: wrong channel: \"INST:NSEL?\" answered 1, expected 2",
       "INST:NSEL 2|INST:NSEL?"},
      {"--offset-mv 100", "", "300", false, 5123,
       "CH2 not set: set point not taken: VOLT? answered 5.223 V, sent 5.123 V",
       "INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 5.123|VOLT?"},
      {"--offset-mv 4", "resolution_mv = 5\n", "300", true, 5127, "ready, KTX,SCPISIM,0,1.0",
       kSetCh2},
      {"--reject OUTP", "", "300", false, 5123,
       "CH2 not set: instrument error: -113,\"Undefined header\"",
       "INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 5.123|VOLT?|OUTP ON|MEAS:VOLT?|SYST:ERR?|SYST:ERR?"},
      {"--reject VOLT", "read_setpoint =\n", "300", false, 5123,
       "CH2 not set: instrument error: -113,\"Undefined header\"",
       "INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT 5.123|OUTP ON|MEAS:VOLT?|SYST:ERR?|SYST:ERR?"},
      {"--slow-ms 20", "", "3000", true, 5123, "ready, KTX,SCPISIM,0,1.0", kSetCh2},
      {"--slow-ms 400", "", "300", false, 5123,
       "CH2 not set: timeout: no answer to \"SYST:ERR?\" within 300 ms", ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.fault) + " " + c.profile);
    qputenv("PWRIO_TIMEOUT_MS", "3001");
    StartSim(QString::fromLatin1(c.fault).split(u' '));
    qputenv("PWRIO_PROFILE",
            QFile::encodeName(WriteFile(QStringLiteral("case.profile"), c.profile)));
    ASSERT_NE(Search(), 0) << Status();
    // A new bound is a new configuration: the set call connects again and first empties the
    // error queue.
    qputenv("PWRIO_TIMEOUT_MS", c.timeoutMs);
    m_sim.ClearReceived();
    VoltageCode code{51, 23};
    EXPECT_EQ(Set(CPwrio::kCh2, 1, code), c.done);
    EXPECT_EQ(code, (VoltageCode{c.outMv / 100, c.outMv % 100}));
    EXPECT_EQ(Status(), "tcp://127.0.0.1:" + std::to_string(m_sim.Port()) + ": " + c.status);
    EXPECT_EQ(m_sim.Received(),
              Lines(QString::fromStdString(std::string("SYST:ERR?") + (*c.received ? "|" : "") +
                                           c.received)));
  }
}

// Nothing but SCPI's four-field identity counts as an instrument unless the profile says ANY.
TEST_F(ScpiSupplyTest, OnlyAnIdentityOfSCPIsShapeFindsTheInstrument) {
  StartSim();
  struct Case {
    QByteArray profile;
    bool found;
    const char *status;
  };
  const Case cases[] = {
      {"", true, "ready, KTX,SCPISIM,0,1.0"},
      {"identify = INST:NSEL?\n", false,
       "device absent: bad reply: \"INST:NSEL?\" answered \"1\", not maker,model,serial,firmware"},
      {"identify = INST:NSEL?\nidn_shape = ANY\n", true, "ready, 1"},
      {"idn_contains = ACME\n", false,
       "device absent: wrong instrument: \"KTX,SCPISIM,0,1.0\" does not contain \"ACME\""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.profile.toStdString());
    const QString name = QStringLiteral("idn%1.profile").arg(&c - cases);
    qputenv("PWRIO_PROFILE", QFile::encodeName(WriteFile(name, c.profile)));
    EXPECT_EQ(Search() != 0, c.found);
    EXPECT_EQ(Status(), "tcp://127.0.0.1:" + std::to_string(m_sim.Port()) + ": " + c.status);
  }
}

TEST_F(ScpiSupplyTest, KillingTheInstrumentFailsSearchAndRestartingBringsItBack) {
  StartSim();
  ASSERT_NE(Search(), 0);
  const int port = m_sim.Port();
  m_sim.Kill();
  qint64 ms = 0;
  EXPECT_EQ(Search(&ms), 0);
  EXPECT_LT(ms, kMaxCallMs);
  VoltageCode code{50, 0};
  EXPECT_FALSE(Set(CPwrio::kCh1, 1, code, &ms));
  EXPECT_LT(ms, kMaxCallMs);

  ASSERT_TRUE(m_sim.Start({}, port));
  EXPECT_NE(Search(&ms), 0);
  EXPECT_LT(ms, kMaxCallMs);
  EXPECT_TRUE(Set(CPwrio::kCh1, 1, code));
  EXPECT_EQ(code, (VoltageCode{50, 0}));

  // A restart between calls leaves a dead connection: the call notices before sending and
  // connects again, so no call fails.
  m_sim.Kill();
  ASSERT_TRUE(m_sim.Start({}, port));
  EXPECT_NE(Search(), 0);
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
    qint64 ms = 0;
    EXPECT_EQ(Search(&ms), 0);
    EXPECT_LT(ms, kMaxCallMs);
    VoltageCode code{50, 0};
    EXPECT_FALSE(Set(CPwrio::kCh1, 1, code, &ms));
    EXPECT_LT(ms, kMaxCallMs);
    EXPECT_EQ(code, (VoltageCode{50, 0}));
    // The faults are in the answers: the questions did arrive.
    EXPECT_EQ(m_sim.Received().value(0), QStringLiteral("SYST:ERR?"));
  }
}

TEST_F(ScpiSupplyTest, BoundComesFromTheConfiguration) {
  StartSim({QStringLiteral("--delay-ms"), QStringLiteral("150")});
  qputenv("PWRIO_TIMEOUT_MS", "60");
  qint64 ms = 0;
  EXPECT_EQ(Search(&ms), 0);
  EXPECT_GE(ms, 50);
  EXPECT_LT(ms, kMaxCallMs);

  qputenv("PWRIO_TIMEOUT_MS", "2000");
  EXPECT_NE(Search(&ms), 0);
  EXPECT_GE(ms, 140);
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
  qint64 ms = 0;
  EXPECT_EQ(Search(&ms), 0);
  EXPECT_LT(ms, kMaxCallMs);
  for (const int fd : fillers) {
    ::close(fd);
  }
  ::close(listener);
}

// The pseudo-terminal stands in for a serial port and, through the usbtmc backend, for a usbtmc
// device file that is no driver's (the link then waits with poll as it does on a port).
TEST_F(ScpiSupplyTest, SerialAndUsbtmcLinksSpeakTheSameProfile) {
  ASSERT_TRUE(m_sim.Start({QStringLiteral("--pty")}));
  const QByteArray backends[] = {m_sim.Backend(), "usbtmc:" + m_sim.Pty().toUtf8(),
                                 "ASRL" + m_sim.Pty().toUtf8() + "::INSTR"};
  for (const QByteArray &backend : backends) {
    SCOPED_TRACE(backend.toStdString());
    qputenv("PWRIO_BACKEND", backend);
    m_sim.ClearReceived();
    ASSERT_NE(Search(), 0);
    VoltageCode code{33, 3};
    EXPECT_TRUE(Set(CPwrio::kCh2, 1, code));
    EXPECT_EQ(code, (VoltageCode{33, 3}));
    EXPECT_EQ(m_sim.Received(),
              Lines(QStringLiteral("SYST:ERR?|*IDN?|INST:NSEL 2|INST:NSEL?|SYST:ERR?|VOLT "
                                   "3.303|VOLT?|OUTP ON|MEAS:VOLT?|SYST:ERR?")));
  }
}

// The profile is looked for beside the configuration file; one that insists on another maker
// shows it was read.
TEST_F(ScpiSupplyTest, ConfigurationFileNamesTheInstrumentAndItsProfile) {
  StartSim();
  qunsetenv("PWRIO_BACKEND");
  WriteFile(QStringLiteral("crlf.profile"), "line_end = CRLF\nidn_contains = SCPISIM\n");
  WriteFile(QStringLiteral("acme.profile"), "idn_contains = ACME\n");
  for (const QByteArray profile : {"crlf", "acme"}) {
    SCOPED_TRACE(profile.toStdString());
    const QString conf = WriteFile(QString::fromLatin1(profile + ".conf"),
                                   "backend = " + m_sim.Backend() +
                                       "\ntimeout_ms = 500\nprofile = " + profile + ".profile\n");
    qputenv("PWRIO_CONFIG", QFile::encodeName(conf));
    m_sim.ClearReceived();
    EXPECT_EQ(Search() != 0, profile == "crlf");
    EXPECT_EQ(m_sim.Received(), Lines(QStringLiteral("SYST:ERR?|*IDN?")));
  }
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
      {"tcp://supply.lab:5025", "", "must be a numeric address or localhost",
       "tcp://supply.lab:5025"},
      {"bluetooth:1", "", "unknown backend", "device library"},
      {"tcp://127.0.0.1:5025", "/nonexistent.profile", "/nonexistent.profile: cannot be read",
       "tcp://127.0.0.1:5025"},
      {"TCPIP::192.0.2.10::INSTR", "", "not VXI-11 or HiSLIP", "TCPIP::192.0.2.10::INSTR"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.backend.toStdString());
    QFile::remove(log);
    qputenv("PWRIO_BACKEND", c.backend);
    qputenv("PWRIO_PROFILE", c.profile);
    EXPECT_EQ(Search(), 0);
    VoltageCode code{50, 0};
    EXPECT_FALSE(Set(CPwrio::kCh1, 1, code));
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("config error=\"")) << text.toStdString();
    EXPECT_TRUE(text.contains(c.why)) << text.toStdString();
    EXPECT_TRUE(text.contains("cause=bad_config")) << text.toStdString();
    EXPECT_EQ(Status().find(c.where + ": CH1 not set: configuration error: "), 0u) << Status();
    EXPECT_NE(Status().find(c.why.toStdString()), std::string::npos) << Status();
  }
}

// Back to the default: the simulated supply answers and its test hooks work again.
TEST_F(ScpiSupplyTest, WithoutABackendTheSimulatedSupplyAnswers) {
  StartSim();
  VoltageCode code{40, 0};
  ASSERT_TRUE(Set(CPwrio::kCh1, 1, code));
  qunsetenv("PWRIO_BACKEND");
  qputenv("PWRIO_CONFIG", QFile::encodeName(m_dir.filePath(QStringLiteral("absent.conf"))));
  m_sim.Kill();
  EXPECT_NE(Search(), 0);
  code = {12, 34};
  EXPECT_TRUE(Set(CPwrio::kCh1, 1, code));
  EXPECT_EQ(code, (VoltageCode{12, 34}));
}

} // namespace
