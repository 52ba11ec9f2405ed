#pragma once
#include <QAccessibleWidget>

class CTrendPlot;

// What a screen reader learns of the chart: its name, and as description the latest CH1 and
// CH2 voltages, formed only when asked so that the sampling tick stays free of work.
class CTrendPlotAccessible : public QAccessibleWidget {
public:
  explicit CTrendPlotAccessible(CTrendPlot *plot);

  QString text(QAccessible::Text t) const override;

  // Makes Qt use this interface for every chart; called once by the first chart.
  static void Install();
};
