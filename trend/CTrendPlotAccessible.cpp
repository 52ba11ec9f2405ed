#include "trend/CTrendPlotAccessible.h"

#include "trend/CTrendPlot.h"

namespace {
QAccessibleInterface *ChartFactory(const QString &key, QObject *object) {
  if (key == QLatin1String(CTrendPlot::staticMetaObject.className()))
    if (auto *plot = qobject_cast<CTrendPlot *>(object))
      return new CTrendPlotAccessible(plot);
  return nullptr;
}
} // namespace

CTrendPlotAccessible::CTrendPlotAccessible(CTrendPlot *plot)
    : QAccessibleWidget(plot, QAccessible::Chart) {}

QString CTrendPlotAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Description)
    return static_cast<const CTrendPlot *>(widget())->LatestText();
  return QAccessibleWidget::text(t);
}

void CTrendPlotAccessible::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(ChartFactory);
    return true;
  }();
  (void)installed;
}
