#include "controls/CFilterEdit.h"

#include <QKeyEvent>

#include "controls/EditKeys.h"

using controls::KeyRoute;

CFilterEdit::CFilterEdit(QWidget *parent) : QLineEdit(parent) {}

controls::SelWord CFilterEdit::GetSel() const {
  if (hasSelectedText())
    return controls::MakeSel(selectionStart(), selectionEnd());
  return controls::MakeSel(cursorPosition(), cursorPosition());
}

void CFilterEdit::SetSel(int start, int end) {
  const controls::Selection sel =
      controls::ClampSel(start, end, static_cast<int>(text().size()), cursorPosition());
  if (sel.start == sel.end) {
    deselect();
    setCursorPosition(sel.end);
  } else {
    setSelection(sel.start, sel.end - sel.start); // a negative length keeps the caret at end
  }
}

void CFilterEdit::OnChar(char16_t c) {
  PassChar(c);
}

void CFilterEdit::PassChar(char16_t c) {
  if (isReadOnly())
    return;
  if (c == controls::kBackspace) {
    backspace();
    return;
  }
  if (c < 0x20 || c == 0x7F)
    return; // control characters insert nothing
  const auto resulting = text().size() - selectedText().size() + 1;
  if (m_nTypingLimit > 0 && resulting > m_nTypingLimit)
    return;
  insert(QString(QChar(c)));
}

bool CFilterEdit::event(QEvent *e) {
  if (e->type() == QEvent::ShortcutOverride) {
    const auto *key = static_cast<QKeyEvent *>(e);
    const controls::RoutedKey routed =
        controls::RouteKey(key->key(), key->modifiers(), key->text());
    const bool control =
        routed.route == KeyRoute::Typed &&
        ((routed.ch < 0x20 && routed.ch != controls::kBackspace) || routed.ch == 0x7F);
    // The line edit would claim its clipboard keys here; left unclaimed, a window shortcut on the
    // same key acts as the frame's accelerator did, and otherwise the key press is swallowed.
    if (routed.route == KeyRoute::Swallow || control) {
      e->ignore();
      return true;
    }
  }
  return QLineEdit::event(e);
}

void CFilterEdit::keyPressEvent(QKeyEvent *e) {
  const controls::RoutedKey routed = controls::RouteKey(e->key(), e->modifiers(), e->text());
  switch (routed.route) {
  case KeyRoute::Default:
    QLineEdit::keyPressEvent(e);
    return;
  case KeyRoute::Swallow:
    e->accept();
    return;
  case KeyRoute::Typed:
    e->accept();
    OnChar(routed.ch);
    return;
  }
}
