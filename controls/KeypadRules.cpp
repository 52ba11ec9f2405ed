#include "controls/KeypadRules.h"

#include "platform/CrtText.h"

namespace controls {

QString KeypadDigit(const QString &text, char16_t digit, int maxLen, int pointPos) {
  if (text.size() > maxLen)
    return text;
  const int point = text.indexOf(QLatin1Char('.'));
  // The integer part is the text before the first point, or nothing when there is no point.
  if (crt::Atoi(text.left(point < 0 ? 0 : point)) == 9)
    return QStringLiteral("9.000");
  if (!text.isEmpty() && point != pointPos)
    return text;
  return text + QChar(digit);
}

QString KeypadPoint(const QString &text, int maxLen) {
  if (text.size() > maxLen || text.contains(QLatin1Char('.')) || text.isEmpty())
    return text;
  return text + QLatin1Char('.');
}

} // namespace controls
