#include "controls/CVoltSetCh1Dlg.h"

#include "resources/DialogTemplates.h"

CVoltSetCh1Dlg::CVoltSetCh1Dlg(QWidget *owner)
    : CVoltSetDlg(owner, res::VoltSetCh1Template(), {1123, 2, 1053, 1001}) {}
