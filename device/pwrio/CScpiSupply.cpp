#include "device/pwrio/CScpiSupply.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

#include "device/pwrio/CScpiReply.h"

namespace pwrio {

CScpiSupply::CScpiSupply(std::unique_ptr<CScpiLink> link, CScpiProfile profile, int timeoutMs)
    : m_session(std::move(link), std::move(profile)), m_timeoutMs(timeoutMs) {}

CallOutcome CScpiSupply::Failed(const CDeadline &deadline) const {
  return {false, m_session.Cause() ? m_session.Cause() : "closed", deadline.ElapsedMs(),
          m_session.Reason()};
}

CallOutcome CScpiSupply::Search() {
  const CDeadline deadline(m_timeoutMs);
  std::string identity;
  if (m_session.Begin(deadline) && m_session.Identify(identity, deadline)) {
    return {true, nullptr, deadline.ElapsedMs(), identity};
  }
  return Failed(deadline);
}

bool CScpiSupply::Program(int channel, int onFlag, int millivolts, int &readBack,
                          const CDeadline &deadline) {
  const CScpiProfile &profile = m_session.Profile();
  const bool setPoint = onFlag == 1 && channel <= 1;
  if (!m_session.Begin(deadline) || !m_session.Select(channel, deadline) ||
      !m_session.CheckErrors(deadline)) {
    return false;
  }
  if (setPoint) {
    int programmed = 0;
    if (!m_session.Send(profile.setVoltage, channel, millivolts, deadline) ||
        (!profile.readSetpoint.empty() &&
         !m_session.ReadMillivolts(profile.readSetpoint, channel, programmed, deadline))) {
      return false;
    }
    // The output is only switched on at a set point the instrument confirmed.
    if (!profile.readSetpoint.empty() &&
        std::abs(programmed - millivolts) >= profile.resolutionMv) {
      return m_session.Fail("bad_setpoint", "set point not taken: " + profile.readSetpoint +
                                                " answered " + VoltsText(programmed) + ", sent " +
                                                VoltsText(millivolts));
    }
  }
  return m_session.Send(onFlag == 1 ? profile.outputOn : profile.outputOff, channel, millivolts,
                        deadline) &&
         m_session.ReadMillivolts(profile.readVoltage, channel, readBack, deadline) &&
         m_session.CheckErrors(deadline);
}

CallOutcome CScpiSupply::SetVolt(int channel, int onFlag, int *pair) {
  const CDeadline deadline(m_timeoutMs);
  int millivolts = 0;
  if (onFlag == 1 && channel <= 1) {
    const std::int64_t mv = std::int64_t{pair[0]} * 100 + pair[1];
    const int top = CScpiReply::MaxMillivolts(channel);
    if (mv < 0 || mv > top || pair[0] < 0 || pair[1] < 0) {
      // Nothing was sent, so the connection is still good.
      return {false, "bad_volts", 0,
              "set point " + std::to_string(pair[0]) + "," + std::to_string(pair[1]) +
                  " outside 0.000 ... " + VoltsText(top) + ", not sent"};
    }
    millivolts = static_cast<int>(mv);
  }
  int readBack = 0;
  if (!Program(channel, onFlag, millivolts, readBack, deadline)) {
    return Failed(deadline);
  }
  const int shown = onFlag == 1 ? readBack : 0;
  pair[0] = shown / 100;
  pair[1] = shown % 100;
  return {true, nullptr, deadline.ElapsedMs(), {}};
}

} // namespace pwrio
