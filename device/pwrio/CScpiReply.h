#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace pwrio {

// Checks what an instrument answered. Anything that is not exactly what we asked for counts as
// no answer: a wrong voltage on the panel is worse than a failed call.
//
// A voltage reply is one SCPI decimal number (NR1, NR2 or NR3: "5", "5.000", "+5.0000E+00"),
// optionally surrounded by spaces, in volts, with no unit and no second field. It must lie in
// the channel's range:
//   CH1, CH2 (channels 0, 1): 0 ... 9.500 V
//   CH3 (channel 2):          0 ... 5.500 V
//   CH4 (channel 3):          -5.500 ... 5.500 V, kept as its magnitude (instruments report the
//                             negative output either way)
// Readings up to 10 mV below zero are an output switched off and read as 0.
class CScpiReply {
public:
  static constexpr int kAdjustableMaxMv = 9500;
  static constexpr int kFixedMaxMv = 5500;
  static constexpr int kNoiseMv = 10;
  static constexpr std::size_t kMaxNumberLength = 32;
  static constexpr std::size_t kMaxIdentityLength = 200;

  // Millivolts (0 ... the channel's maximum) or nothing.
  static std::optional<int> ParseMillivolts(std::string_view reply, int channel);

  // An *IDN? answer: printable ASCII with at least one visible character. With scpiShape it
  // must also read "maker,model,serial,firmware": four comma-separated fields, maker and model
  // not blank, so a web server's or a terminal's chatter does not pass for an instrument. When
  // mustContain is not empty, the answer must contain it as well (case-sensitive).
  static bool IsIdentity(std::string_view reply, std::string_view mustContain = {},
                         bool scpiShape = true);

  // One entry of the error queue, "<code>,\"text\"" (the text may be missing): its code.
  static std::optional<int> ParseErrorCode(std::string_view reply);

  // The answer to a channel-selection query: a whole number, bare ("2", "+2", "2.000E+00")
  // or after a letter prefix ("CH2", "OUT2", "P2"), optionally in double quotes.
  static std::optional<int> ParseChannelNumber(std::string_view reply);

  // The channel's largest magnitude in millivolts; 0 for a channel that does not exist.
  static int MaxMillivolts(int channel);
};

} // namespace pwrio
