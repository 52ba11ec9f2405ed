#pragma once
// Window-free layout of the one-page test report: every rectangle, text anchor, polygon and
// line for a page of W x H device pixels, most of them in thousandths of the page.
#include <array>
#include <span>

#include <QDateTime>
#include <QLine>
#include <QPoint>
#include <QString>

#include "core/CChannelState.h"

namespace trend {

// What the report shows, as it stands when the page is drawn.
struct ReportData {
  std::span<const double> ringCh1;
  std::span<const double> ringCh2;
  int ringOldest = 0;
  int base = 0; // the volt ruler's base: the low end of the printed window
  CChannelState stateCh1;
  CChannelState stateCh2;
  QDateTime localTime;
};

// A rectangle as the platform gives one: right and bottom are coordinates, not sizes.
struct ReportRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ReportRect &) const = default;
};

struct ReportText {
  QPoint at; // top-left corner of the text
  QString text;
};

// The printed window is 8 volts high: one volt per grid row.
inline constexpr int kReportVolts = 8;
inline constexpr int kReportColumns = 5;
inline constexpr int kReportRows = 8;

struct ReportLayout {
  std::array<ReportRect, 4> frames; // outer frame, then the close triple frame
  ReportRect titleRect;             // "Test Report" centred at its top
  int titleFontHeight = 0;          // cell heights in device pixels
  int headerFontHeight = 0;
  ReportText header;
  bool hasLegendCh1 = false;
  bool hasLegendCh2 = false;
  ReportText legendCh1;
  ReportText legendCh2;
  std::array<QPoint, 4> swatchCh1;
  std::array<QPoint, 4> swatchCh2;
  std::array<QLine, 3> rules; // end points as stated; the last point is left out when drawn
  ReportText dateLine;
  ReportText ch1Line;
  ReportText ch2Line;
  ReportRect chart;
};

// "Date = dd-mm-yyyy     Time = hh:mm:ss" for a local time.
QString ReportDateLine(const QDateTime &time);

ReportLayout ComputeReportLayout(int w, int h, const ReportData &data);

} // namespace trend
