#pragma once
#include <QString>

#include "core/CChannelState.h"

class CStepTable;

// What the panel needs of its document: the two channel states, the on flags that
// RefreshChannelStates applies, the knob steps, and the step data file writer, which reads the
// step table of the panel that made itself the active one. The document implements it.
class IPanelDocument {
public:
  virtual ~IPanelDocument() = default;
  virtual CChannelState &StateCh1() = 0;
  virtual CChannelState &StateCh2() = 0;
  virtual void SetChannelFlags(int ch1On, int ch2On) = 0;
  virtual void RefreshChannelStates() = 0;
  virtual void SetCh1KnobStep(int step) = 0;
  virtual void SetCh2KnobStep(int step) = 0;
  virtual void SetActiveStepTable(const CStepTable *table) = 0;
  virtual bool WriteStepFile(const QString &path) = 0;
};
