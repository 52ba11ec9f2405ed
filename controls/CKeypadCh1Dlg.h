#pragma once
#include "controls/CKeypadDlg.h"

// The CH1 keypad (template 145); SET writes the panel's box 1001.
class CKeypadCh1Dlg : public CKeypadDlg {
  Q_OBJECT
public:
  explicit CKeypadCh1Dlg(QWidget *owner);
};
