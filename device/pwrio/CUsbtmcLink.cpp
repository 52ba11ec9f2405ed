#include "device/pwrio/CUsbtmcLink.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <linux/usb/tmc.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>

namespace pwrio {
namespace {

// The driver refuses shorter timeouts.
constexpr int kDriverMinTimeoutMs = 100;

} // namespace

CUsbtmcLink::CUsbtmcLink(std::string device, int vendor, int product, std::string serial,
                         std::string lineEnd, CUsbtmcDevices devices)
    : CScpiLink(std::move(lineEnd)), m_device(std::move(device)), m_vendor(vendor),
      m_product(product), m_serial(std::move(serial)), m_devices(std::move(devices)) {}

bool CUsbtmcLink::OpenDescriptor(const CDeadline &deadline) {
  const std::string path =
      m_device.empty() ? m_devices.Find(m_vendor, m_product, m_serial) : m_device;
  if (path.empty()) {
    return Fail("no_connect", ENODEV);
  }
  m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (m_fd < 0) {
    return Fail("no_connect", errno);
  }
  std::uint32_t timeout = kDriverMinTimeoutMs;
  m_driver = ::ioctl(m_fd, USBTMC_IOCTL_SET_TIMEOUT, &timeout) == 0;
  if (!m_driver) {
    return true;
  }
  // The driver's reads and writes wait for the instrument themselves, bounded by its timeout.
  ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
  return SetDriverTimeout(deadline);
}

bool CUsbtmcLink::SetDriverTimeout(const CDeadline &deadline) {
  const int left = deadline.RemainingMs();
  if (left < kDriverMinTimeoutMs) {
    return Fail("timeout");
  }
  std::uint32_t timeout = static_cast<std::uint32_t>(left);
  if (::ioctl(m_fd, USBTMC_IOCTL_SET_TIMEOUT, &timeout) != 0) {
    return Fail("io_error", errno);
  }
  return true;
}

long CUsbtmcLink::WriteSome(const char *data, std::size_t size) {
  return ::write(m_fd, data, size);
}

bool CUsbtmcLink::Discard() {
  if (!m_driver || !IsOpen()) {
    return CScpiLink::Discard();
  }
  // A read would ask the instrument for a message it never meant to send.
  ClearBuffer();
  return true;
}

bool CUsbtmcLink::ReadMore(const CDeadline &deadline) {
  if (!m_driver) {
    return CScpiLink::ReadMore(deadline);
  }
  if (!SetDriverTimeout(deadline)) {
    return false;
  }
  char chunk[256];
  const long n = ::read(m_fd, chunk, sizeof chunk);
  if (n < 0) {
    return Fail(errno == ETIMEDOUT ? "timeout" : "io_error", errno);
  }
  Append(chunk, static_cast<std::size_t>(n));
  // A short read is a whole message; one without a line end still ends the answer.
  if (static_cast<std::size_t>(n) < sizeof chunk && (n == 0 || chunk[n - 1] != '\n')) {
    Append("\n", 1);
  }
  return true;
}

} // namespace pwrio
