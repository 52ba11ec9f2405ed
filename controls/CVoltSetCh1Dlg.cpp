#include "controls/CVoltSetCh1Dlg.h"

#include "resources/ControlIds.h"
#include "resources/DialogTemplates.h"

CVoltSetCh1Dlg::CVoltSetCh1Dlg(QWidget *owner, QWidget *target, bool channelOn)
    : CVoltSetDlg(owner, res::VoltSetCh1Template(), {ctl::kVoltSetCh1Edit, ctl::kVoltSetCh1Cancel},
                  target, channelOn) {}
