#pragma once
#include <QString>

#include "core/CChannelState.h"

// What the panel needs of its document: the two channel states, the on flags that
// RefreshChannelStates applies, and the knob steps. The document implements it.
class IPanelDocument {
public:
  virtual ~IPanelDocument() = default;
  virtual CChannelState &StateCh1() = 0;
  virtual CChannelState &StateCh2() = 0;
  virtual void SetChannelFlags(int ch1On, int ch2On) = 0;
  virtual void RefreshChannelStates() = 0;
  virtual void SetCh1KnobStep(int step) = 0;
  virtual void SetCh2KnobStep(int step) = 0;
};
