#pragma once
#include <string>

#include "device/pwrio/CScpiLink.h"
#include "device/pwrio/CUsbtmcDevices.h"

namespace pwrio {

// An instrument behind the kernel's usbtmc driver (/dev/usbtmcN), named by its device file or by
// its USB ids (looked up at every connect, so replugging it onto another number is fine).
//
// The driver answers a read by asking the instrument for one message and waits for it up to its
// own timeout, which we set to what is left of the call's budget before every read and write;
// poll() says nothing about answers, so nothing is read unasked. Any other file (a pipe or a
// pseudo-terminal standing in for the instrument) rejects that setting and is read with poll()
// like the other links.
class CUsbtmcLink final : public CScpiLink {
public:
  // device: the file; or empty and the instrument's ids.
  CUsbtmcLink(std::string device, int vendor, int product, std::string serial, std::string lineEnd,
              CUsbtmcDevices devices = CUsbtmcDevices());

  bool Discard() override;

protected:
  bool OpenDescriptor(const CDeadline &deadline) override;
  long WriteSome(const char *data, std::size_t size) override;
  bool ReadMore(const CDeadline &deadline) override;

private:
  // Hands the driver what is left of the budget; false when too little is left for it.
  bool SetDriverTimeout(const CDeadline &deadline);

  std::string m_device;
  int m_vendor;
  int m_product;
  std::string m_serial;
  CUsbtmcDevices m_devices;
  bool m_driver = false;
};

} // namespace pwrio
