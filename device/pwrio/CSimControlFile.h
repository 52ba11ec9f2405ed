#pragma once
#include <string>
#include <string_view>

namespace pwrio {

// The simulator's control file, a few "key=value" lines that a person or a test edits while the
// program runs; it is read again at every call, so changes act on the next call:
//
//   attached=1     0 unplugs the device: dsoSearch gives 0 and set calls fail; 1 plugs it back
//   fail_next=0    the next N set calls made while attached fail; each one counts the value down
//                  in the file itself, so the file always shows how many failures remain
//   delay_ms=0     every call waits this long before it answers (capped at 60000)
//   reset=1        the next call first switches every output off, as at power-up, and writes
//                  reset=0 back, so one line resets once
//
// Keys are lowercase, spaces around key and value are ignored, lines starting with "#" and
// unknown keys are skipped, a value that is not a whole number (or negative, for fail_next and
// delay_ms) leaves that key at its default, a later line overrides an earlier one. A missing or
// unreadable file means all defaults: attached, no failures, no delay.
class CSimControlFile {
public:
  struct Settings {
    bool attached = true;
    int failNext = 0;
    int delayMs = 0;
    bool reset = false;
  };

  static constexpr int kMaxDelayMs = 60000;

  explicit CSimControlFile(std::string path);

  Settings Read() const;
  void StoreFailNext(int count) const { Store("fail_next", count); }
  void ClearReset() const { Store("reset", 0); }

  static Settings Parse(const std::string &text);

private:
  // Rewrites every line of key with the new value, leaving the other lines byte for byte.
  void Store(std::string_view key, int value) const;

  std::string m_path;
};

} // namespace pwrio
