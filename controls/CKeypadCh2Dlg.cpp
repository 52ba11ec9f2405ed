#include "controls/CKeypadCh2Dlg.h"

#include "resources/DialogTemplates.h"

CKeypadCh2Dlg::CKeypadCh2Dlg(QWidget *owner) : CKeypadDlg(owner, res::KeypadCh2Template(), 1008) {}
