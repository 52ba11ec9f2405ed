// The five exported functions: they check their arguments, hand the call to the backend and log
// it. Nothing else of the library is visible outside it.
#include "device/pwrio/Pwrio.h"

#include <mutex>
#include <string>

#include "device/pwrio/CBackendSwitch.h"
#include "device/pwrio/CCallLog.h"
#include "device/pwrio/CStatusReport.h"

namespace {

using pwrio::CallOutcome;

// The simulated supply unless the configuration names an instrument (CBackendSwitch.h).
// Callers hold CallMutex() while they use it.
pwrio::CBackendSwitch &Backends() {
  static pwrio::CBackendSwitch backends;
  return backends;
}

pwrio::ISupplyBackend &Backend() {
  return Backends().Current();
}

pwrio::CStatusReport &Status() {
  static pwrio::CStatusReport status;
  return status;
}

// Callers are meant to call one at a time; the lock keeps a careless one from tearing the state.
std::mutex &CallMutex() {
  static std::mutex mutex;
  return mutex;
}

void AppendField(std::string &line, const char *key, int value) {
  line += ' ';
  line += key;
  line += '=';
  line += std::to_string(value);
}

void AppendPair(std::string &line, const char *key, const int *pair) {
  line += ' ';
  line += key;
  line += '=';
  if (!pair) {
    line += '-';
    return;
  }
  line += std::to_string(pair[0]);
  line += ',';
  line += std::to_string(pair[1]);
}

void AppendOutcome(std::string &line, const CallOutcome &outcome) {
  AppendField(line, "result", outcome.done ? 1 : 0);
  AppendField(line, "delay_ms", outcome.waitedMs);
  if (!outcome.done && outcome.cause) {
    line += " cause=";
    line += outcome.cause;
  }
}

short SetVolt(int channel, const char *name, int reserved, int onFlag, int *pair, int length) {
  std::lock_guard lock(CallMutex());
  // A pair of another length may be shorter than two ints, so it is never read.
  int *const readable = (pair && length == 2) ? pair : nullptr;
  std::string line = name;
  AppendField(line, "reserved", reserved);
  AppendField(line, "on", onFlag);
  AppendField(line, "len", length);
  AppendPair(line, "in", readable);

  CallOutcome outcome{false, "bad_args", 0, "bad arguments (null pair, length or on flag)"};
  if (readable && (onFlag == 0 || onFlag == 1)) {
    outcome = Backend().SetVolt(channel, onFlag, readable);
  }
  Status().SetDone(Backends().Where(), channel, outcome);
  AppendPair(line, "out", readable);
  AppendOutcome(line, outcome);
  pwrio::CCallLog::Append(line);
  return outcome.done ? 1 : 0;
}

} // namespace

extern "C" {

PWRIO_EXPORT int PWRIO_CALL dsoSearch(void) {
  std::lock_guard lock(CallMutex());
  const CallOutcome outcome = Backend().Search();
  Status().Searched(Backends().Where(), outcome);
  std::string line = "dsoSearch";
  AppendOutcome(line, outcome);
  pwrio::CCallLog::Append(line);
  return outcome.done ? 1 : 0;
}

PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive9_CH1(int reserved, int onFlag, int *pair,
                                                       int length) {
  return SetVolt(0, "dsoSetVolt_positive9_CH1", reserved, onFlag, pair, length);
}

PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive9_CH2(int reserved, int onFlag, int *pair,
                                                       int length) {
  return SetVolt(1, "dsoSetVolt_positive9_CH2", reserved, onFlag, pair, length);
}

PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive5_CH3(int reserved, int onFlag, int *pair,
                                                       int length) {
  return SetVolt(2, "dsoSetVolt_positive5_CH3", reserved, onFlag, pair, length);
}

PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_negative5_CH4(int reserved, int onFlag, int *pair,
                                                       int length) {
  return SetVolt(3, "dsoSetVolt_negative5_CH4", reserved, onFlag, pair, length);
}

} // extern "C"
