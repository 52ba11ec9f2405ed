// pwrio-probe against scpisim: what it prints and the exit status each cause gets.
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/device/ScpiSimProcess.h"

namespace {

struct ProbeRun {
  int status = -1;
  QString out;
  QString err;
};

ProbeRun RunProbe(const QStringList &args) {
  QProcess probe;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"PWRIO_BACKEND", "PWRIO_PROFILE", "PWRIO_TIMEOUT_MS"})
    env.remove(QString::fromLatin1(name));
  env.insert(QStringLiteral("PWRIO_CONFIG"), QStringLiteral("/nonexistent/pwrio.conf"));
  probe.setProcessEnvironment(env);
  probe.start(QString::fromUtf8(PWRIO_PROBE_PROGRAM), args);
  if (!probe.waitForFinished(20000)) {
    probe.kill();
    probe.waitForFinished();
  }
  return {probe.exitCode(), QString::fromUtf8(probe.readAllStandardOutput()),
          QString::fromUtf8(probe.readAllStandardError())};
}

TEST(Probe, PrintsTheInstrumentOrOneLineWithTheCauseAndItsStatus) {
  QTemporaryDir dir;
  const QString broken = dir.filePath(QStringLiteral("broken.profile"));
  ASSERT_TRUE(testhelp::WriteFile(broken, "selct = INST:NSEL {channel}\n"));
  struct Case {
    const char *sim;   // scpisim switches; "-" for no simulator at all
    const char *extra; // probe arguments after --backend
    int status;
    const char *out; // lines stdout must contain, '|' between
    const char *err; // the cause stderr names (its texts are the library's, checked with it);
                     // empty: stderr has no pwrio-probe line
  };
  const Case cases[] = {
      {"", "", 0,
       "identity  KTX,SCPISIM,0,1.0|CH3       0.000 V (instrument channel 3)|errors    none", ""},
      {"", "--verify", 0,
       "verify    CH1 ok: selection confirmed, set point 0.000 V written back and confirmed", ""},
      {"-", "", 3, "backend", "no connection: Connection refused"},
      {"--silent", "--timeout-ms 100", 4, "profile", "within 100 ms"},
      {"--garbage", "", 6, "profile", "bad reply: \"SYST:ERR?\" answered"},
      {"--ignore-select", "", 9, "identity", "wrong channel: "},
      {"--offset-mv 7", "--verify", 10, "errors    none", "set point not taken: "},
      {"--reject VOLT", "--verify", 8, "errors    none", "instrument error: "},
      {"", "--profile BROKEN", 2, "", "configuration error: BROKEN: line 1 (selct = "},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.sim) + " / " + c.extra);
    ScpiSimProcess sim;
    QByteArray backend = "tcp://127.0.0.1:1";
    if (QByteArray(c.sim) != "-") {
      ASSERT_TRUE(sim.Start(QString::fromLatin1(c.sim).split(u' ', Qt::SkipEmptyParts)));
      backend = sim.Backend();
    }
    QStringList args{QStringLiteral("--backend"), QString::fromLatin1(backend)};
    args << QString::fromLatin1(c.extra)
                .replace(QStringLiteral("BROKEN"), broken)
                .split(u' ', Qt::SkipEmptyParts);
    const ProbeRun run = RunProbe(args);
    EXPECT_EQ(run.status, c.status) << run.err.toStdString();
    for (const QString &line : QString::fromLatin1(c.out).split(u'|', Qt::SkipEmptyParts))
      EXPECT_TRUE(run.out.contains(line)) << run.out.toStdString();
    // One line on stderr names the cause, and only when there is one.
    const QString err = QString::fromLatin1(c.err).replace(QStringLiteral("BROKEN"), broken);
    EXPECT_EQ(run.err.count(QStringLiteral("pwrio-probe:")), err.isEmpty() ? 0 : 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("pwrio-probe: ")) == !err.isEmpty() &&
                run.err.contains(err))
        << run.err.toStdString();
  }
  EXPECT_EQ(RunProbe({QStringLiteral("--bogus")}).status, 1);
}

} // namespace
