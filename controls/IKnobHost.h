#pragma once
#include <cstdint>

#include <QString>

#include "core/CChannelState.h"

class CVoltEdit;

// What a knob needs of the panel and its document, channel 0 being CH1 and 1 CH2. The knob sends
// nothing back: the panel learns of its work through the set-point text and the edit.
class IKnobHost {
public:
  virtual ~IKnobHost() = default;
  // The document's m_stateCh1 / m_stateCh2.
  virtual const CChannelState &KnobChannelState(int channel) const = 0;
  // The document's SetCh1KnobStep / SetCh2KnobStep.
  virtual void SetKnobStep(int channel, std::int16_t step) = 0;
  // The panel's m_strSetCh1 / m_strSetCh2: the text the knob composes.
  virtual QString KnobSetPointText(int channel) const = 0;
  virtual void SetKnobSetPointText(int channel, const QString &text) = 0;
  // The panel's set-point box of the channel.
  virtual CVoltEdit *KnobSetPointEdit(int channel) = 0;
};
