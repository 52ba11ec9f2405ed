#include "device/pwrio/CSimulatedSupply.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "device/pwrio/CSimControlFile.h"

namespace pwrio {
namespace {

CSimControlFile ControlFile() {
  const char *path = std::getenv(CSimulatedSupply::kControlVariable);
  return CSimControlFile(path ? path : "");
}

void Wait(int ms) {
  if (ms > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
}

// The fixed outputs' level: 5.000 V as a code.
constexpr int kFixedFirst = 50;
constexpr int kFixedSecond = 0;

} // namespace

CallOutcome CSimulatedSupply::Search() {
  const auto settings = ControlFile().Read();
  Wait(settings.delayMs);
  if (!settings.attached) {
    return {false, "detached", settings.delayMs, "detached (the control file says attached=0)"};
  }
  return {true, nullptr, settings.delayMs, {}};
}

CallOutcome CSimulatedSupply::SetVolt(int channel, int onFlag, int *pair) {
  const auto control = ControlFile();
  const auto settings = control.Read();
  Wait(settings.delayMs);
  if (!settings.attached) {
    return {false, "detached", settings.delayMs, "detached (the control file says attached=0)"};
  }
  if (settings.failNext > 0) {
    control.StoreFailNext(settings.failNext - 1);
    return {false, "fail_next", settings.delayMs, "failed on purpose (fail_next)"};
  }

  Output &out = m_outputs[static_cast<std::size_t>(channel)];
  if (onFlag == 0) {
    out = Output{};
  } else if (channel <= 1) {
    out = Output{1, pair[0], pair[1]};
  } else {
    out = Output{1, kFixedFirst, kFixedSecond};
  }
  pair[0] = out.first;
  pair[1] = out.second;
  return {true, nullptr, settings.delayMs, {}};
}

void CSimulatedSupply::Reset() {
  m_outputs = {};
}

bool CSimulatedSupply::ReadOutput(int channel, int *onFlag, int *pair) const {
  if (channel < 0 || channel > 3 || !onFlag || !pair) {
    return false;
  }
  const Output &out = m_outputs[static_cast<std::size_t>(channel)];
  *onFlag = out.on;
  pair[0] = out.first;
  pair[1] = out.second;
  return true;
}

} // namespace pwrio
