// CPU used by the panel running its demonstration in the expanded layout (chart shown, 100 ms
// sampling) against a bare Qt program that repaints an image of the chart's size as often. Both
// run at the same time, so the machine's load weighs on them alike; the ratio of their CPU times
// is the figure, counted after start-up. Usage: bench_cpu [seconds [rounds]]
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

// The chart's template size in pixels (bench_trend prints it).
constexpr int kChartWidth = 520;
constexpr int kChartHeight = 123;
// The panel's demonstration has switched the channels on and started its run by then.
constexpr unsigned kWarmUpSeconds = 5;

class BareChart : public QWidget {
public:
  BareChart() : m_image(kChartWidth, kChartHeight, QImage::Format_RGB32) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kChartWidth, kChartHeight);
    m_image.fill(Qt::white);
    connect(&m_timer, &QTimer::timeout, this, [this] { update(); });
    m_timer.start(100);
  }

protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
  }

private:
  QImage m_image;
  QTimer m_timer;
};

int RunBare(int argc, char **argv) {
  QApplication app(argc, argv);
  BareChart chart;
  chart.show();
  return app.exec();
}

pid_t Start(const std::string &program, const std::vector<std::string> &args) {
  const pid_t pid = fork();
  if (pid != 0)
    return pid;
  std::vector<char *> argv{const_cast<char *>(program.c_str())};
  for (const auto &a : args)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

// CPU seconds used so far by all threads of a process (the scheduler's nanosecond count).
double CpuSeconds(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  double total = 0;
  if (DIR *dir = opendir(tasks.c_str())) {
    while (dirent *entry = readdir(dir)) {
      if (entry->d_name[0] == '.')
        continue;
      std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
      double ns = 0;
      if (stat >> ns)
        total += ns / 1e9;
    }
    closedir(dir);
  }
  return total;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char **argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
    return RunBare(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  std::string self = argv[0];
  const std::string dir = self.substr(0, self.find_last_of('/') + 1);
  std::vector<double> ratios;
  for (int round = 0; round < rounds; ++round) {
    const pid_t panel = Start(dir + "KTX2300M", {"--demo", "--expanded"});
    const pid_t bare = Start(self, {"--bare"});
    // Start-up left out: the window counts only the steady sampling.
    sleep(kWarmUpSeconds);
    const double panelStart = CpuSeconds(panel);
    const double bareStart = CpuSeconds(bare);
    sleep(static_cast<unsigned>(seconds));
    const double panelCpu = CpuSeconds(panel) - panelStart;
    const double bareCpu = CpuSeconds(bare) - bareStart;
    Stop(panel);
    Stop(bare);
    ratios.push_back(bareCpu > 0 ? panelCpu / bareCpu : 0);
    std::printf("round %d: %d s, panel %.3f s CPU, bare %.3f s CPU, ratio %.2f\n", round + 1,
                seconds, panelCpu, bareCpu, ratios.back());
    std::fflush(stdout);
  }
  std::sort(ratios.begin(), ratios.end());
  std::printf("median ratio panel / bare: %.2f\n", ratios[ratios.size() / 2]);
  return 0;
}
