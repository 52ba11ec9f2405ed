#include "device/pwrio/CSerialLink.h"

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <utility>

namespace pwrio {
namespace {

speed_t Speed(int baud) {
  switch (baud) {
  case 1200:
    return B1200;
  case 2400:
    return B2400;
  case 4800:
    return B4800;
  case 19200:
    return B19200;
  case 38400:
    return B38400;
  case 57600:
    return B57600;
  case 115200:
    return B115200;
  case 230400:
    return B230400;
  default:
    return B9600;
  }
}

} // namespace

CSerialLink::CSerialLink(std::string device, int baud, std::string lineEnd)
    : CScpiLink(std::move(lineEnd)), m_device(std::move(device)), m_baud(baud) {}

bool CSerialLink::OpenDescriptor(const CDeadline & /*deadline*/) {
  m_fd = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (m_fd < 0) {
    return Fail("no_connect", errno);
  }
  termios tio{};
  if (::tcgetattr(m_fd, &tio) != 0) {
    return Fail("no_connect", errno);
  }
  ::cfmakeraw(&tio);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS | CSTOPB | PARENB);
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  // With VMIN 0 a read on an idle line returns 0, which reads like a hang-up; with 1 and
  // O_NONBLOCK it says EAGAIN, and poll does the waiting.
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  ::cfsetispeed(&tio, Speed(m_baud));
  ::cfsetospeed(&tio, Speed(m_baud));
  if (::tcsetattr(m_fd, TCSANOW, &tio) != 0) {
    return Fail("no_connect");
  }
  // Whatever the port held from before we opened it is not an answer to us.
  ::tcflush(m_fd, TCIOFLUSH);
  return true;
}

} // namespace pwrio
