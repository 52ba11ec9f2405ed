#include "device/scpisim/CSimServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace scpisim {
namespace {

void WriteAll(int fd, const std::string &data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const long n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == ENOTSOCK) {
      // The pseudo-terminal is no socket.
      const long w = ::write(fd, data.data() + sent, data.size() - sent);
      if (w <= 0) {
        return;
      }
      sent += static_cast<std::size_t>(w);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return;
    }
  }
}

} // namespace

CSimServer::CSimServer(const Options &options) : m_options(options), m_simulator(options.faults) {}

CSimServer::~CSimServer() {
  DropClient();
  if (m_listenFd >= 0) {
    ::close(m_listenFd);
  }
  if (m_ptySlaveFd >= 0) {
    ::close(m_ptySlaveFd);
  }
  if (m_log && m_log != stdout) {
    std::fclose(m_log);
  }
}

bool CSimServer::Start(std::string &error) {
  m_log = m_options.logPath.empty() ? stdout : std::fopen(m_options.logPath.c_str(), "ab");
  if (!m_log) {
    error = "cannot open log " + m_options.logPath;
    return false;
  }
  if (m_options.pty) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
      error = "no pseudo-terminal";
      return false;
    }
    const std::string slave = ::ptsname(master);
    // Holding the slave open ourselves keeps the master from hanging up between clients.
    m_ptySlaveFd = ::open(slave.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    if (m_ptySlaveFd < 0 || ::tcgetattr(m_ptySlaveFd, &tio) != 0) {
      error = "cannot open " + slave;
      return false;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(m_ptySlaveFd, TCSANOW, &tio);
    m_clientFd = master;
    std::fputs(("PTY " + slave + "\n").c_str(), stdout);
    std::fflush(stdout);
    return true;
  }

  m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int one = 1;
  // A restarted simulator takes its old port back at once.
  ::setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(m_options.port));
  if (m_listenFd < 0 ||
      ::bind(m_listenFd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
      ::listen(m_listenFd, 4) != 0) {
    error = "cannot listen on 127.0.0.1:" + std::to_string(m_options.port);
    return false;
  }
  socklen_t length = sizeof address;
  ::getsockname(m_listenFd, reinterpret_cast<sockaddr *>(&address), &length);
  std::fputs(("PORT " + std::to_string(ntohs(address.sin_port)) + "\n").c_str(), stdout);
  std::fflush(stdout);
  return true;
}

void CSimServer::DropClient() {
  if (m_clientFd >= 0 && !m_options.pty) {
    ::close(m_clientFd);
    m_clientFd = -1;
  }
  m_pending.clear();
}

void CSimServer::Log(const std::string &line) {
  std::fputs(line.c_str(), m_log);
  std::fputc('\n', m_log);
  std::fflush(m_log);
}

void CSimServer::Answer(int fd, const std::string &reply) {
  if (m_options.delayMs > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(m_options.delayMs));
  }
  if (m_options.silent) {
    return;
  }
  if (m_options.flood) {
    WriteAll(fd, std::string(4096, '9'));
  } else if (m_options.garbage) {
    WriteAll(fd, "#?garbage\x7f!\n");
  } else {
    WriteAll(fd, m_options.noEol ? reply : reply + "\n");
  }
}

void CSimServer::Serve(int fd) {
  char chunk[512];
  const long n = ::read(fd, chunk, sizeof chunk);
  if (n <= 0) {
    if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
      DropClient();
    }
    return;
  }
  m_pending.append(chunk, static_cast<std::size_t>(n));
  std::size_t lf;
  while (m_clientFd >= 0 && (lf = m_pending.find('\n')) != std::string::npos) {
    std::string line = m_pending.substr(0, lf);
    m_pending.erase(0, lf + 1);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    Log(line);
    if (m_options.slowMs > 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(m_options.slowMs));
    }
    const auto reply = m_simulator.Handle(line);
    if (m_options.drop) {
      // The cable pulled in the middle of an answer.
      if (reply) {
        WriteAll(fd, reply->substr(0, reply->size() / 2));
      }
      DropClient();
      return;
    }
    if (reply) {
      Answer(fd, *reply);
    }
  }
  if (m_pending.size() > 4096) {
    m_pending.clear();
  }
}

int CSimServer::Run() {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(m_options.maxSeconds);
  while (std::chrono::steady_clock::now() < end) {
    pollfd fds[2];
    nfds_t count = 0;
    if (m_listenFd >= 0) {
      fds[count++] = {m_listenFd, POLLIN, 0};
    }
    if (m_clientFd >= 0) {
      fds[count++] = {m_clientFd, POLLIN, 0};
    }
    const int n = ::poll(fds, count, 200);
    if (n <= 0) {
      continue;
    }
    for (nfds_t i = 0; i < count; ++i) {
      if (fds[i].revents == 0) {
        continue;
      }
      if (fds[i].fd == m_listenFd) {
        const int client = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
          // One short answer per query: sending it at once is what an instrument does.
          const int one = 1;
          ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
          DropClient();
          m_clientFd = client;
        }
      } else if (fds[i].fd == m_clientFd) {
        Serve(m_clientFd);
      }
    }
  }
  return 0;
}

} // namespace scpisim
