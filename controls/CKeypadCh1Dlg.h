#pragma once
#include "controls/CKeypadDlg.h"

// The CH1 keypad (template 145); SET writes CH1's set-point box.
class CKeypadCh1Dlg : public CKeypadDlg {
  Q_OBJECT
public:
  CKeypadCh1Dlg(QWidget *owner, QWidget *target);
};
