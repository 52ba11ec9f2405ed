#include "controls/CVoltEdit.h"

#include <QApplication>
#include <QWheelEvent>

#include "platform/CDialogBuilder.h"
#include "platform/CrtText.h"

CVoltEdit::CVoltEdit(QWidget *parent) : CFilterEdit(parent) {}

void CVoltEdit::SetValue(float value) {
  platform::SetWindowText(this, crt::Format3fQ(static_cast<double>(value)));
}

void CVoltEdit::OnChar(char16_t c) {
  const controls::FilterDecision decision =
      controls::FilterVoltChar(platform::GetWindowText(this), c);
  switch (decision.action) {
  case controls::FilterAction::Pass:
    PassChar(c);
    break;
  case controls::FilterAction::Replace:
    // Even a read-only box is rewritten: the filter never looks at that state.
    platform::SetWindowText(this, decision.text);
    break;
  case controls::FilterAction::Discard:
    break;
  }
}

void CVoltEdit::WalkSelection(int delta) {
  if (delta == 0)
    return;
  const controls::SelWord current = GetSel();
  const controls::SelWord previous = m_dwWheelSel;
  m_dwWheelSel = current;
  int start = 0;
  int end = 0;
  if (controls::WalkWheel(current, previous, delta, start, end))
    SetSel(start, end);
}

bool CVoltEdit::WalkFocusedBox(int delta) {
  auto *box = qobject_cast<CVoltEdit *>(QApplication::focusWidget());
  if (!box || !box->m_bWheelWalk)
    return false;
  box->WalkSelection(delta);
  return true;
}

void CVoltEdit::wheelEvent(QWheelEvent *e) {
  // The platform sent the wheel to the focused window, whichever box the pointer was over.
  if (WalkFocusedBox(e->angleDelta().y())) {
    e->accept();
    return;
  }
  CFilterEdit::wheelEvent(e);
}
