#pragma once
// The keypads' composing rules: texts of the form d.ddd, never above "9.000".
#include <QString>

namespace controls {

// A digit key on text; returns the new text (text itself when the key is ignored). A key that
// adds a character is honoured only while text is at most maxLen long; after a first digit only
// the point at index pointPos lets another digit follow.
QString KeypadDigit(const QString &text, char16_t digit, int maxLen, int pointPos);

// The point key: only after a first digit, once, and while text is at most maxLen long.
QString KeypadPoint(const QString &text, int maxLen);

} // namespace controls
