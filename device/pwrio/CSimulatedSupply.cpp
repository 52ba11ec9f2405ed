#include "device/pwrio/CSimulatedSupply.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "device/pwrio/RegularFile.h"

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

// A reset acts before anything else, unplugged or not, so the call that sees it already works on
// switched-off outputs.
CSimControlFile::Settings CSimulatedSupply::ReadControl(const CSimControlFile &control) {
  const auto settings = control.Read();
  if (settings.reset) {
    m_outputs = {};
    control.ClearReset();
    WriteState();
  }
  return settings;
}

void CSimulatedSupply::WriteState() const {
  const char *path = std::getenv(kStateVariable);
  if (!path || !*path) {
    return;
  }
  std::string text;
  for (std::size_t i = 0; i < m_outputs.size(); ++i) {
    const Output &out = m_outputs[i];
    text += "CH" + std::to_string(i + 1) + " on=" + std::to_string(out.on) +
            " pair=" + std::to_string(out.first) + ',' + std::to_string(out.second) + '\n';
  }
  WriteRegularFile(path, O_CREAT | O_TRUNC, text);
}

CallOutcome CSimulatedSupply::Search() {
  const auto settings = ReadControl(ControlFile());
  Wait(settings.delayMs);
  if (!settings.attached) {
    return {false, "detached", settings.delayMs, "detached (the control file says attached=0)"};
  }
  return {true, nullptr, settings.delayMs, {}};
}

CallOutcome CSimulatedSupply::SetVolt(int channel, int onFlag, int *pair) {
  const auto control = ControlFile();
  const auto settings = ReadControl(control);
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
  WriteState();
  return {true, nullptr, settings.delayMs, {}};
}

} // namespace pwrio
