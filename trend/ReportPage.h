#pragma once
// The test report drawn with a QPainter onto any paint device of W x H device pixels (a
// printer's printable area, a PDF page, an image).
#include <QFont>

#include "trend/ReportLayout.h"

class QPainter;

namespace trend {

// The whole page in the printed order: page, date line, scale lines, grid, curves of the
// channels that are on, chart frame.
void DrawReport(QPainter &painter, int w, int h, const ReportData &data);

// Frames, title, header, legend texts and swatches, rule lines.
void DrawReportPage(QPainter &painter, int w, int h, const ReportData &data);
// 5 columns and 8 rows of button-face lines, on a white chart when `fill` is set.
void DrawReportGrid(QPainter &painter, const ReportRect &chart, bool fill = true);
// Channel 0 (CH1) or 1 (CH2) from the oldest sample at the left edge, lo at the bottom edge and
// hi at the top; values outside [lo, hi] are drawn beyond the chart. On a plain 32-bit image the
// curve is written straight into the pixels (CurveRaster.h); elsewhere QPainter draws it.
void DrawReportCurve(QPainter &painter, const ReportRect &chart, int channel, double lo, double hi,
                     int start, const ReportData &data);
// The curves are 2 device units wide on a 600-dpi page; a finer device (a PDF at 1200 dpi)
// gets a pen as wide on paper, so the curves never shrink to hairlines. Never under 2.
inline constexpr int kCurveDpi = 600;
int CurvePenWidth(int dpi);

// Closed black outline of the chart.
void DrawReportFrame(QPainter &painter, const ReportRect &chart);

// The title and header font, scaled so that its cell (ascent + descent) is `cellHeight` pixels.
QFont ReportFont(int cellHeight);

} // namespace trend
