#pragma once
#include "controls/CVoltSetDlg.h"

// The CH1 volt-set dialog (template 148).
class CVoltSetCh1Dlg : public CVoltSetDlg {
  Q_OBJECT
public:
  CVoltSetCh1Dlg(QWidget *owner, QWidget *target, bool channelOn);
};
