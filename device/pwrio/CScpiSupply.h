#pragma once
#include <memory>
#include <string>

#include "device/pwrio/CScpiLink.h"
#include "device/pwrio/CScpiProfile.h"
#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// A real instrument spoken to in SCPI through a command profile. Every call has one time budget
// (the configured bound) for connecting, sending and reading back; whatever goes wrong within
// it (no connection, silence, a dropped line, an answer that is not a number in range) fails the
// call and closes the connection. Any later call connects again, so the device watch's next
// dsoSearch finds the instrument once it is back.
//
// dsoSearch asks identify and wants an identity line. A set call selects the channel, sends the
// set point (CH1 and CH2 switched on only), switches the output and asks read_voltage; the pair
// gets the instrument's answer, or 0, 0 for an output switched off.
class CScpiSupply final : public ISupplyBackend {
public:
  CScpiSupply(std::unique_ptr<CScpiLink> link, CScpiProfile profile, int timeoutMs);

  CallOutcome Search() override;
  CallOutcome SetVolt(int channel, int onFlag, int *pair) override;

private:
  // Opens the link when it is closed; the answer is false with the link's cause.
  bool Connect(const CDeadline &deadline);
  bool Command(const std::string &pattern, int channel, int millivolts, const CDeadline &deadline);
  bool Query(const std::string &text, std::string &reply, const CDeadline &deadline);
  bool Identify(const CDeadline &deadline);
  CallOutcome Failed(const char *cause, const CDeadline &deadline);

  std::unique_ptr<CScpiLink> m_link;
  CScpiProfile m_profile;
  int m_timeoutMs;
};

} // namespace pwrio
