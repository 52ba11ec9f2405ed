#include "controls/CVoltSetCh2Dlg.h"

#include "resources/DialogTemplates.h"

CVoltSetCh2Dlg::CVoltSetCh2Dlg(QWidget *owner)
    : CVoltSetDlg(owner, res::VoltSetCh2Template(), {1124, 4, 1054, 1008}) {}
