#pragma once
#include <memory>
#include <string>

#include "device/pwrio/CScpiSession.h"
#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// A real instrument spoken to in SCPI through a command profile. Every call has one time budget
// (the configured bound) for connecting, sending, confirming and reading back; whatever goes
// wrong within it fails the call and closes the connection. Any later call connects again, so
// the device watch's next dsoSearch finds the instrument once it is back.
//
// dsoSearch asks identify and wants an identity. A set call never reports what it has not
// confirmed: it selects the channel and checks the selection and the error queue before
// anything is set; programs the set point and reads it back (CH1 and CH2 switched on) before the
// output is switched on; switches the output; reads the voltage back and checks the error queue
// once more. The pair gets the measured answer, or 0, 0 for an output switched off.
class CScpiSupply final : public ISupplyBackend {
public:
  CScpiSupply(std::unique_ptr<CScpiLink> link, CScpiProfile profile, int timeoutMs);

  CallOutcome Search() override;
  CallOutcome SetVolt(int channel, int onFlag, int *pair) override;

  CScpiSession &Session() { return m_session; }
  int TimeoutMs() const { return m_timeoutMs; }

private:
  bool Program(int channel, int onFlag, int millivolts, int &readBack, const CDeadline &deadline);
  CallOutcome Failed(const CDeadline &deadline) const;

  CScpiSession m_session;
  int m_timeoutMs;
};

} // namespace pwrio
