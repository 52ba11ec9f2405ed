#pragma once
#include <string>

#include "device/pwrio/CScpiLink.h"

namespace pwrio {

// A raw SCPI socket (the instrument's port 5025 or the like). The connect itself is
// non-blocking and waits with poll, so a host that does not answer costs at most the bound.
class CTcpLink final : public CScpiLink {
public:
  CTcpLink(std::string host, int port, std::string lineEnd);

protected:
  bool OpenDescriptor(const CDeadline &deadline) override;
  long WriteSome(const char *data, std::size_t size) override;

private:
  std::string m_host;
  int m_port;
};

} // namespace pwrio
