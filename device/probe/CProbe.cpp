#include "device/probe/CProbe.h"

#include <cstring>
#include <vector>

#include "device/pwrio/CBackendSwitch.h"

namespace pwrio {

CProbe::Status CProbe::StatusOf(const char *cause) {
  struct Entry {
    const char *cause;
    Status status;
  };
  static const Entry kEntries[] = {
      {"bad_config", kConfiguration},
      {"no_connect", kNoConnection},
      {"timeout", kTimeout},
      {"closed", kConnectionLost},
      {"io_error", kConnectionLost},
      {"bad_reply", kBadReply},
      {"too_long", kBadReply},
      {"wrong_instrument", kWrongInstrument},
      {"scpi_error", kInstrumentError},
      {"wrong_channel", kWrongChannel},
      {"bad_setpoint", kSetPointNotTaken},
  };
  for (const Entry &entry : kEntries) {
    if (cause && std::strcmp(cause, entry.cause) == 0) {
      return entry.status;
    }
  }
  return kConnectionLost;
}

int CProbe::Failed(const std::string &where, const CScpiSession &session) {
  m_err << "pwrio-probe: " << where << ": " << session.Reason() << '\n';
  return StatusOf(session.Cause());
}

bool CProbe::ReadChannel(CScpiSupply &supply, int channel, const CDeadline &deadline) {
  CScpiSession &session = supply.Session();
  int mv = 0;
  if (!session.Select(channel, deadline) ||
      !session.ReadMillivolts(session.Profile().readVoltage, channel, mv, deadline)) {
    return false;
  }
  m_out << "CH" << channel + 1 << "       " << VoltsText(mv) << " (instrument channel "
        << session.Profile().channels[static_cast<std::size_t>(channel)] << ")\n";
  return true;
}

bool CProbe::VerifyChannel(CScpiSupply &supply, int channel, const CDeadline &deadline) {
  CScpiSession &session = supply.Session();
  const CScpiProfile &profile = session.Profile();
  if (!session.Select(channel, deadline) || !session.CheckErrors(deadline)) {
    return false;
  }
  std::string done = profile.select.empty() || profile.selectQuery.empty() ? "no selection check"
                                                                           : "selection confirmed";
  if (channel <= 1 && !profile.readSetpoint.empty()) {
    int before = 0;
    int after = 0;
    if (!session.ReadMillivolts(profile.readSetpoint, channel, before, deadline) ||
        !session.Send(profile.setVoltage, channel, before, deadline) ||
        !session.ReadMillivolts(profile.readSetpoint, channel, after, deadline)) {
      return false;
    }
    if (after != before) {
      return session.Fail("bad_setpoint", "set point not taken: " + profile.readSetpoint +
                                              " answered " + VoltsText(after) + ", sent " +
                                              VoltsText(before));
    }
    done += ", set point " + VoltsText(before) + " written back and confirmed";
  }
  if (!session.CheckErrors(deadline)) {
    return false;
  }
  m_out << "verify    CH" << channel + 1 << " ok: " << done << '\n';
  return true;
}

int CProbe::Run(CBackendConfig config, bool verify) {
  const std::string where = config.text.empty() ? std::string("sim") : config.text;
  if (config.kind == CBackendConfig::Kind::kSimulated) {
    m_err << "pwrio-probe: no instrument configured: set PWRIO_BACKEND or pass --backend\n";
    return kUsage;
  }
  std::unique_ptr<CScpiSupply> supply;
  if (config.kind != CBackendConfig::Kind::kInvalid) {
    supply = CBackendSwitch::MakeInstrument(config);
  }
  if (!supply) {
    m_err << "pwrio-probe: configuration error: " << config.error << '\n';
    return kConfiguration;
  }
  m_out << "backend   " << where << '\n'
        << "profile   "
        << (config.profilePath.empty() ? std::string("generic (compiled in)") : config.profilePath)
        << '\n';
  CScpiSession &session = supply->Session();
  // One budget per step, as the library gives one per call.
  {
    const CDeadline deadline(config.timeoutMs);
    std::string identity;
    if (!session.Begin(deadline) || !session.Identify(identity, deadline)) {
      return Failed(where, session);
    }
    m_out << "identity  " << identity << '\n';
  }
  for (int channel = 0; channel < 4; ++channel) {
    const CDeadline deadline(config.timeoutMs);
    if (!ReadChannel(*supply, channel, deadline)) {
      return Failed(where, session);
    }
  }
  {
    const CDeadline deadline(config.timeoutMs);
    std::vector<std::string> entries;
    if (session.Profile().errorQuery.empty()) {
      m_out << "errors    not asked (error_query is empty)\n";
    } else if (!session.CheckErrors(deadline, &entries)) {
      for (const std::string &entry : entries) {
        m_out << "errors    " << entry << '\n';
      }
      return Failed(where, session);
    } else {
      m_out << "errors    none\n";
    }
  }
  for (int channel = 0; verify && channel < 4; ++channel) {
    const CDeadline deadline(config.timeoutMs);
    if (!VerifyChannel(*supply, channel, deadline)) {
      return Failed(where, session);
    }
  }
  return kOk;
}

} // namespace pwrio
