#pragma once
// A window-free rasteriser for the curves: 2-pixel-wide line segments written straight into the
// rows of a 32-bit image. QPainter rasterises a wide aliased line as one span per scanline, which
// on a chart full of noise costs far more than the pixels themselves; here each curve's pixels are
// gathered as one vertical run per column and written a band of columns at a time.
//
// Shape: every segment is the thin line from p1 to p2 with p2 left out, as the platform's LineTo
// paints it, and each of its pixels (x, y) is widened to the 2 x 2 block x-1 .. x, y-1 .. y. That
// is where QPainter puts a 2-pixel pen on whole coordinates, so the lines sit where they did.
// A segment whose two ends coincide paints nothing.
#include <span>

#include <QImage>
#include <QLine>

class QPainter;

namespace trend {

// Whether DrawWideLines can write into this image: 32 bits a pixel with an opaque colour meaning
// the same as in RGB32.
bool CanRasterInto(const QImage &image);

// The image under the painter when pixels can be written straight into it: a plain 32-bit raster
// with nothing between the page's coordinates and the pixels. Printers, PDF and any transformed,
// clipped or blended painter give null.
QImage *RasterTarget(QPainter &painter);

// Per image column (width entries each), the first and last row written, top > bottom where
// none; each drawing widens them. A chart restores only these pixels before its next drawing.
struct ColumnSpans {
  int *top = nullptr;
  int *bottom = nullptr;
};

// Draws the segments 2 pixels wide in `pixel` (0xffRRGGBB) into the rows of a width x height
// image of 32-bit pixels at `bits`, `bytesPerLine` apart. Pixels outside the image are left out;
// nothing outside it is written. Allocates nothing. Fastest when x never decreases along the
// list, as on a curve; any order gives the same pixels. Rows written are added to `spans` when
// it has arrays.
void DrawWideLines(uchar *bits, qsizetype bytesPerLine, int width, int height,
                   std::span<const QLine> lines, quint32 pixel, ColumnSpans spans = {});

// Fills `spans` (width entries each) with the rows DrawWideLines would write in each column,
// without touching an image. Returns whether every column's rows form one run, as they do for a
// curve whose x never decreases; a false answer leaves spans as a bound only.
bool CoverColumns(int width, int height, std::span<const QLine> lines, ColumnSpans spans);

// Two curves' columns, as CoverColumns gave them, and their pixels (0xffRRGGBB); the upper one
// lies on top where both cover a pixel.
struct TwoCurves {
  ColumnSpans lower;
  quint32 lowerPixel = 0;
  ColumnSpans upper;
  quint32 upperPixel = 0;
};

// The same curves with column x as their first: for composing a part of a row.
inline TwoCurves FromColumn(const TwoCurves &curves, int x) {
  return {{curves.lower.top + x, curves.lower.bottom + x},
          curves.lowerPixel,
          {curves.upper.top + x, curves.upper.bottom + x},
          curves.upperPixel};
}

// Row y of `to` (width pixels) becomes row y of `from` with the curves painted over it: each row
// is read and written once, left to right. `from` may be `to`.
void ComposeRow(const quint32 *from, quint32 *to, int width, int y, const TwoCurves &curves);

// Row copies for a large image written once: they bypass the cache, and EndRowCopies must
// follow the last of them before the image is read.
void CopyRowPast(quint32 *to, const quint32 *from, int width);
void EndRowCopies();

// The same for rows top .. bottom of one column, both images `bytesPerLine` apart.
void ComposeColumn(const uchar *from, uchar *to, qsizetype bytesPerLine, int x, int top, int bottom,
                   const TwoCurves &curves);

// The same on an image for which CanRasterInto holds.
void DrawWideLines(QImage &image, std::span<const QLine> lines, QRgb color, ColumnSpans spans = {});

} // namespace trend
