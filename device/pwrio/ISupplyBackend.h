#pragma once
#include <string>

namespace pwrio {

// What one call did, for the caller's result and the call log.
struct CallOutcome {
  bool done = false;
  // Why the call failed, a short word for the log ("detached", "fail_next"); null when done.
  const char *cause = nullptr;
  // Time the backend deliberately waited before answering (the simulator's delay_ms).
  int waitedMs = 0;
  // For a person: why the call failed ("wrong channel: INST:NSEL? answered 1, expected 2"), or
  // after a search that found an instrument, its identity. May be empty.
  std::string text;
};

// The four outputs behind the exported functions. The exports check arguments before a
// backend sees them, so channel is 0..3, onFlag 0 or 1 and pair points at two ints.
class ISupplyBackend {
public:
  virtual ~ISupplyBackend() = default;

  virtual CallOutcome Search() = 0;
  // On success pair holds what the output now gives; on failure it is left alone.
  virtual CallOutcome SetVolt(int channel, int onFlag, int *pair) = 0;
};

} // namespace pwrio
