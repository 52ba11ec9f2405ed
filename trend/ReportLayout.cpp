#include "trend/ReportLayout.h"

#include "trend/TrendText.h"

namespace trend {
namespace {

// The factors written 0.7 and 0.95 are these doubles in the printed page's arithmetic.
constexpr double kChartBottom = 0.7000000000000001;
constexpr double kChartRight = 0.9500000000000001;

class Permille {
public:
  Permille(int w, int h) : m_w(w), m_h(h), m_kx(w * 0.001), m_ky(h * 0.001) {}
  int X(int x) const { return static_cast<int>(m_kx * x); }
  int Y(int y) const { return static_cast<int>(m_ky * y); }
  QPoint At(int x, int y) const { return {X(x), Y(y)}; }
  // (x‰, y‰, W - x‰, H - y‰)
  ReportRect Inset(int x, int y, int rx, int ry) const {
    return {X(x), Y(y), m_w - X(rx), m_h - Y(ry)};
  }

private:
  int m_w;
  int m_h;
  double m_kx;
  double m_ky;
};

QString TwoDigits(int value) {
  return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString ReportDateLine(const QDateTime &time) {
  const QDate date = time.date();
  const QTime clock = time.time();
  return QStringLiteral("Date = %1-%2-%3     Time = %4:%5:%6")
      .arg(TwoDigits(date.day()), TwoDigits(date.month()),
           QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char(' ')), TwoDigits(clock.hour()),
           TwoDigits(clock.minute()), TwoDigits(clock.second()));
}

ReportLayout ComputeReportLayout(int w, int h, const ReportData &data) {
  const Permille pm(w, h);
  ReportLayout layout;
  layout.frames = {pm.Inset(10, 30, 10, 10), pm.Inset(15, 35, 15, 15), pm.Inset(16, 36, 16, 16),
                   pm.Inset(17, 37, 17, 17)};
  layout.titleRect = pm.Inset(20, 40, 20, 20);
  layout.titleFontHeight = pm.Y(50);
  layout.headerFontHeight = pm.Y(25);
  layout.header = {pm.At(700, 100), QString::fromLatin1(kHeaderText)};

  const bool on1 = data.stateCh1.GetOn() != 0;
  const bool on2 = data.stateCh2.GetOn() != 0;
  layout.hasLegendCh1 = on1;
  layout.hasLegendCh2 = on2;
  layout.legendCh1 = {pm.At(50, 710), QString::fromLatin1(kLegendCh1)};
  layout.legendCh2 = {pm.At(250, 710), QString::fromLatin1(kLegendCh2)};
  // CH2's swatch sits one thousandth higher than CH1's.
  layout.swatchCh1 = {pm.At(140, 714), pm.At(140, 731), pm.At(240, 731), pm.At(240, 714)};
  layout.swatchCh2 = {pm.At(340, 713), pm.At(340, 730), pm.At(440, 730), pm.At(440, 713)};
  layout.rules = {QLine(pm.At(200, 890), pm.At(950, 890)), QLine(pm.At(50, 930), pm.At(950, 930)),
                  QLine(pm.At(50, 970), pm.At(950, 970))};

  const int textLeft = static_cast<int>(w * 0.05);
  layout.dateLine = {QPoint(textLeft, static_cast<int>(h * 0.13)), ReportDateLine(data.localTime)};
  layout.ch1Line = {QPoint(textLeft, static_cast<int>(h * 0.76)),
                    QString::fromLatin1(on1 ? kScaleCh1 : kScaleCh1Off)};
  layout.ch2Line = {QPoint(textLeft, static_cast<int>(h * 0.78)),
                    QString::fromLatin1(on2 ? kScaleCh2 : kScaleCh2Off)};
  layout.chart = {textLeft, static_cast<int>(h * 0.152), static_cast<int>(w * kChartRight),
                  static_cast<int>(h * kChartBottom)};
  return layout;
}

} // namespace trend
