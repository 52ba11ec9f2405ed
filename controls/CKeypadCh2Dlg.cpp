#include "controls/CKeypadCh2Dlg.h"

#include "resources/DialogTemplates.h"

CKeypadCh2Dlg::CKeypadCh2Dlg(QWidget *owner, QWidget *target)
    : CKeypadDlg(owner, res::KeypadCh2Template(), target) {}
