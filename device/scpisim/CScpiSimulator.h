#pragma once
#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace scpisim {

// The command side of a four-channel SCPI supply, speaking the generic profile: channel
// selection, set point, output switch, read-back, identity and the error queue. CH1 and CH2
// take 0 ... 9.5 V; CH3 is fixed at +5 V and CH4 at -5 V. Headers take their short or long
// forms in any case, optional nodes may be left out, and ';' joins several commands in a line.
class CScpiSimulator {
public:
  struct Output {
    int setMv = 0;
    bool on = false;
  };

  // Ways to misbehave on purpose, for testing what the library confirms.
  struct Faults {
    std::string reject;        // commands with this header fail with -113 "Undefined header"
    bool ignoreSelect = false; // INST:NSEL is accepted and does nothing
    int offsetMv = 0;          // set points are kept this much off what was sent
  };

  static constexpr const char *kIdentity = "KTX,SCPISIM,0,1.0";

  CScpiSimulator() = default;
  explicit CScpiSimulator(Faults faults) : m_faults(std::move(faults)) {}

  // Runs one received line; the answer to its queries (joined by ';') or nothing.
  std::optional<std::string> Handle(std::string_view line);

  int Selected() const { return m_selected; }
  const Output &OutputOf(int number) const {
    return m_outputs[static_cast<std::size_t>(number - 1)];
  }
  // Millivolts the output gives now: its set point when on, 0 when off (CH4 negative).
  int MeasuredMv(int number) const;

private:
  std::optional<std::string> HandleOne(std::string_view command);
  void PushError(int code, const char *text);

  Faults m_faults;
  std::array<Output, 4> m_outputs{{{0, false}, {0, false}, {5000, false}, {-5000, false}}};
  int m_selected = 1;
  std::deque<std::string> m_errors;
};

} // namespace scpisim
