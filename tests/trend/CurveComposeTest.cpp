// Curves composed column by column over a background must give exactly the pixels the rasteriser
// draws segment by segment.
#include <array>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "CurveShapes.h"
#include "trend/CurveRaster.h"

using namespace trend;

namespace {

constexpr quint32 kLow = 0xff00c000u;
constexpr quint32 kUp = 0xffc00000u;

// A background that differs from pixel to pixel, so that a pixel taken from the wrong place shows.
QImage Background(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y, 0xff000000u | static_cast<quint32>(x * 7 + y * 131));
  return image;
}

} // namespace

TEST(CurveCompose, ComposedRowsAndColumnsEqualTheDrawnCurves) {
  const struct {
    Shape lower, upper;
    int w, h;
  } cases[] = {{Shape::Noise, Shape::Noise, 520, 123},
               {Shape::Beyond, Shape::Steps, 300, 80},
               {Shape::Ramp, Shape::Beyond, 2500, 90},
               {Shape::Noise, Shape::Ramp, 4001, 60}};
  for (const auto &c : cases) {
    const std::vector<QLine> lower = CurveOf(Ring(c.lower, 1), 91, QRect(0, 0, c.w, c.h));
    const std::vector<QLine> upper = CurveOf(Ring(c.upper, 2), 182, QRect(0, 0, c.w, c.h));
    QImage drawn = Background(c.w, c.h);
    DrawWideLines(drawn, lower, kLow);
    DrawWideLines(drawn, upper, kUp);

    std::vector<int> spans(static_cast<size_t>(c.w) * 4);
    const TwoCurves curves{{&spans[0], &spans[size_t(c.w)]},
                           kLow,
                           {&spans[2 * size_t(c.w)], &spans[3 * size_t(c.w)]},
                           kUp};
    ASSERT_TRUE(CoverColumns(c.w, c.h, lower, curves.lower));
    ASSERT_TRUE(CoverColumns(c.w, c.h, upper, curves.upper));
    const QImage background = Background(c.w, c.h);
    QImage byRows(c.w, c.h, QImage::Format_RGB32);
    for (int y = 0; y < c.h; ++y)
      ComposeRow(reinterpret_cast<const quint32 *>(background.constScanLine(y)),
                 reinterpret_cast<quint32 *>(byRows.scanLine(y)), c.w, y, curves);
    EXPECT_EQ(byRows, drawn) << c.w << "x" << c.h;
    QImage byColumns = Background(c.w, c.h);
    for (int x = 0; x < c.w; ++x)
      ComposeColumn(byColumns.constBits(), byColumns.bits(), byColumns.bytesPerLine(), x, 0,
                    c.h - 1, curves);
    EXPECT_EQ(byColumns, drawn) << c.w << "x" << c.h;
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
