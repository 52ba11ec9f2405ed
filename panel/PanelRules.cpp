#include "panel/PanelRules.h"

#include "panel/PanelTexts.h"
#include "platform/CrtText.h"

namespace panel {

SetPointCheck CheckSetPoint(const QString &text) {
  const qsizetype point = text.indexOf(QLatin1Char('.'));
  if (point <= 0)
    return {QLatin1String(texts::kInvalidNumber), {}};
  const float volts = static_cast<float>(crt::Atof(text));
  // Written so that a value that is no number could never pass the range.
  if (!(volts >= 0.6f))
    return {QLatin1String(texts::kMinimalVoltage), {}};
  if (volts > 9.0f)
    return {QLatin1String(texts::kMaximumVoltage), {}};
  // The product is formed in double, so 2.3 (2.29999995 as a float) loses its last millivolt.
  return {QString(), VoltageCode::FromVolts(static_cast<double>(volts))};
}

QString ActualText(const VoltageCode &code, bool negativeChannel) {
  const QString text = crt::Format3fQ(code.ToVolts());
  return negativeChannel ? QLatin1Char('-') + text : text;
}

QString ClockText(const QDateTime &time) {
  // QDateTime formats with the C locale: digits and separators never follow the user's locale.
  return time.toString(QStringLiteral("yyyy.MM.dd.HH:mm:ss"));
}

bool IsStepAreaId(int id) {
  return (id >= 1025 && id <= 1034) || (id >= 1036 && id <= 1038) || (id >= 1040 && id <= 1052) ||
         (id >= 1062 && id <= 1065);
}

int FrameWidth(bool compact) {
  return compact ? 390 : 990;
}

} // namespace panel
