#include "device/pwrio/CScpiLink.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace pwrio {

CScpiLink::CScpiLink(std::string lineEnd) : m_lineEnd(std::move(lineEnd)) {}

CScpiLink::~CScpiLink() {
  Close();
}

bool CScpiLink::Open(const CDeadline &deadline) {
  Close();
  m_cause = nullptr;
  m_error = 0;
  return OpenDescriptor(deadline);
}

void CScpiLink::Close() {
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  m_buffer.Clear();
}

std::string CScpiLink::Detail() const {
  return m_error != 0 ? std::string(std::strerror(m_error)) : std::string();
}

bool CScpiLink::Fail(const char *cause, int error) {
  m_cause = cause;
  m_error = error;
  Close();
  return false;
}

bool CScpiLink::Wait(short events, const CDeadline &deadline) {
  for (;;) {
    const int left = deadline.RemainingMs();
    if (left <= 0) {
      return Fail("timeout");
    }
    pollfd pfd{m_fd, events, 0};
    const int n = ::poll(&pfd, 1, left);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return Fail("io_error", errno);
    }
    if (n == 0) {
      continue; // the deadline check above ends it
    }
    // A hang-up still lets the reader see what arrived before it.
    if ((pfd.revents & events) != 0) {
      return true;
    }
    return Fail((pfd.revents & POLLHUP) != 0 ? "closed" : "io_error");
  }
}

long CScpiLink::WriteSome(const char *data, std::size_t size) {
  return ::write(m_fd, data, size);
}

bool CScpiLink::SendLine(std::string_view text, const CDeadline &deadline) {
  if (!IsOpen()) {
    return Fail("closed");
  }
  std::string out(text);
  out += m_lineEnd;
  std::size_t sent = 0;
  while (sent < out.size()) {
    const long n = WriteSome(out.data() + sent, out.size() - sent);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!Wait(POLLOUT, deadline)) {
        return false;
      }
      continue;
    }
    const int error = n < 0 ? errno : 0;
    return Fail(error == EPIPE ? "closed" : "io_error", error);
  }
  return true;
}

bool CScpiLink::ReadLine(std::string &line, const CDeadline &deadline) {
  if (!IsOpen()) {
    return Fail("closed");
  }
  for (;;) {
    switch (m_buffer.Take(line)) {
    case CLineBuffer::Next::kLine:
      return true;
    case CLineBuffer::Next::kTooLong:
      return Fail("too_long");
    case CLineBuffer::Next::kNeedMore:
      break;
    }
    if (!ReadMore(deadline)) {
      return false;
    }
  }
}

bool CScpiLink::ReadMore(const CDeadline &deadline) {
  if (!Wait(POLLIN, deadline)) {
    return false;
  }
  char chunk[128];
  const long n = ::read(m_fd, chunk, sizeof chunk);
  if (n > 0) {
    m_buffer.Append(chunk, static_cast<std::size_t>(n));
  } else if (n == 0) {
    return Fail("closed");
  } else if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) {
    return Fail("io_error", errno);
  }
  return true;
}

bool CScpiLink::Discard() {
  if (!IsOpen()) {
    return Fail("closed");
  }
  m_buffer.Clear();
  char chunk[256];
  // Bounded: an instrument that floods us is not one we can talk to.
  for (int i = 0; i < 64; ++i) {
    const long n = ::read(m_fd, chunk, sizeof chunk);
    if (n > 0) {
      continue;
    }
    if (n == 0) {
      return Fail("closed");
    }
    if (errno == EINTR) {
      continue;
    }
    return errno == EAGAIN || errno == EWOULDBLOCK ? true : Fail("io_error", errno);
  }
  return Fail("too_long");
}

} // namespace pwrio
