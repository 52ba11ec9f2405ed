#include "controls/EditRules.h"

#include <algorithm>

#include "platform/CrtText.h"

namespace controls {

Selection ClampSel(int start, int end, int length, int caret) {
  if (start == -1)
    return {caret, caret};
  return {std::clamp(start, 0, length), std::clamp(end, 0, length)};
}

FilterDecision FilterVoltChar(const QString &text, char16_t c) {
  if (text.size() >= 5 && c != kBackspace)
    return {FilterAction::Discard, {}};
  const int point = text.indexOf(QLatin1Char('.'));
  if (c >= u'0' && c <= u'9') {
    if (text == QStringLiteral("0.") && c < u'6')
      return {FilterAction::Replace, QStringLiteral("0.600")};
    if (!text.isEmpty() && point < 0)
      return {FilterAction::Discard, {}};
    // Only texts holding a point get here (or the empty text), so the integer part lies before it.
    if (crt::Atoi(text.left(point < 0 ? 0 : point)) == 9)
      return {FilterAction::Replace, QStringLiteral("9.000")};
    return {FilterAction::Pass, {}};
  }
  if (c == u'.' || c == kBackspace) {
    if (c == u'.' && (text.isEmpty() || point >= 0))
      return {FilterAction::Discard, {}};
    return {FilterAction::Pass, {}};
  }
  return {FilterAction::Discard, {}};
}

bool IsIntCharSilent(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == kBackspace;
}

bool WalkWheel(SelWord current, SelWord previous, int delta, int &start, int &end) {
  if (delta == 0)
    return false;
  const int e = SelEnd(current);
  if (delta > 0) {
    // After the caret has been left at the end, the next notch comes back to the last character.
    if (SelEnd(previous) == 5) {
      start = e - 1;
      end = e;
    } else {
      start = e;
      end = e + 1;
    }
    return true;
  }
  if (e == 1)
    return false;
  start = e - 2;
  end = e - 1;
  return true;
}

} // namespace controls
