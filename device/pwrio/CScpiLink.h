#pragma once
#include <string>
#include <string_view>

#include "device/pwrio/CDeadline.h"
#include "device/pwrio/CLineBuffer.h"

namespace pwrio {

// A byte stream to an instrument over a non-blocking descriptor. Every operation waits with
// poll() no longer than the deadline allows; any failure closes the descriptor and leaves a
// short cause for the call log ("no_connect", "timeout", "closed", "too_long", "io_error").
// Subclasses only open the descriptor.
class CScpiLink {
public:
  virtual ~CScpiLink();
  CScpiLink(const CScpiLink &) = delete;
  CScpiLink &operator=(const CScpiLink &) = delete;

  bool IsOpen() const { return m_fd >= 0; }
  bool Open(const CDeadline &deadline);
  void Close();

  // Sends text and the line end.
  bool SendLine(std::string_view text, const CDeadline &deadline);
  bool ReadLine(std::string &line, const CDeadline &deadline);
  // Throws away whatever arrived unasked (a late answer to an earlier query), without waiting.
  virtual bool Discard();

  const char *Cause() const { return m_cause; }
  // The system's word for the last failure ("Connection refused"), or empty.
  std::string Detail() const;

protected:
  explicit CScpiLink(std::string lineEnd);
  // Opens m_fd non-blocking, or sets the cause and returns false.
  virtual bool OpenDescriptor(const CDeadline &deadline) = 0;
  virtual long WriteSome(const char *data, std::size_t size);
  // Waits for more of an answer and appends it; false (cause set) on failure.
  virtual bool ReadMore(const CDeadline &deadline);

  bool Fail(const char *cause, int error = 0);
  void Append(const char *data, std::size_t size) { m_buffer.Append(data, size); }
  void ClearBuffer() { m_buffer.Clear(); }
  // Waits for events on m_fd; false (cause set) on timeout or error.
  bool Wait(short events, const CDeadline &deadline);

  int m_fd = -1;
  const char *m_cause = nullptr;
  int m_error = 0;

private:
  std::string m_lineEnd;
  CLineBuffer m_buffer;
};

} // namespace pwrio
