#pragma once
#include <cstddef>
#include <string>

namespace pwrio {

// Collects the bytes an instrument sends and cuts them into lines ended by LF (a CR before the
// LF is dropped). A line longer than kMaxLine is never a reply we want: the buffer says so at
// once instead of waiting for an end that may never come.
class CLineBuffer {
public:
  static constexpr std::size_t kMaxLine = 256;

  enum class Next { kLine, kNeedMore, kTooLong };

  void Append(const char *data, std::size_t size);
  // Takes the first complete line out of the buffer.
  Next Take(std::string &line);
  void Clear() { m_pending.clear(); }
  std::size_t Pending() const { return m_pending.size(); }

private:
  std::string m_pending;
};

} // namespace pwrio
