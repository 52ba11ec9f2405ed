#include "controls/CFilterEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>

#include "controls/EditKeys.h"

using controls::KeyRoute;

CFilterEdit::CFilterEdit(QWidget *parent) : QLineEdit(parent) {
  // A dropped text would arrive past the typing limit; the boxes take text by typing and Paste.
  setAcceptDrops(false);
}

void CFilterEdit::PasteLimited(bool fromSelection) {
  if (isReadOnly())
    return;
  QString clip = QGuiApplication::clipboard()->text(fromSelection ? QClipboard::Selection
                                                                  : QClipboard::Clipboard);
  const qsizetype lineEnd = clip.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
  if (lineEnd >= 0)
    clip.truncate(lineEnd);
  if (m_nTypingLimit > 0) {
    const qsizetype room = m_nTypingLimit - (text().size() - selectedText().size());
    clip.truncate(std::max<qsizetype>(room, 0));
  }
  if (!clip.isEmpty())
    insert(clip);
}

QMenu *CFilterEdit::CreateContextMenu() {
  QMenu *menu = createStandardContextMenu();
  const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
  for (QAction *action : menu->actions()) {
    if (action->objectName() != QLatin1String("edit-paste") &&
        !action->text().endsWith(QLatin1Char('\t') + pasteKeys))
      continue;
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this] { PasteLimited(); });
  }
  return menu;
}

void CFilterEdit::contextMenuEvent(QContextMenuEvent *e) {
  QMenu *menu = CreateContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(e->globalPos());
}

void CFilterEdit::mouseReleaseEvent(QMouseEvent *e) {
  // The middle button pastes the X11 selection: under the same limit as Paste.
  if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    PasteLimited(true);
    e->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

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
