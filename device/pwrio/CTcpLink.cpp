#include "device/pwrio/CTcpLink.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <utility>

namespace pwrio {

CTcpLink::CTcpLink(std::string host, int port, std::string lineEnd)
    : CScpiLink(std::move(lineEnd)), m_host(std::move(host)), m_port(port) {}

bool CTcpLink::OpenDescriptor(const CDeadline &deadline) {
  sockaddr_storage address{};
  socklen_t length = 0;
  auto *v4 = reinterpret_cast<sockaddr_in *>(&address);
  auto *v6 = reinterpret_cast<sockaddr_in6 *>(&address);
  if (inet_pton(AF_INET, m_host.c_str(), &v4->sin_addr) == 1) {
    v4->sin_family = AF_INET;
    v4->sin_port = htons(static_cast<std::uint16_t>(m_port));
    length = sizeof(sockaddr_in);
  } else if (inet_pton(AF_INET6, m_host.c_str(), &v6->sin6_addr) == 1) {
    v6->sin6_family = AF_INET6;
    v6->sin6_port = htons(static_cast<std::uint16_t>(m_port));
    length = sizeof(sockaddr_in6);
  } else {
    return Fail("no_connect");
  }

  m_fd = ::socket(address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (m_fd < 0) {
    return Fail("no_connect", errno);
  }
  // Commands are short lines; waiting to merge them only adds latency.
  const int one = 1;
  ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);

  if (::connect(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0) {
    return true;
  }
  if (errno != EINPROGRESS && errno != EINTR) {
    return Fail("no_connect", errno);
  }
  for (;;) {
    const int left = deadline.RemainingMs();
    if (left <= 0) {
      return Fail("timeout");
    }
    pollfd pfd{m_fd, POLLOUT, 0};
    const int n = ::poll(&pfd, 1, left);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      return Fail("no_connect", errno);
    }
    if (n > 0) {
      break;
    }
  }
  int error = 0;
  socklen_t size = sizeof error;
  if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
    return Fail("no_connect", errno);
  }
  if (error != 0) {
    return Fail("no_connect", error);
  }
  return true;
}

// send() rather than write(): a peer that went away must not raise SIGPIPE in the panel.
long CTcpLink::WriteSome(const char *data, std::size_t size) {
  return ::send(m_fd, data, size, MSG_NOSIGNAL);
}

} // namespace pwrio
