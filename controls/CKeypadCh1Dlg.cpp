#include "controls/CKeypadCh1Dlg.h"

#include "resources/DialogTemplates.h"

CKeypadCh1Dlg::CKeypadCh1Dlg(QWidget *owner, QWidget *target)
    : CKeypadDlg(owner, res::KeypadCh1Template(), target) {}
