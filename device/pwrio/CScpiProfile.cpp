#include "device/pwrio/CScpiProfile.h"

#include "device/pwrio/ConfigText.h"
#include "device/pwrio/RegularFile.h"

#include <charconv>
#include <system_error>

namespace pwrio {
namespace {

// The offending line goes into the message: the person reading it may not have the file open.
bool Fail(std::string *error, int lineNo, std::string_view line, const std::string &what) {
  if (error) {
    *error = "line " + std::to_string(lineNo);
    if (!line.empty()) {
      *error += " (";
      *error += line;
      *error += ')';
    }
    *error += ": " + what;
  }
  return false;
}

// Only these placeholders exist; anything else in braces is a typo.
bool PlaceholdersKnown(std::string_view pattern) {
  for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
    if (pattern[pos] == '}') {
      return false;
    }
    if (pattern[pos] != '{') {
      continue;
    }
    const auto close = pattern.find('}', pos);
    if (close == std::string_view::npos) {
      return false;
    }
    const auto name = pattern.substr(pos + 1, close - pos - 1);
    if (name != "channel" && name != "volts" && name != "millivolts") {
      return false;
    }
    pos = close;
  }
  return true;
}

// Printable ASCII only: the template goes to the instrument as one line.
bool Printable(std::string_view s) {
  for (const char c : s) {
    if (c < 0x20 || c > 0x7e) {
      return false;
    }
  }
  return true;
}

bool ParseChannels(std::string_view value, std::array<int, 4> &channels) {
  for (std::size_t i = 0; i < channels.size(); ++i) {
    value = Trim(value);
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || n < 0 || n > 99) {
      return false;
    }
    channels[i] = n;
    value.remove_prefix(static_cast<std::size_t>(end - value.data()));
    if (!value.empty() && value.front() != ' ' && value.front() != '\t') {
      return false;
    }
  }
  return Trim(value).empty();
}

void AppendThreeDecimals(std::string &out, int millivolts) {
  out += std::to_string(millivolts / 1000);
  out += '.';
  const int frac = millivolts % 1000;
  out += static_cast<char>('0' + frac / 100);
  out += static_cast<char>('0' + frac / 10 % 10);
  out += static_cast<char>('0' + frac % 10);
}

} // namespace

const char *const CScpiProfile::kGenericText = "identify     = *IDN?\n"
                                               "select       = INST:NSEL {channel}\n"
                                               "set_voltage  = VOLT {volts}\n"
                                               "output_on    = OUTP ON\n"
                                               "output_off   = OUTP OFF\n"
                                               "read_voltage = MEAS:VOLT?\n"
                                               "read_setpoint = VOLT?\n"
                                               "select_query = INST:NSEL?\n"
                                               "error_query  = SYST:ERR?\n"
                                               "resolution_mv = 1\n"
                                               "channels     = 1 2 3 4\n"
                                               "line_end     = LF\n"
                                               "idn_contains =\n"
                                               "idn_shape    = SCPI\n";

std::optional<CScpiProfile> CScpiProfile::Parse(std::string_view text, std::string *error) {
  CScpiProfile profile;
  int lineNo = 0;
  while (!text.empty()) {
    ++lineNo;
    const auto nl = text.find('\n');
    const std::string_view raw = text.substr(0, nl);
    text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
      Fail(error, lineNo, line, "expected key = value");
      return std::nullopt;
    }
    const std::string_view key = Trim(line.substr(0, eq));
    const std::string_view value = Trim(line.substr(eq + 1));
    if (!Printable(value)) {
      Fail(error, lineNo, line, "value has control characters");
      return std::nullopt;
    }
    if (!PlaceholdersKnown(value)) {
      Fail(error, lineNo, line, "unknown placeholder in \"" + std::string(value) + "\"");
      return std::nullopt;
    }
    std::string *target = nullptr;
    if (key == "identify") {
      target = &profile.identify;
    } else if (key == "select") {
      target = &profile.select;
    } else if (key == "set_voltage") {
      target = &profile.setVoltage;
    } else if (key == "output_on") {
      target = &profile.outputOn;
    } else if (key == "output_off") {
      target = &profile.outputOff;
    } else if (key == "read_voltage") {
      target = &profile.readVoltage;
    } else if (key == "idn_contains") {
      target = &profile.idnContains;
    } else if (key == "error_query") {
      target = &profile.errorQuery;
    } else if (key == "select_query") {
      target = &profile.selectQuery;
    } else if (key == "read_setpoint") {
      target = &profile.readSetpoint;
    } else if (key == "resolution_mv") {
      const auto mv = WholeNumber(value);
      if (!mv || *mv < 1 || *mv > 100) {
        Fail(error, lineNo, line, "resolution_mv is a whole number 1..100");
        return std::nullopt;
      }
      profile.resolutionMv = *mv;
      continue;
    } else if (key == "idn_shape") {
      if (value != "SCPI" && value != "ANY") {
        Fail(error, lineNo, line, "idn_shape is SCPI or ANY");
        return std::nullopt;
      }
      profile.scpiIdentity = value == "SCPI";
      continue;
    } else if (key == "channels") {
      if (!ParseChannels(value, profile.channels)) {
        Fail(error, lineNo, line, "channels needs four numbers 0..99");
        return std::nullopt;
      }
      continue;
    } else if (key == "line_end") {
      if (value != "LF" && value != "CRLF") {
        Fail(error, lineNo, line, "line_end is LF or CRLF");
        return std::nullopt;
      }
      profile.lineEnd = value == "LF" ? "\n" : "\r\n";
      continue;
    } else {
      Fail(error, lineNo, line, "unknown key \"" + std::string(key) + "\"");
      return std::nullopt;
    }
    *target = std::string(value);
  }
  // Without these the library could not do its job at all.
  // A query's last command has a header ending in '?'; a parameter may follow
  // ("MEAS:VOLT? (@{channel})").
  const auto isQuery = [](const std::string &s) {
    std::string_view last = Trim(std::string_view(s).substr(s.rfind(';') + 1));
    last = last.substr(0, last.find(' '));
    return !last.empty() && last.back() == '?';
  };
  if (!isQuery(profile.identify) || !isQuery(profile.readVoltage)) {
    Fail(error, lineNo, {}, "identify and read_voltage must be queries (a header ending in ?)");
    return std::nullopt;
  }
  for (const std::string *optional :
       {&profile.errorQuery, &profile.selectQuery, &profile.readSetpoint}) {
    if (!optional->empty() && !isQuery(*optional)) {
      Fail(error, lineNo, {},
           "error_query, select_query and read_setpoint must be queries (a header ending in ?) or "
           "empty");
      return std::nullopt;
    }
  }
  if (profile.setVoltage.find("{volts}") == std::string::npos &&
      profile.setVoltage.find("{millivolts}") == std::string::npos) {
    Fail(error, lineNo, {}, "set_voltage needs {volts} or {millivolts}");
    return std::nullopt;
  }
  if (profile.outputOn.empty() || profile.outputOff.empty()) {
    Fail(error, lineNo, {}, "output_on and output_off may not be empty");
    return std::nullopt;
  }
  return profile;
}

std::optional<CScpiProfile> CScpiProfile::Load(const std::string &path, std::string *error) {
  std::string text;
  if (!ReadRegularFile(path, text)) {
    if (error) {
      *error = path + ": cannot be read";
    }
    return std::nullopt;
  }
  std::string why;
  auto profile = Parse(text, &why);
  if (!profile && error) {
    *error = path + ": " + why;
  }
  return profile;
}

std::string CScpiProfile::Expand(const std::string &pattern, int channel, int millivolts) const {
  std::string out;
  out.reserve(pattern.size() + 8);
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    const auto open = pattern.find('{', pos);
    if (open == std::string::npos) {
      out.append(pattern, pos, std::string::npos);
      break;
    }
    out.append(pattern, pos, open - pos);
    const auto close = pattern.find('}', open);
    const std::string_view name(pattern.data() + open + 1, close - open - 1);
    if (name == "channel") {
      out += std::to_string(channels[static_cast<std::size_t>(channel)]);
    } else if (name == "volts") {
      AppendThreeDecimals(out, millivolts);
    } else {
      out += std::to_string(millivolts);
    }
    pos = close + 1;
  }
  return out;
}

} // namespace pwrio
