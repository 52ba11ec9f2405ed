// The longest event-loop stall while nobody touches the panel: the whole program runs for a
// while (10 s by default) against a silent instrument (a scpisim that accepts and never
// answers) and against the simulated supply, each in a fresh process, while a 1 ms timer
// notes the largest gap between its ticks. The first second (start-up) is not counted.
//
//   bench_stall [--seconds N]
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/CKTX2300MApp.h"
#include "platform/CMessageBox.h"

namespace {

int RunChild(int argc, char **argv, int seconds) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::SetMessageHook([](const QString &) {});
  CKTX2300MApp theApp;
  if (!theApp.InitInstance({})) {
    return 1;
  }
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0;
  qint64 longestUs = 0;
  long ticks = 0;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(1);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed() / 1000;
    if (now > 1000000) {
      longestUs = std::max(longestUs, now - last);
      ++ticks;
    }
    last = now;
    if (now > seconds * 1000000LL) {
      std::printf("%.2f %ld\n", static_cast<double>(longestUs) / 1000.0, ticks);
      QCoreApplication::exit(0);
    }
  });
  tick.start();
  return app.exec();
}

// The child's "longest_ms ticks" line, or false.
bool Measure(const char *what, const QProcessEnvironment &env, int seconds) {
  QProcess child;
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--child"), QString::number(seconds)});
  if (!child.waitForFinished((seconds + 30) * 1000)) {
    std::fprintf(stderr, "bench_stall: %s: the panel did not finish\n", what);
    return false;
  }
  double ms = 0;
  long ticks = 0;
  if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %ld", &ms, &ticks) != 2) {
    std::fprintf(stderr, "bench_stall: %s: no figures\n", what);
    return false;
  }
  std::printf("%-22s longest event-loop stall %7.2f ms over %d s (%ld ticks of 1 ms)\n", what, ms,
              seconds - 1, ticks);
  return true;
}

} // namespace

int main(int argc, char **argv) {
  int seconds = 10;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--seconds") == 0 || std::strcmp(argv[i], "--child") == 0) {
      seconds = std::max(2, std::atoi(argv[i + 1]));
    }
  }
  if (argc > 2 && std::strcmp(argv[1], "--child") == 0) {
    return RunChild(argc, argv, seconds);
  }
  QCoreApplication app(argc, argv);
  QProcess sim;
  sim.start(QString::fromUtf8(SCPISIM_PROGRAM),
            {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--silent"),
             QStringLiteral("--log"), QStringLiteral("/dev/null"), QStringLiteral("--max-seconds"),
             QString::number(seconds + 60)});
  QByteArray out;
  for (int i = 0; i < 50 && sim.waitForStarted(5000) && !out.contains('\n'); ++i) {
    sim.waitForReadyRead(100);
    out += sim.readAllStandardOutput();
  }
  if (!out.startsWith("PORT ")) {
    std::fputs("bench_stall: the instrument simulator did not start\n", stderr);
    return 1;
  }
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("PWRIO_BACKEND"));
  env.insert(QStringLiteral("PWRIO_CONFIG"), QStringLiteral("/nonexistent/pwrio.conf"));
  const bool simulated = Measure("simulated supply", env, seconds);
  env.insert(QStringLiteral("PWRIO_BACKEND"),
             QStringLiteral("tcp://127.0.0.1:") + QString::fromLatin1(out.mid(5).trimmed()));
  const bool silent = Measure("silent instrument", env, seconds);
  sim.kill();
  sim.waitForFinished(5000);
  return simulated && silent ? 0 : 1;
}
