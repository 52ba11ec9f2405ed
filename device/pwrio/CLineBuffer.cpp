#include "device/pwrio/CLineBuffer.h"

namespace pwrio {

void CLineBuffer::Append(const char *data, std::size_t size) {
  // Past the limit plus one line end nothing more can help; keep memory bounded.
  const std::size_t room = kMaxLine + 2 > m_pending.size() ? kMaxLine + 2 - m_pending.size() : 0;
  m_pending.append(data, size < room ? size : room);
}

CLineBuffer::Next CLineBuffer::Take(std::string &line) {
  const auto lf = m_pending.find('\n');
  if (lf == std::string::npos) {
    return m_pending.size() > kMaxLine ? Next::kTooLong : Next::kNeedMore;
  }
  std::size_t length = lf;
  if (length > 0 && m_pending[length - 1] == '\r') {
    --length;
  }
  if (length > kMaxLine) {
    m_pending.clear();
    return Next::kTooLong;
  }
  line.assign(m_pending, 0, length);
  m_pending.erase(0, lf + 1);
  return Next::kLine;
}

} // namespace pwrio
