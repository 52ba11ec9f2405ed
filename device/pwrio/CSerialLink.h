#pragma once
#include <string>

#include "device/pwrio/CScpiLink.h"

namespace pwrio {

// An instrument on a serial port (or a USB adapter that shows up as one): raw 8N1, no flow
// control, opened non-blocking so an adapter that has gone away cannot hang the caller.
class CSerialLink final : public CScpiLink {
public:
  CSerialLink(std::string device, int baud, std::string lineEnd);

protected:
  bool OpenDescriptor(const CDeadline &deadline) override;

private:
  std::string m_device;
  int m_baud;
};

} // namespace pwrio
