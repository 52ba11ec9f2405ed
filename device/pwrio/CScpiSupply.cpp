#include "device/pwrio/CScpiSupply.h"

#include <cstdint>
#include <utility>

#include "device/pwrio/CScpiReply.h"

namespace pwrio {

CScpiSupply::CScpiSupply(std::unique_ptr<CScpiLink> link, CScpiProfile profile, int timeoutMs)
    : m_link(std::move(link)), m_profile(std::move(profile)), m_timeoutMs(timeoutMs) {}

CallOutcome CScpiSupply::Failed(const char *cause, const CDeadline &deadline) {
  m_link->Close();
  return {false, cause, deadline.ElapsedMs()};
}

bool CScpiSupply::Connect(const CDeadline &deadline) {
  // An instrument that closed the connection while we were idle (restarted, or its single
  // socket taken over) shows as end-of-file here, and is connected again before anything is
  // sent rather than failing this call.
  if (m_link->IsOpen() && m_link->Discard()) {
    return true;
  }
  return m_link->Open(deadline);
}

bool CScpiSupply::Command(const std::string &pattern, int channel, int millivolts,
                          const CDeadline &deadline) {
  // An empty template is an operation this instrument does not need.
  return pattern.empty() ||
         m_link->SendLine(m_profile.Expand(pattern, channel, millivolts), deadline);
}

bool CScpiSupply::Query(const std::string &text, std::string &reply, const CDeadline &deadline) {
  return m_link->Discard() && m_link->SendLine(text, deadline) && m_link->ReadLine(reply, deadline);
}

bool CScpiSupply::Identify(const CDeadline &deadline) {
  std::string reply;
  return Connect(deadline) && Query(m_profile.identify, reply, deadline) &&
         CScpiReply::IsIdentity(reply, m_profile.idnContains);
}

CallOutcome CScpiSupply::Search() {
  const CDeadline deadline(m_timeoutMs);
  if (Identify(deadline)) {
    return {true, nullptr, deadline.ElapsedMs()};
  }
  // Still open: the instrument answered, but not with an identity we accept.
  const char *cause = m_link->IsOpen() ? "bad_reply" : m_link->Cause();
  return Failed(cause ? cause : "bad_reply", deadline);
}

CallOutcome CScpiSupply::SetVolt(int channel, int onFlag, int *pair) {
  const CDeadline deadline(m_timeoutMs);
  const bool adjustable = channel <= 1;
  int millivolts = 0;
  if (onFlag == 1 && adjustable) {
    const std::int64_t mv = std::int64_t{pair[0]} * 100 + pair[1];
    if (mv < 0 || mv > CScpiReply::MaxMillivolts(channel)) {
      // Nothing was sent, so the connection is still good.
      return {false, "bad_volts", 0};
    }
    millivolts = static_cast<int>(mv);
  }

  std::string reply;
  const bool sent =
      Connect(deadline) && Command(m_profile.select, channel, millivolts, deadline) &&
      (onFlag == 0 || !adjustable ||
       Command(m_profile.setVoltage, channel, millivolts, deadline)) &&
      Command(onFlag == 1 ? m_profile.outputOn : m_profile.outputOff, channel, millivolts,
              deadline) &&
      Query(m_profile.Expand(m_profile.readVoltage, channel, millivolts), reply, deadline);
  if (!sent) {
    return Failed(m_link->Cause() ? m_link->Cause() : "closed", deadline);
  }
  const auto readBack = CScpiReply::ParseMillivolts(reply, channel);
  if (!readBack) {
    return Failed("bad_reply", deadline);
  }
  const int shown = onFlag == 1 ? *readBack : 0;
  pair[0] = shown / 100;
  pair[1] = shown % 100;
  return {true, nullptr, deadline.ElapsedMs()};
}

} // namespace pwrio
