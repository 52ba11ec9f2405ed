#pragma once
#include <string>

namespace pwrio {

// Appends one line per call received to the file named by PWRIO_SIM_LOG, so a test or a person
// can read back what the program sent. No variable, no log. Lines, fields separated by spaces:
//
//   dsoSearch result=1 delay_ms=0
//   dsoSetVolt_positive9_CH1 reserved=0 on=1 len=2 in=50,0 out=50,0 result=1 delay_ms=0
//   dsoSetVolt_negative5_CH4 reserved=0 on=1 len=2 in=0,0 out=0,0 result=0 delay_ms=0
//   cause=detached
//
// "in" is the pair as received, "out" as left for the caller; "-" when the pair is not read
// (null pointer or a length other than 2). "cause" comes only with result=0: bad_args, detached
// or fail_next from the simulator; bad_volts, no_connect, timeout, closed, too_long, io_error,
// bad_reply, wrong_instrument, scpi_error, wrong_channel, bad_setpoint or bad_config from an
// instrument. The sentence behind each goes to the status report (CStatusReport). With an instrument, delay_ms is the time the call
// took. A configuration that cannot be used adds one line: config error="why".
class CCallLog {
public:
  static constexpr const char *kLogVariable = "PWRIO_SIM_LOG";

  static void Append(const std::string &line);
};

} // namespace pwrio
