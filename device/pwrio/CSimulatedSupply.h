#pragma once
#include <array>

#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// A four-channel supply that lives in the calling process. CH1 and CH2 give whatever code they
// are sent, CH3 and CH4 give 5.000 V (CH4 as its magnitude) when on, and an output switched off
// gives 0. What the device does besides (unplugging, failing, slowness) comes from the control
// file named by PWRIO_SIM_CONTROL, read at every call. Unplugging leaves the outputs as they are.
class CSimulatedSupply final : public ISupplyBackend {
public:
  static constexpr const char *kControlVariable = "PWRIO_SIM_CONTROL";

  CallOutcome Search() override;
  CallOutcome SetVolt(int channel, int onFlag, int *pair) override;
  void Reset() override;
  bool ReadOutput(int channel, int *onFlag, int *pair) const override;

private:
  struct Output {
    int on = 0;
    int first = 0;
    int second = 0;
  };

  std::array<Output, 4> m_outputs{};
};

} // namespace pwrio
