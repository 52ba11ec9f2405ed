#include "controls/EditKeys.h"

#include "controls/EditRules.h"

namespace controls {

RoutedKey RouteKey(int key, Qt::KeyboardModifiers modifiers, const QString &text) {
  const Qt::KeyboardModifiers mods = modifiers & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
  const bool ctrl = mods & (Qt::ControlModifier | Qt::MetaModifier);
  const bool alt = mods & Qt::AltModifier;
  const bool shift = mods & Qt::ShiftModifier;

  switch (key) {
  case Qt::Key_Insert:
    // Shift+Insert pastes and Ctrl+Insert copies in a line edit; in these boxes they do nothing.
    return {(shift || ctrl) ? KeyRoute::Swallow : KeyRoute::Default, 0};
  case Qt::Key_Delete:
    return {(shift || ctrl || alt) ? KeyRoute::Swallow : KeyRoute::Default, 0};
  case Qt::Key_Backspace:
    if (alt)
      return {KeyRoute::Swallow, 0}; // Alt+Backspace is an undo key
    // Ctrl+Backspace types DEL (127), which no filter lets through.
    return {KeyRoute::Typed, ctrl ? char16_t{127} : kBackspace};
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Escape:
  case Qt::Key_Tab:
  case Qt::Key_Backtab:
  case Qt::Key_Left:
  case Qt::Key_Right:
  case Qt::Key_Up:
  case Qt::Key_Down:
  case Qt::Key_Home:
  case Qt::Key_End:
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
    return {KeyRoute::Default, 0};
  default:
    break;
  }
  if (ctrl && !alt) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
      return {KeyRoute::Typed, static_cast<char16_t>(key - Qt::Key_A + 1)};
    return {KeyRoute::Swallow, 0};
  }
  // Alt alone is the menu's (mnemonics); Ctrl+Alt with a character is AltGr on some keyboards.
  if (alt && !ctrl)
    return {KeyRoute::Swallow, 0};
  if (!text.isEmpty())
    return {KeyRoute::Typed, text.at(0).unicode()};
  return {KeyRoute::Default, 0};
}

} // namespace controls
