#pragma once
#include <string>

#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// Tells the program and the person running it why the device is absent or why a call failed,
// once per change: a line "pwrio: ..." on standard error and, when PWRIO_STATUS_FD names the
// write end of a pipe (or a socket) the program reads, the same line without the prefix there.
// Writes never block: a program that does not read loses lines, not time.
//
// A failed set call's reason stays until a set call succeeds or a search fails: the device
// watch's next successful search must not wipe it before anyone has read it.
class CStatusReport {
public:
  static constexpr const char *kFdVariable = "PWRIO_STATUS_FD";

  void Searched(const std::string &where, const CallOutcome &outcome);
  void SetDone(const std::string &where, int channel, const CallOutcome &outcome);

  const std::string &Line() const { return m_line; }

private:
  void Show(std::string line);
  std::string Ready(const std::string &where) const;

  std::string m_line;
  std::string m_identity;
  std::string m_where;
  bool m_setFailed = false;
};

} // namespace pwrio
