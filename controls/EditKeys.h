#pragma once
// Which key presses reach the edit filters as typed characters. The panel's boxes see keys as the
// platform edit saw its character messages: printable keys and backspace arrive as characters,
// Ctrl with a letter as the control character (Ctrl+C as 3), navigation keys go to the box as
// usual, and the box's own clipboard and undo shortcuts do nothing.
#include <QString>
#include <Qt>

namespace controls {

enum class KeyRoute {
  Default, // the line edit's own handling (caret moves, Delete, Enter and Escape for the dialog)
  Typed,   // a typed character, for the filter
  Swallow, // nothing happens
};

struct RoutedKey {
  KeyRoute route = KeyRoute::Default;
  char16_t ch = 0; // the typed character when route is Typed
};

RoutedKey RouteKey(int key, Qt::KeyboardModifiers modifiers, const QString &text);

} // namespace controls
