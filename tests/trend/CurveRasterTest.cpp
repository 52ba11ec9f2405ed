#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include "CurveShapes.h"
#include "trend/CurveRaster.h"
#include "trend/TrendGeometry.h"

using namespace trend;

namespace {

constexpr QRgb kInk = qRgb(200, 0, 0);
constexpr QRgb kPaper = qRgb(255, 255, 255);

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kPaper);
  return image;
}

QImage Raster(const std::vector<QLine> &lines, int w, int h) {
  QImage image = Blank(w, h);
  DrawWideLines(image, lines, kInk);
  return image;
}

bool Inked(const QImage &image, int x, int y) {
  return image.pixel(x, y) == kInk;
}

// The pixels inked in one image and not in the other.
int Differing(const QImage &a, const QImage &b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      n += Inked(a, x, y) != Inked(b, x, y) ? 1 : 0;
  return n;
}

// The inked pixels as a rectangle, or an invalid one when they do not fill one exactly.
QRect InkedBlock(const QImage &image) {
  QRect box;
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Inked(image, x, y)) {
        box |= QRect(x, y, 1, 1);
        ++count;
      }
  return count == box.width() * box.height() ? box : QRect();
}

} // namespace

TEST(CurveRaster, StraightSegmentsAreTwoPixelBlocksWithoutTheirEndPoint) {
  // The pen covers each pixel of the thin line and the ones left of and above it; p2 is not
  // part of the thin line.
  const struct {
    std::vector<QLine> lines;
    QRect block;
  } cases[] = {
      {{QLine(3, 5, 10, 5)}, QRect(QPoint(2, 4), QPoint(9, 5))},      // rightwards: x 3..9
      {{QLine(10, 5, 3, 5)}, QRect(QPoint(3, 4), QPoint(10, 5))},     // leftwards: x 10..4
      {{QLine(5, 3, 5, 10)}, QRect(QPoint(4, 2), QPoint(5, 9))},      // down: y 3..9
      {{QLine(5, 10, 5, 3)}, QRect(QPoint(4, 3), QPoint(5, 10))},     // up: y 10..4
      {{QLine(6, 6, 7, 7)}, QRect(QPoint(5, 5), QPoint(6, 6))},       // one diagonal step
      {{QLine(0, 0, 15, 0)}, QRect(QPoint(0, 0), QPoint(14, 0))},     // on the top edge: one row
      {{QLine(16, 15, 0, 15)}, QRect(QPoint(0, 14), QPoint(15, 15))}, // from beyond the right
      // A held chain leaves out only its last end; zero-length segments paint nothing.
      {{QLine(3, 5, 6, 5), QLine(6, 5, 6, 5), QLine(6, 5, 10, 5)},
       QRect(QPoint(2, 4), QPoint(9, 5))},
      {{QLine(5, 5, 5, 5), QLine(0, 0, 0, 0)}, QRect()},
  };
  for (const auto &c : cases) {
    const QLine &l = c.lines.front();
    EXPECT_EQ(InkedBlock(Raster(c.lines, 16, 16)), c.block)
        << l.x1() << "," << l.y1() << " to " << l.x2() << "," << l.y2();
  }
}

TEST(CurveRaster, ClippingKeepsThePixelsInsideAndWritesNothingOutside) {
  // A 40 x 30 window inside a larger buffer: the guard pixels around it must stay untouched and
  // the window must hold what an unclipped drawing shows at the same place.
  const int w = 40, h = 30, guard = 8;
  const int offset = 200;
  QRandomGenerator random(5);
  std::vector<QLine> lines;
  for (int i = 0; i < 300; ++i)
    lines.emplace_back(random.bounded(-150, 190), random.bounded(-150, 180),
                       random.bounded(-150, 190), random.bounded(-150, 180));
  lines.emplace_back(-5, 10, 45, 10);    // through, horizontally
  lines.emplace_back(20, -140, 21, 170); // steep and out at both ends

  const auto drawIntoWindow = [&](const std::vector<QLine> &segments) {
    QImage buffer = Blank(w + 2 * guard, h + 2 * guard);
    uchar *window = buffer.bits() + guard * buffer.bytesPerLine() + guard * 4;
    DrawWideLines(window, buffer.bytesPerLine(), w, h, segments, kInk);
    for (int y = 0; y < buffer.height(); ++y)
      for (int x = 0; x < buffer.width(); ++x)
        if (x < guard || x >= guard + w || y < guard || y >= guard + h) {
          EXPECT_EQ(buffer.pixel(x, y), kPaper) << x << "," << y;
        }
    return buffer.copy(guard, guard, w, h);
  };

  std::vector<QLine> shifted = lines;
  for (QLine &l : shifted)
    l.translate(offset, offset);
  const QImage whole = Raster(shifted, 600, 600);
  EXPECT_EQ(drawIntoWindow(lines), whole.copy(offset, offset, w, h));

  // Ends a thousand million pixels away: the line still crosses at its height, y 3.5 rounding
  // to 4, so rows 3 and 4 under the pen.
  const QImage far = drawIntoWindow({QLine(-1000000000, 3, 1000000000, 4)});
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y)
      ASSERT_EQ(Inked(far, x, y), y == 3 || y == 4) << x << "," << y;
}

TEST(CurveRaster, OrderOfTheSegmentsDoesNotChangeThePixels) {
  // Held stretches (level chains, joined before drawing) between stretches of noise (several
  // samples a column, joined per column).
  std::vector<double> ring = Ring(Shape::Steps, 0);
  const std::vector<double> noise = Ring(Shape::Beyond, 3);
  for (size_t i = 0; i < ring.size(); ++i)
    ring[i] = i % 300 < 150 ? ring[i] : noise[i];
  // Chains inside one column: the last end is a new top, repeats an earlier point, or a
  // zero-length segment sits in the chain.
  const std::vector<QLine> cases[] = {
      CurveOf(ring, 40, QRect(0, 0, 300, 90)),
      {QLine(5, 40, 5, 60), QLine(5, 60, 5, 45), QLine(5, 45, 5, 20), QLine(5, 20, 6, 30)},
      {QLine(5, 40, 5, 60), QLine(5, 60, 5, 40), QLine(5, 40, 5, 60)},
      {QLine(5, 40, 5, 60), QLine(5, 60, 5, 60), QLine(5, 60, 5, 10), QLine(5, 10, 5, 89)},
      {QLine(5, 70, 5, 60), QLine(5, 60, 5, 61), QLine(5, 61, 5, 59), QLine(6, 59, 6, 50)},
  };
  for (size_t c = 0; c < std::size(cases); ++c) {
    std::vector<QLine> lines = cases[c];
    const QImage inOrder = Raster(lines, 300, 90);
    QImage oneByOne = Blank(300, 90);
    for (const QLine &line : lines)
      DrawWideLines(oneByOne, {&line, 1}, kInk);
    EXPECT_EQ(oneByOne, inOrder) << c;
    std::shuffle(lines.begin(), lines.end(), *QRandomGenerator::global());
    EXPECT_EQ(Raster(lines, 300, 90), inOrder) << c;
  }
}

// Joined level runs draw the pixels the segments drew one by one; a held curve keeps a few. At
// 40 pixels a column holds fifty samples, in 90 the curve leaves the window.
TEST(CurveRaster, JoinedLevelRunsKeepEveryPixel) {
  const struct {
    Shape shape;
    int width, height, most; // segments left at most
  } cases[] = {{Shape::Steps, 300, 90, 30},   {Shape::Steps, 40, 90, 30},
               {Shape::Noise, 300, 90, 2000}, {Shape::Beyond, 90, 90, 2000},
               {Shape::Ramp, 300, 90, 2000},  {Shape::Ramp, 300, 4, 200},
               {Shape::Steps, -300, 90, 30}}; // drawn right to left
  for (const auto &c : cases) {
    std::vector<float> ys(kRingCapacity);
    ys.resize(static_cast<size_t>(CurveHeights(Ring(c.shape, 1), 40, 0, 10, c.height, ys)));
    std::vector<QLine> plain(kRingCapacity), joined(kRingCapacity);
    const int left = c.width < 0 ? 305 : 2;
    plain.resize(static_cast<size_t>(CurveSegments(ys, left, 1, c.width, plain)));
    std::vector<int> xs(ys.size());
    xs.resize(static_cast<size_t>(CurvePointXs(static_cast<int>(ys.size()), left, c.width, xs)));
    joined.resize(static_cast<size_t>(JoinedCurveSegments(ys, xs, 1, joined)));
    EXPECT_LE(static_cast<int>(joined.size()), c.most) << int(c.shape) << " " << c.width;
    EXPECT_EQ(Raster(joined, 310, 95), Raster(plain, 310, 95)) << int(c.shape) << " " << c.width;
  }
}

// The curve the operator sees is the one QPainter's 2-pixel pen (the report's printers) drew: the
// two round a slope differently in a few pixels, well under one in forty of the ink (a line too
// thin, too thick, shifted or with gaps differs in far more). Joining straight runs keeps every
// pixel of the pen's.
TEST(CurveRaster, CurvesMatchQPaintersTwoPixelPen) {
  const auto penDrawn = [](std::span<const QLine> lines, int w, int h) {
    QImage image = Blank(w, h);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(kInk), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    return image;
  };
  const struct {
    Shape shape;
    int w, h;
    bool joins; // whether some segments run straight on
  } cases[] = {{Shape::Noise, 520, 123, true},
               {Shape::Steps, 520, 123, true},
               {Shape::Ramp, 3000, 900, false},
               {Shape::Beyond, 300, 120, true}};
  for (const auto &c : cases) {
    std::vector<QLine> lines = CurveOf(Ring(c.shape, 1), 0, QRect(0, 0, c.w, c.h));
    const QImage ours = Raster(lines, c.w, c.h);
    const QImage theirs = penDrawn(lines, c.w, c.h);
    EXPECT_LE(Differing(ours, theirs), Differing(theirs, Blank(c.w, c.h)) / 40) << c.w;
    const int merged = MergeStraightRuns(lines);
    EXPECT_EQ(merged < static_cast<int>(lines.size()), c.joins) << c.w;
    EXPECT_EQ(penDrawn(std::span(lines).first(static_cast<size_t>(merged)), c.w, c.h), theirs)
        << c.w;
  }
}

TEST(CurveRaster, OnlyThirtyTwoBitImagesAreWritten) {
  const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                                    QImage::Format_Grayscale8, QImage::Format_Invalid};
  const QLine line(2, 2, 12, 9);
  for (const QImage::Format format : formats) {
    QImage image =
        format == QImage::Format_Invalid ? QImage() : Blank(16, 16).convertToFormat(format);
    const QImage before = image;
    const bool writable = image.depth() == 32;
    EXPECT_EQ(CanRasterInto(image), writable) << format;
    DrawWideLines(image, {&line, 1}, kInk);
    EXPECT_EQ(image != before, writable) << format;
  }
}

// Segments that leave rows free between them in one column cannot be one run a column.
TEST(CurveCompose, ColumnsWithTwoRunsAreReported) {
  const struct {
    std::vector<QLine> lines;
    bool oneRun;
  } cases[] = {
      {{QLine(0, 5, 8, 5), QLine(8, 5, 8, 9)}, true},
      {{QLine(0, 2, 8, 2), QLine(0, 7, 8, 7)}, false},  // two level lines
      {{QLine(0, 2, 8, 2), QLine(0, 4, 8, 4)}, true},   // rows 1-2 and 3-4 meet
      {{QLine(3, 0, 3, 3), QLine(3, 6, 3, 9)}, false},  // a gap inside one column
      {{QLine(0, 2, 8, 2), QLine(0, 40, 8, 40)}, true}, // the second lies below the image
  };
  for (const auto &c : cases) {
    std::array<int, 10> top{};
    std::array<int, 10> bottom{};
    EXPECT_EQ(CoverColumns(10, 12, c.lines, {top.data(), bottom.data()}), c.oneRun)
        << c.lines.size() << " " << c.lines[1].y1();
  }
}
