#pragma once
#include <QLineEdit>

class QMenu;

#include "controls/EditRules.h"

// The edit box the panel's filtered boxes share: typed characters go to OnChar, the line edit's
// clipboard and undo keys do nothing, and the selection is read and set as the platform edit
// reports and takes it. Text set by the program, or pasted from the context menu, is not filtered.
class CFilterEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit CFilterEdit(QWidget *parent = nullptr);

  // Typing stops at this many characters; text set by the program may be longer. 0: no limit.
  void SetTypingLimit(int limit) { m_nTypingLimit = limit; }

  // Pastes the clipboard (or the X11 selection) at the caret as the context menu's Paste does:
  // unfiltered, the first line only, cut to what the typing limit leaves room for.
  void PasteLimited(bool fromSelection = false);
  // The box's context menu, whose Paste is PasteLimited. The caller owns it.
  QMenu *CreateContextMenu();

  // The selection as (start, end) packed, (caret, caret) without a selection.
  controls::SelWord GetSel() const;
  // Selects start ... end with the caret at end; positions are clamped to the text.
  void SetSel(int start, int end);

protected:
  // One typed character (backspace is 8). The default lets it through, as PassChar does.
  virtual void OnChar(char16_t c);
  // The box's own handling of a typed character: insert it at the caret, replacing the
  // selection, or delete for backspace; a read-only box changes nothing.
  void PassChar(char16_t c);

  bool event(QEvent *e) override;
  void keyPressEvent(QKeyEvent *e) override;
  void contextMenuEvent(QContextMenuEvent *e) override;
  void mouseReleaseEvent(QMouseEvent *e) override;

private:
  int m_nTypingLimit = 0;
};
