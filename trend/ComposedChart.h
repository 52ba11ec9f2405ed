#pragma once
// The report's chart on a plain 32-bit page image, written straight into its rows: both curves'
// columns reduced to the one run of rows each covers, so that the chart is written once, top to
// bottom, with CH2 over CH1. Drawn curve by curve, a noise curve's columns went down the whole
// chart for each curve, a cache miss a pixel.
#include <vector>

#include <QColor>
#include <QImage>
#include <QRect>

#include "trend/CurveRaster.h"
#include "trend/ReportLayout.h"

namespace trend {

class ComposedChart {
public:
  // Empty (false) where `image` is null or the curves' columns do not form runs. `image` must
  // contain `chart` and satisfy CanRasterInto.
  ComposedChart(QImage *image, const ReportRect &chart, double lo, double hi,
                const ReportData &data);
  explicit operator bool() const { return image_ != nullptr; }
  // White over `area` except the chart's inside, which Write fills completely.
  void FillAround(const QRect &area) const;
  // The white chart, its grid and the curves, each pixel written once; then the curves' pixels
  // beyond the chart over what lies there. The pixels are those the grid and the curves' own
  // drawing give.
  void Write(QColor grid) const;

private:
  void WriteInside(quint32 grid) const;
  void PaintBeyond(const QRect &area) const;
  quint32 *Row(int y) const { return reinterpret_cast<quint32 *>(bits_ + y * bytesPerLine_); }

  QImage *image_ = nullptr;
  // Taken once: each scanLine() call checks whether the image must be detached.
  uchar *bits_ = nullptr;
  qsizetype bytesPerLine_ = 0;
  QRect inside_;
  QRect curves_; // bounding box of the curves' pixels
  std::vector<int> spans_;
  TwoCurves two_;
};

} // namespace trend
