#pragma once
#include <string>
#include <utility>

#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// Stands in when the configuration names an instrument we cannot use (a typo in the backend, a
// broken profile): every call fails with the same cause and the configuration's error, instead
// of quietly driving the simulator while the operator believes a real supply follows.
class CUnusableBackend final : public ISupplyBackend {
public:
  explicit CUnusableBackend(std::string why) : m_why(std::move(why)) {}

  CallOutcome Search() override { return {false, "bad_config", 0, m_why}; }
  CallOutcome SetVolt(int, int, int *) override { return {false, "bad_config", 0, m_why}; }

private:
  std::string m_why;
};

} // namespace pwrio
