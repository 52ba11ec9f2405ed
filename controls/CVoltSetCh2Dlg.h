#pragma once
#include "controls/CVoltSetDlg.h"

// The CH2 volt-set dialog (template 149).
class CVoltSetCh2Dlg : public CVoltSetDlg {
  Q_OBJECT
public:
  CVoltSetCh2Dlg(QWidget *owner, QWidget *target, bool channelOn);
};
