// The longest event-loop stall while nobody touches the panel: the whole program runs for a
// while (10 s by default) against a silent instrument (a scpisim that accepts and never
// answers) and against the simulated supply, each in a fresh process, while a 1 ms timer
// notes the gaps between its ticks. The first second (start-up) is not counted. Besides the
// longest gap it reports the 99.9th percentile, the gaps over 20 ms and the longest single event
// the program handled: on a machine shared with other work the scheduler alone can hold a
// process for tens of milliseconds now and then, and the last figure tells the program's share.
//
//   bench_stall [--seconds N]
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/CKTX2300MApp.h"
#include "platform/CMessageBox.h"

namespace {

// Times every event the program handles at the top of its loop: the longest one is the
// program's own share of a stall, whatever the machine adds by holding the process.
class TimedApplication : public QApplication {
public:
  using QApplication::QApplication;

  bool notify(QObject *receiver, QEvent *event) override {
    // The device watch's thread delivers its own events through here too.
    if (QThread::currentThread() != thread()) {
      return QApplication::notify(receiver, event);
    }
    if (m_depth++ > 0) {
      const bool done = QApplication::notify(receiver, event);
      --m_depth;
      return done;
    }
    m_clock.start();
    const bool done = QApplication::notify(receiver, event);
    --m_depth;
    if (m_measuring) {
      m_longestUs = std::max(m_longestUs, m_clock.nsecsElapsed() / 1000);
    }
    return done;
  }

  bool m_measuring = false;
  qint64 m_longestUs = 0;

private:
  int m_depth = 0;
  QElapsedTimer m_clock;
};

// bare: no panel at all, only the timer, to show what the machine itself does to a process.
int RunChild(int argc, char **argv, int seconds, bool bare) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TimedApplication app(argc, argv);
  platform::SetMessageHook([](const QString &) {});
  CKTX2300MApp theApp;
  if (!bare && !theApp.InitInstance({})) {
    return 1;
  }
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0;
  std::vector<qint64> gapsUs;
  gapsUs.reserve(static_cast<std::size_t>(seconds) * 1000);
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(1);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed() / 1000;
    if (now > 1000000) {
      gapsUs.push_back(now - last);
      app.m_measuring = true;
    }
    last = now;
    if (now > seconds * 1000000LL) {
      std::sort(gapsUs.begin(), gapsUs.end());
      const auto over = gapsUs.end() - std::upper_bound(gapsUs.begin(), gapsUs.end(), 20000);
      std::printf("%.2f %.2f %ld %zu %.2f\n", static_cast<double>(gapsUs.back()) / 1000.0,
                  static_cast<double>(gapsUs[gapsUs.size() * 999 / 1000]) / 1000.0,
                  static_cast<long>(over), gapsUs.size(),
                  static_cast<double>(app.m_longestUs) / 1000.0);
      QCoreApplication::exit(0);
    }
  });
  tick.start();
  return app.exec();
}

// Runs the panel in a child process and prints its figures; false when it gave none.
bool Measure(const char *what, const QProcessEnvironment &env, int seconds, bool bare = false) {
  QProcess child;
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--child"), QString::number(seconds),
               bare ? QStringLiteral("--bare") : QString()});
  if (!child.waitForFinished((seconds + 30) * 1000)) {
    std::fprintf(stderr, "bench_stall: %s: the panel did not finish\n", what);
    return false;
  }
  double longest = 0;
  double p999 = 0;
  long over = 0;
  long ticks = 0;
  double handler = 0;
  if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf %ld %ld %lf", &longest, &p999,
                  &over, &ticks, &handler) != 5) {
    std::fprintf(stderr, "bench_stall: %s: no figures\n", what);
    return false;
  }
  std::printf("%-18s longest stall %7.2f ms, 99.9th percentile %6.2f ms, %ld over 20 ms "
              "(%ld ticks of 1 ms in %d s); longest event handled %6.2f ms\n",
              what, longest, p999, over, ticks, seconds - 1, handler);
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
    return RunChild(argc, argv, seconds, argc > 3 && std::strcmp(argv[3], "--bare") == 0);
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
  const bool bare = Measure("no panel (machine)", env, seconds, true);
  const bool simulated = Measure("simulated supply", env, seconds);
  env.insert(QStringLiteral("PWRIO_BACKEND"),
             QStringLiteral("tcp://127.0.0.1:") + QString::fromLatin1(out.mid(5).trimmed()));
  const bool silent = Measure("silent instrument", env, seconds);
  sim.kill();
  sim.waitForFinished(5000);
  return bare && simulated && silent ? 0 : 1;
}
