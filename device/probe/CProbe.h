#pragma once
#include <ostream>
#include <string>

#include "device/pwrio/CBackendConfig.h"
#include "device/pwrio/CScpiSupply.h"

namespace pwrio {

// What pwrio-probe does with one configured instrument: prints its identity, each channel's
// read-back and its error queue; with verify, also a harmless check of each channel (select it
// and confirm the selection, write CH1's and CH2's programmed set point back unchanged and read
// it again; no output is switched). The first failure ends the run with one line on the error
// stream and an exit status that names its cause.
class CProbe {
public:
  // Exit statuses, one per cause.
  enum Status {
    kOk = 0,
    kUsage = 1,
    kConfiguration = 2,
    kNoConnection = 3,
    kTimeout = 4,
    kConnectionLost = 5,
    kBadReply = 6,
    kWrongInstrument = 7,
    kInstrumentError = 8,
    kWrongChannel = 9,
    kSetPointNotTaken = 10,
  };

  static Status StatusOf(const char *cause);

  CProbe(std::ostream &out, std::ostream &err) : m_out(out), m_err(err) {}

  // Runs against the configuration (as the library would read it).
  int Run(CBackendConfig config, bool verify);

private:
  int Failed(const std::string &where, const CScpiSession &session);
  bool ReadChannel(CScpiSupply &supply, int channel, const CDeadline &deadline);
  bool VerifyChannel(CScpiSupply &supply, int channel, const CDeadline &deadline);

  std::ostream &m_out;
  std::ostream &m_err;
};

} // namespace pwrio
