#pragma once
// Pixel comparisons for curves drawn two ways (our rasteriser and QPainter's pen).
#include <algorithm>
#include <cstdlib>

#include <QImage>

// How many pixels hold `ink`.
inline int CountInk(const QImage &image, QRgb ink) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += image.pixel(x, y) == ink ? 1 : 0;
  return n;
}

// Whether every `ink` pixel of a lies within one pixel (8 neighbours) of an `ink` pixel of b.
inline bool WithinOnePixel(const QImage &a, const QImage &b, QRgb ink) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      bool near = a.pixel(x, y) != ink;
      for (int v = std::max(0, y - 1); v <= std::min(b.height() - 1, y + 1) && !near; ++v)
        for (int u = std::max(0, x - 1); u <= std::min(b.width() - 1, x + 1) && !near; ++u)
          near = b.pixel(u, v) == ink;
      if (!near)
        return false;
    }
  return true;
}

// The largest difference of one colour channel between same-sized images: 255 where a pixel
// moved, 1 where only rounding differs.
inline int LargestChannelDifference(const QImage &a, const QImage &b) {
  int largest = a.size() == b.size() ? 0 : 255;
  for (int y = 0; y < std::min(a.height(), b.height()); ++y)
    for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}
