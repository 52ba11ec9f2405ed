#pragma once
#include <memory>
#include <string>
#include <vector>

#include "device/pwrio/CScpiLink.h"
#include "device/pwrio/CScpiProfile.h"

namespace pwrio {

// One conversation with an instrument through its profile: the steps a call is made of (send a
// command, ask a query, confirm the channel, read a voltage, empty the error queue), each within
// the call's deadline. The first step that fails closes the link and keeps a short cause for the
// call log and a sentence for a person, naming the line that was on the wire.
class CScpiSession {
public:
  CScpiSession(std::unique_ptr<CScpiLink> link, CScpiProfile profile);

  const CScpiProfile &Profile() const { return m_profile; }

  // Connects when the link is closed. A fresh connection starts by emptying the error queue:
  // what an earlier user left there is not ours to report.
  bool Begin(const CDeadline &deadline);
  // Sends the template filled in; an empty template is an operation the instrument does not need.
  bool Send(const std::string &pattern, int channel, int millivolts, const CDeadline &deadline);
  bool Ask(const std::string &query, std::string &reply, const CDeadline &deadline);
  // Asks identify; the answer must have the identity's shape and the profile's idn_contains.
  bool Identify(std::string &identity, const CDeadline &deadline);
  // Sends select and, when the profile has select_query, checks that the instrument now has
  // that channel selected.
  bool Select(int channel, const CDeadline &deadline);
  // Asks a voltage query of the channel and reads its answer in millivolts.
  bool ReadMillivolts(const std::string &pattern, int channel, int &millivolts,
                      const CDeadline &deadline);
  // Asks error_query until it answers "0,...". Any other entry fails the step with its text;
  // entries (when given) receives them all.
  bool CheckErrors(const CDeadline &deadline, std::vector<std::string> *entries = nullptr);

  // Closes the link and records why; always false.
  bool Fail(const char *cause, std::string reason);
  const char *Cause() const { return m_cause; }
  const std::string &Reason() const { return m_reason; }

private:
  bool LinkFailed(const CDeadline &deadline);
  bool DrainErrors(const CDeadline &deadline, std::vector<std::string> &entries);

  std::unique_ptr<CScpiLink> m_link;
  CScpiProfile m_profile;
  // The line last put on the wire, for the failure's sentence.
  std::string m_step;
  const char *m_cause = nullptr;
  std::string m_reason;
};

// A reply as it may appear inside a message: quoted, printable, at most 40 characters.
std::string QuotedReply(const std::string &reply);
// Millivolts as volts with three decimals ("5.123 V").
std::string VoltsText(int millivolts);

} // namespace pwrio
