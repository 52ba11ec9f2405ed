#pragma once
#include "controls/CFilterEdit.h"

// A voltage box (d.ddd, 0.600 ... 9.000 V): typed characters are steered towards that form, and
// on the CH1 and CH2 set-point boxes the mouse wheel walks a one-character selection.
class CVoltEdit : public CFilterEdit {
  Q_OBJECT
public:
  explicit CVoltEdit(QWidget *parent = nullptr);

  // Shows value as "%.3f" (widened to double), caret at the start.
  void SetValue(float value);

  // Marks a box whose selection the wheel walks (the panel's set-point boxes).
  void SetWheelWalk(bool on) { m_bWheelWalk = on; }

  // One wheel notch applied to the box holding the keyboard focus, if it is a wheel-walk box.
  // Returns whether such a box had the focus. A window that receives wheel events over itself
  // may call this to act as the platform did, where the wheel always went to the focus.
  static bool WalkFocusedBox(int delta);

protected:
  void OnChar(char16_t c) override;
  void wheelEvent(QWheelEvent *e) override;

private:
  void WalkSelection(int delta);

  controls::SelWord m_dwWheelSel = 0;
  bool m_bWheelWalk = false;
};
