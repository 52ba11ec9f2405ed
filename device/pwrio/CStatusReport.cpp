#include "device/pwrio/CStatusReport.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "device/pwrio/ConfigText.h"

namespace pwrio {
namespace {

std::string Why(const CallOutcome &outcome) {
  if (!outcome.text.empty()) {
    return outcome.text;
  }
  return outcome.cause ? std::string(outcome.cause) : std::string("failed");
}

// Only a pipe or a socket: a stale number must not write into some file the program has open.
void WriteToStatusPipe(const std::string &line) {
  const char *text = std::getenv(CStatusReport::kFdVariable);
  const auto fd = text ? WholeNumber(text) : std::nullopt;
  struct stat info {};
  if (!fd || *fd < 0 || ::fstat(*fd, &info) != 0 ||
      !(S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode))) {
    return;
  }
  const int flags = ::fcntl(*fd, F_GETFL);
  if (flags >= 0 && (flags & O_NONBLOCK) == 0) {
    ::fcntl(*fd, F_SETFL, flags | O_NONBLOCK);
  }
  const std::string out = line + "\n";
  // One write of a line under PIPE_BUF arrives whole or not at all.
  [[maybe_unused]] const auto written = ::write(*fd, out.data(), out.size());
}

} // namespace

std::string CStatusReport::Ready(const std::string &where) const {
  return where + ": ready" + (m_identity.empty() ? std::string() : ", " + m_identity);
}

void CStatusReport::Searched(const std::string &where, const CallOutcome &outcome) {
  // A failure on another device says nothing about this one.
  if (where != m_where) {
    m_where = where;
    m_setFailed = false;
  }
  if (!outcome.done) {
    m_setFailed = false;
    m_identity.clear();
    Show(where + ": device absent: " + Why(outcome));
    return;
  }
  m_identity = outcome.text;
  if (!m_setFailed) {
    Show(Ready(where));
  }
}

void CStatusReport::SetDone(const std::string &where, int channel, const CallOutcome &outcome) {
  m_where = where;
  m_setFailed = !outcome.done;
  Show(outcome.done ? Ready(where)
                    : where + ": CH" + std::to_string(channel + 1) + " not set: " + Why(outcome));
}

void CStatusReport::Show(std::string line) {
  if (line.size() > 400) {
    line.resize(400);
  }
  if (line == m_line) {
    return;
  }
  m_line = std::move(line);
  std::fprintf(stderr, "pwrio: %s\n", m_line.c_str());
  WriteToStatusPipe(m_line);
}

} // namespace pwrio
