#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pwrio {

// How the library's operations are spelled for one instrument: a small text file of
// "key = template" lines (see docs/scpi.md and profiles/generic-scpi.profile). A key left out
// keeps the generic SCPI-1999 spelling compiled in here; an empty "select" sends no channel
// selection (single-output instruments). Unknown keys and malformed values make the whole
// profile unusable, so a typo never sends a half-right command to a real supply.
class CScpiProfile {
public:
  std::string identify = "*IDN?";
  std::string select = "INST:NSEL {channel}";
  std::string setVoltage = "VOLT {volts}";
  std::string outputOn = "OUTP ON";
  std::string outputOff = "OUTP OFF";
  std::string readVoltage = "MEAS:VOLT?";
  // Confirmation queries, asked after every set or switch; an empty one is not asked (for an
  // instrument that lacks it). error_query is asked until it answers "0,...".
  std::string errorQuery = "SYST:ERR?";
  std::string selectQuery = "INST:NSEL?";
  std::string readSetpoint = "VOLT?";
  // The programmed value read back must differ from the one sent by less than this.
  int resolutionMv = 1;
  // Whether the identity must have SCPI's four fields.
  bool scpiIdentity = true;
  // The instrument's number for CH1..CH4.
  std::array<int, 4> channels{1, 2, 3, 4};
  std::string lineEnd = "\n";
  std::string idnContains;

  static const char *const kGenericText;

  static std::optional<CScpiProfile> Parse(std::string_view text, std::string *error);
  // Parses the file; the error names the file and the line.
  static std::optional<CScpiProfile> Load(const std::string &path, std::string *error);

  // A template with its placeholders filled; channel is 0..3, millivolts >= 0.
  std::string Expand(const std::string &pattern, int channel, int millivolts) const;

  friend bool operator==(const CScpiProfile &, const CScpiProfile &) = default;
};

} // namespace pwrio
