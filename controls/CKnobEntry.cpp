#include "controls/CKnobEntry.h"

CKnobEntry::Result CKnobEntry::Enter(int digit, const QString &text, controls::SelWord selection) {
  const QChar c(static_cast<char16_t>(u'0' + digit));
  if (m_bFirstEntry) {
    m_strPrefix = QString(c) + QLatin1Char('.');
    m_bFirstEntry = 0;
    return {QString(c) + QStringLiteral(".0"), 2, 3};
  }
  m_dwLastSel = selection;
  const int e = controls::SelEnd(selection); // read before the text changes
  if (m_nDigitCount < 4) {
    Result result;
    if (m_nDigitCount == 1) {
      // The first decimal takes the place of the placeholder 0.
      result = {m_strPrefix + c, e - 1, e};
    } else {
      result = {text + c, e, e + 1};
    }
    ++m_nDigitCount;
    return result;
  }
  QString edited = text;
  if (e >= 1 && e <= edited.size() && edited.at(e - 1) != QLatin1Char('.'))
    edited[e - 1] = c;
  return {edited, e - 1, e};
}
