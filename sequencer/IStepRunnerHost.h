#pragma once
#include "device/VoltageCode.h"

// What the step runner needs of the panel; the panel forwards to the device library and its own
// boxes and timer, tests record the calls.
class IStepRunnerHost {
public:
  virtual ~IStepRunnerHost() = default;

  // channel 0 is CH1, 1 is CH2. True on success; the library may rewrite code (its read-back).
  [[nodiscard]] virtual bool SendVolt(int channel, int onFlag, VoltageCode &code) = 0;
  // Sets the channel's m_dActualVolt entry and shows it "%.3f" in its actual box.
  virtual void ShowActualVolt(int channel, double volts) = 0;
  // Kills timer 1 and starts it again with the period.
  virtual void SetSamplingPeriod(int ms) = 0;
};
