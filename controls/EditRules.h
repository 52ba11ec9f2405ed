#pragma once
// Window-free rules of the panel's edit boxes: the selection as the platform edit reports it,
// the voltage character filter, the integer filter and the wheel's selection walk.
#include <cstdint>

#include <QChar>
#include <QString>

namespace controls {

inline constexpr char16_t kBackspace = 8;

// A selection as the edit's selection query returns it: start in the low 16 bits, end in the
// high 16 bits; the caret stands at the end.
using SelWord = std::uint32_t;
constexpr SelWord MakeSel(int start, int end) {
  return (static_cast<SelWord>(end & 0xFFFF) << 16) | static_cast<SelWord>(start & 0xFFFF);
}
constexpr int SelStart(SelWord sel) {
  return static_cast<int>(sel & 0xFFFF);
}
constexpr int SelEnd(SelWord sel) {
  return static_cast<int>(sel >> 16);
}

struct Selection {
  int start = 0;
  int end = 0;
  bool operator==(const Selection &) const = default;
};

// How the edit resolves a requested (start, end): a start of -1 drops the selection and leaves
// the caret where it was; any other position is clamped into 0 ... length.
Selection ClampSel(int start, int end, int length, int caret);

enum class FilterAction { Pass, Discard, Replace };
struct FilterDecision {
  FilterAction action = FilterAction::Discard;
  QString text; // the new whole text when action is Replace
};

// The voltage box's verdict on one typed character c, given the box's whole text. The caret and
// the selection play no part: the rules look at the text as a whole.
FilterDecision FilterVoltChar(const QString &text, char16_t c);

// The integer box passes digits and backspace silently; anything else is passed after a warning.
bool IsIntCharSilent(char16_t c);

// One wheel notch of the selection walk. current is the box's selection now, previous what the
// box remembered at the last notch. Returns false when no selection is to be set (a zero delta,
// or a backward notch at selection end 1); otherwise fills the range to select.
bool WalkWheel(SelWord current, SelWord previous, int delta, int &start, int &end);

} // namespace controls
