#pragma once
// Tab and Shift+Tab over what the operator can see: a window whose frame shows only part of its
// form (the panel's compact view) must not hand the focus to a control beyond its edge.
class QWidget;

namespace platform {

// A control Tab may stop at: it takes the focus by Tab, is enabled and shown, and its whole
// rectangle lies inside the window and inside every widget that holds it.
bool IsShownTabStop(const QWidget *widget, const QWidget *window);

// Moves the focus to the next (or previous) shown tab stop of window's focus chain after the
// widget holding the focus. False when there is none.
bool FocusNextShown(QWidget *window, bool next);

} // namespace platform
