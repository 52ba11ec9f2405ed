#include "device/pwrio/CScpiSession.h"

#include <string_view>
#include <utility>

#include "device/pwrio/CScpiReply.h"

namespace pwrio {
namespace {

// More entries than an instrument's queue holds means the query is not what it seems.
constexpr int kMaxErrorEntries = 32;

std::string Quoted(const std::string &text) {
  return "\"" + text + "\"";
}

} // namespace

std::string QuotedReply(const std::string &reply) {
  std::string out;
  for (const char c : reply.substr(0, 40)) {
    out += c >= 0x20 && c <= 0x7e ? c : '?';
  }
  return Quoted(out + (reply.size() > 40 ? "..." : ""));
}

std::string VoltsText(int millivolts) {
  std::string out = millivolts < 0 ? "-" : "";
  const int mv = millivolts < 0 ? -millivolts : millivolts;
  const int frac = mv % 1000;
  out += std::to_string(mv / 1000) + "." + static_cast<char>('0' + frac / 100) +
         static_cast<char>('0' + frac / 10 % 10) + static_cast<char>('0' + frac % 10) + " V";
  return out;
}

CScpiSession::CScpiSession(std::unique_ptr<CScpiLink> link, CScpiProfile profile)
    : m_link(std::move(link)), m_profile(std::move(profile)) {}

bool CScpiSession::Fail(const char *cause, std::string reason) {
  m_link->Close();
  m_cause = cause;
  m_reason = std::move(reason);
  return false;
}

bool CScpiSession::LinkFailed(const CDeadline &deadline) {
  // The link's causes are string literals, so keeping the pointer is safe.
  const char *cause = m_link->Cause() ? m_link->Cause() : "closed";
  const std::string_view kind(cause);
  const std::string detail = m_link->Detail().empty() ? std::string() : ": " + m_link->Detail();
  const std::string at = m_step.empty() ? std::string() : " (at " + Quoted(m_step) + ")";
  const std::string bound = " within " + std::to_string(deadline.BudgetMs()) + " ms";
  if (kind == "no_connect") {
    return Fail(cause, "no connection" + detail);
  }
  if (kind == "timeout") {
    return Fail(cause, m_step.empty() ? "timeout: no connection" + bound
                                      : "timeout: no answer to " + Quoted(m_step) + bound);
  }
  if (kind == "too_long") {
    return Fail(cause, "bad reply: an answer longer than a line" + at);
  }
  if (kind == "io_error") {
    return Fail(cause, "input/output error" + detail + at);
  }
  return Fail("closed", "connection closed by the instrument" + at);
}

bool CScpiSession::Begin(const CDeadline &deadline) {
  m_cause = nullptr;
  m_reason.clear();
  m_step.clear();
  // An instrument that closed the connection while we were idle (restarted, or its single
  // socket taken over) shows as end-of-file here, and is connected again before anything is
  // sent rather than failing this call.
  if (m_link->IsOpen() && m_link->Discard()) {
    return true;
  }
  if (!m_link->Open(deadline)) {
    return LinkFailed(deadline);
  }
  std::vector<std::string> stale;
  return DrainErrors(deadline, stale);
}

bool CScpiSession::Send(const std::string &pattern, int channel, int millivolts,
                        const CDeadline &deadline) {
  if (pattern.empty()) {
    return true;
  }
  m_step = m_profile.Expand(pattern, channel, millivolts);
  return m_link->SendLine(m_step, deadline) || LinkFailed(deadline);
}

bool CScpiSession::Ask(const std::string &query, std::string &reply, const CDeadline &deadline) {
  m_step = query;
  return (m_link->Discard() && m_link->SendLine(query, deadline) &&
          m_link->ReadLine(reply, deadline)) ||
         LinkFailed(deadline);
}

bool CScpiSession::Identify(std::string &identity, const CDeadline &deadline) {
  if (!Ask(m_profile.identify, identity, deadline)) {
    return false;
  }
  if (!CScpiReply::IsIdentity(identity, {}, m_profile.scpiIdentity)) {
    return Fail(
        "bad_reply",
        "bad reply: " + Quoted(m_profile.identify) + " answered " + QuotedReply(identity) +
            (m_profile.scpiIdentity ? ", not maker,model,serial,firmware" : ", not an identity"));
  }
  if (!CScpiReply::IsIdentity(identity, m_profile.idnContains, false)) {
    return Fail("wrong_instrument", "wrong instrument: " + QuotedReply(identity) +
                                        " does not contain " + Quoted(m_profile.idnContains));
  }
  return true;
}

bool CScpiSession::Select(int channel, const CDeadline &deadline) {
  if (!Send(m_profile.select, channel, 0, deadline)) {
    return false;
  }
  if (m_profile.select.empty() || m_profile.selectQuery.empty()) {
    return true;
  }
  std::string reply;
  if (!Ask(m_profile.selectQuery, reply, deadline)) {
    return false;
  }
  const int wanted = m_profile.channels[static_cast<std::size_t>(channel)];
  const auto selected = CScpiReply::ParseChannelNumber(reply);
  if (!selected) {
    return Fail("bad_reply",
                "bad reply: " + Quoted(m_profile.selectQuery) + " answered " + QuotedReply(reply));
  }
  if (*selected != wanted) {
    return Fail("wrong_channel", "wrong channel: " + Quoted(m_profile.selectQuery) + " answered " +
                                     std::to_string(*selected) + ", expected " +
                                     std::to_string(wanted));
  }
  return true;
}

bool CScpiSession::ReadMillivolts(const std::string &pattern, int channel, int &millivolts,
                                  const CDeadline &deadline) {
  const std::string query = m_profile.Expand(pattern, channel, 0);
  std::string reply;
  if (!Ask(query, reply, deadline)) {
    return false;
  }
  const auto mv = CScpiReply::ParseMillivolts(reply, channel);
  if (!mv) {
    return Fail("bad_reply", "bad reply: " + Quoted(query) + " answered " + QuotedReply(reply) +
                                 ", not a voltage within the channel's range");
  }
  millivolts = *mv;
  return true;
}

bool CScpiSession::DrainErrors(const CDeadline &deadline, std::vector<std::string> &entries) {
  if (m_profile.errorQuery.empty()) {
    return true;
  }
  for (int i = 0; i < kMaxErrorEntries; ++i) {
    std::string reply;
    if (!Ask(m_profile.errorQuery, reply, deadline)) {
      return false;
    }
    const auto code = CScpiReply::ParseErrorCode(reply);
    if (!code) {
      return Fail("bad_reply", "bad reply: " + Quoted(m_profile.errorQuery) + " answered " +
                                   QuotedReply(reply) + ", not an error queue entry");
    }
    if (*code == 0) {
      return true;
    }
    entries.push_back(reply);
  }
  return Fail("bad_reply",
              "bad reply: " + Quoted(m_profile.errorQuery) + " never answered 0 (no error)");
}

bool CScpiSession::CheckErrors(const CDeadline &deadline, std::vector<std::string> *entries) {
  std::vector<std::string> found;
  const bool drained = DrainErrors(deadline, found);
  if (entries) {
    *entries = found;
  }
  if (!drained) {
    return false;
  }
  if (found.empty()) {
    return true;
  }
  std::string text = "instrument error: " + found.front();
  for (std::size_t i = 1; i < found.size(); ++i) {
    text += "; " + found[i];
  }
  return Fail("scpi_error", text);
}

} // namespace pwrio
