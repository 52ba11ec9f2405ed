#pragma once
#include <QString>

#include "sequencer/CStepControls.h"

// The MODE, Number, Start and Stop lists and the Set and Clear commands: they shape the step
// table and fill its Volt column. Every handler reads the MODE text afresh.
class CStepTableEditor {
public:
  explicit CStepTableEditor(const CStepControls &controls);

  // Start-up: fills the empty lists and the empty table from the MODE text.
  void FillFromMode();

  void OnSelchangeMode();
  void OnSelchangeNumber();
  void OnSelchangeStart();
  void OnSelchangeStop();
  void OnSetVolts();
  void OnClearVolts();

private:
  void FillLists();
  void CheckRange(const QString &message);

  CStepControls m_c;
};
