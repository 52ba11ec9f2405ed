#pragma once
#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// Stands in when the configuration names an instrument we cannot use (a typo in the backend, a
// broken profile): every call fails with the same cause, instead of quietly driving the
// simulator while the operator believes a real supply follows.
class CUnusableBackend final : public ISupplyBackend {
public:
  CallOutcome Search() override { return {false, "bad_config", 0}; }
  CallOutcome SetVolt(int, int, int *) override { return {false, "bad_config", 0}; }
};

} // namespace pwrio
