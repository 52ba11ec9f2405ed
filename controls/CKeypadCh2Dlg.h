#pragma once
#include "controls/CKeypadDlg.h"

// The CH2 keypad (template 147); SET writes CH2's set-point box.
class CKeypadCh2Dlg : public CKeypadDlg {
  Q_OBJECT
public:
  CKeypadCh2Dlg(QWidget *owner, QWidget *target);
};
