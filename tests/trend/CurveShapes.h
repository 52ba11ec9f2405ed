#pragma once
// Sample rings of the shapes that stress the curve drawing, and the curve lines they give.
#include <array>
#include <span>
#include <vector>

#include <QLine>
#include <QRandomGenerator>
#include <QRect>

#include "trend/TrendGeometry.h"

// Noise in the 0..10 window, held steps, noise mostly beyond the window, a repeating ramp.
enum class Shape { Noise, Steps, Beyond, Ramp };

inline void FillRing(std::span<double> ring, Shape shape, int seed) {
  QRandomGenerator random(static_cast<quint32>(seed));
  for (size_t i = 0; i < ring.size(); ++i) {
    const int n = static_cast<int>(i);
    switch (shape) {
    case Shape::Noise:
      ring[i] = random.bounded(10.0);
      break;
    case Shape::Steps:
      ring[i] = 1.0 + (n / (150 + 40 * seed)) % 8;
      break;
    case Shape::Beyond:
      ring[i] = random.bounded(40.0) - 15.0;
      break;
    case Shape::Ramp:
      ring[i] = (n % 400) * 0.03 - 1.0;
      break;
    }
  }
}

inline std::vector<double> Ring(Shape shape, int seed) {
  std::vector<double> ring(trend::kRingCapacity);
  FillRing(ring, shape, seed);
  return ring;
}

// The curve of a ring, oldest sample at `start`, in a chart showing `lo` to `hi` volts.
inline std::vector<QLine> CurveOf(std::span<const double> ring, int start, QRect chart,
                                  double lo = 0.0, double hi = 10.0) {
  std::array<float, trend::kRingCapacity> ys{};
  std::vector<QLine> lines(trend::kRingCapacity);
  const int n = trend::CurveLines(ring, start, lo, hi, chart.left(), chart.top(), chart.width(),
                                  chart.height(), ys, lines);
  lines.resize(static_cast<size_t>(n));
  return lines;
}
