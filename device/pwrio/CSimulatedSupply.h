#pragma once
#include <array>

#include "device/pwrio/CSimControlFile.h"
#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// A four-channel supply that lives in the calling process. CH1 and CH2 give whatever code they
// are sent, CH3 and CH4 give 5.000 V (CH4 as its magnitude) when on, and an output switched off
// gives 0. What the device does besides (unplugging, failing, slowness) comes from the control
// file named by PWRIO_SIM_CONTROL, read at every call. Unplugging leaves the outputs as they are.
//
// Tests see the outputs through the state file named by PWRIO_SIM_STATE, rewritten whenever the
// outputs may have changed (a successful set, a reset), one line per channel:
//
//   CH1 on=1 pair=50,0
class CSimulatedSupply final : public ISupplyBackend {
public:
  static constexpr const char *kControlVariable = "PWRIO_SIM_CONTROL";
  static constexpr const char *kStateVariable = "PWRIO_SIM_STATE";

  CallOutcome Search() override;
  CallOutcome SetVolt(int channel, int onFlag, int *pair) override;

private:
  struct Output {
    int on = 0;
    int first = 0;
    int second = 0;
  };

  // The control file's settings, after acting on its reset line.
  CSimControlFile::Settings ReadControl(const CSimControlFile &control);
  void WriteState() const;

  std::array<Output, 4> m_outputs{};
};

} // namespace pwrio
