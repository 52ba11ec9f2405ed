#include "BenchData.h"

#include <algorithm>
#include <ctime>
#include <vector>

#include <QRandomGenerator>

#include "platform/CDialogUnits.h"

void FillRings(BenchRings &rings, RingShape shape) {
  QRandomGenerator random(2300);
  for (int i = 0; i < rings.size; ++i) {
    if (shape == RingShape::Steps) {
      rings.ch1[i] = 1.0 + (i / 120) % 8;
      rings.ch2[i] = 9.0 - (i / 170) % 8 * 1.125;
    } else {
      rings.ch1[i] = random.bounded(10.0);
      rings.ch2[i] = random.bounded(10.0);
    }
  }
  rings.oldest = 700;
  rings.newest = 699;
}

QSize TemplateChartSize() {
  // The panel's template font; the dialog-unit layer picks its stand-in when it is missing.
  const platform::CDialogUnits units(platform::CDialogUnits::TemplateFont("宋体", 9));
  const QRect r = units.ToPixels(243, 93, 297, 82);
  return r.size();
}

QSize ChartSize(int which) {
  return which == 0 ? TemplateChartSize() : QSize(520, 145);
}

std::string BenchLabel(QSize size, RingShape shape) {
  return std::to_string(size.width()) + "x" + std::to_string(size.height()) +
         (shape == RingShape::Steps ? " steps" : " noise");
}

double MedianCpuMicros(const std::function<void()> &work, int runs) {
  const auto now = [] {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
  };
  work();
  std::vector<double> times(static_cast<size_t>(runs));
  for (double &t : times) {
    const double start = now();
    work();
    t = now() - start;
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<size_t>(runs / 2)];
}
