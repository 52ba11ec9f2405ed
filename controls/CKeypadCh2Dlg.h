#pragma once
#include "controls/CKeypadDlg.h"

// The CH2 keypad (template 147); SET writes the panel's box 1008.
class CKeypadCh2Dlg : public CKeypadDlg {
  Q_OBJECT
public:
  explicit CKeypadCh2Dlg(QWidget *owner);
};
