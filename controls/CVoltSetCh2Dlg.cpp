#include "controls/CVoltSetCh2Dlg.h"

#include "resources/ControlIds.h"
#include "resources/DialogTemplates.h"

CVoltSetCh2Dlg::CVoltSetCh2Dlg(QWidget *owner, QWidget *target, bool channelOn)
    : CVoltSetDlg(owner, res::VoltSetCh2Template(), {ctl::kVoltSetCh2Edit, ctl::kVoltSetCh2Cancel},
                  target, channelOn) {}
