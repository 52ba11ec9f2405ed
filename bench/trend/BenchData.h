#pragma once
#include <array>
#include <span>

#include <functional>
#include <string>

#include <QSize>

#include "trend/TrendGeometry.h"

// The panel's sampling state as the benchmarks drive it.
struct BenchRings {
  std::array<double, trend::kRingCapacity> ch1{};
  std::array<double, trend::kRingCapacity> ch2{};
  int size = trend::kRingCapacity;
  int oldest = 0;
  int newest = trend::kRingCapacity - 1;

  // One sampling tick: advance both indices, store both channels.
  void Tick(double v1, double v2) {
    oldest = (oldest + 1) % size;
    newest = (newest + 1) % size;
    ch1[newest] = v1;
    ch2[newest] = v2;
  }
  std::span<const double> Ch1() const { return std::span(ch1).first(static_cast<size_t>(size)); }
  std::span<const double> Ch2() const { return std::span(ch2).first(static_cast<size_t>(size)); }
};

enum class RingShape {
  Steps, // set points held for a while, as a step run writes them
  Noise, // a new value every sample: the most segments to draw
};

void FillRings(BenchRings &rings, RingShape shape);

// The chart's template rectangle (297 x 82 dialog units) in pixels with the panel's dialog font.
QSize TemplateChartSize();

// 0: the template size; 1: 520 x 145.
QSize ChartSize(int which);

// "520x145 noise" and the like, for benchmark labels.
std::string BenchLabel(QSize size, RingShape shape);

// Median thread CPU time of one call over many runs, in microseconds: the machine is shared, so
// wall time would count the other processes too.
double MedianCpuMicros(const std::function<void()> &work, int runs = 301);

// QCustomPlot's replot of the same two rings (QcpBench.cpp, when the library is installed).
double QcpReplotMedianUs(QSize size, RingShape shape);
