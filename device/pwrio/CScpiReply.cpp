#include "device/pwrio/CScpiReply.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace pwrio {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
    s.remove_prefix(1);
  }
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
    s.remove_suffix(1);
  }
  return s;
}

// The SCPI decimal numeric grammar, checked by hand so that from_chars never sees "inf", "nan",
// hex floats or a second field.
bool IsDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    ++i;
  }
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) {
    ++i;
    ++digits;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) {
    return false;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      ++i;
    }
    std::size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) {
      ++i;
      ++expDigits;
    }
    if (expDigits == 0 || expDigits > 3) {
      return false;
    }
  }
  return i == s.size();
}

} // namespace

int CScpiReply::MaxMillivolts(int channel) {
  switch (channel) {
  case 0:
  case 1:
    return kAdjustableMaxMv;
  case 2:
  case 3:
    return kFixedMaxMv;
  default:
    return 0;
  }
}

std::optional<int> CScpiReply::ParseMillivolts(std::string_view reply, int channel) {
  const int maxMv = MaxMillivolts(channel);
  if (maxMv == 0) {
    return std::nullopt;
  }
  const std::string_view text = TrimSpaces(reply);
  if (text.size() > kMaxNumberLength || !IsDecimalNumber(text)) {
    return std::nullopt;
  }
  // from_chars takes no leading '+'.
  const std::string_view digits = text.front() == '+' ? text.substr(1) : text;
  double volts = 0.0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), volts);
  if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(volts)) {
    return std::nullopt;
  }
  if (channel == 3) {
    volts = std::fabs(volts);
  }
  // Range first, in volts, so the conversion below can never overflow.
  const double lowest = -kNoiseMv / 1000.0;
  if (volts < lowest || volts > maxMv / 1000.0) {
    return std::nullopt;
  }
  const long mv = std::lround(volts * 1000.0);
  if (mv > maxMv) {
    return std::nullopt;
  }
  return mv < 0 ? 0 : static_cast<int>(mv);
}

std::optional<int> CScpiReply::ParseErrorCode(std::string_view reply) {
  const std::string_view text = TrimSpaces(reply);
  const auto comma = text.find(',');
  const std::string_view code = TrimSpaces(text.substr(0, comma));
  const std::string_view digits = !code.empty() && code.front() == '+' ? code.substr(1) : code;
  int value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  if (comma != std::string_view::npos) {
    const std::string_view message = TrimSpaces(text.substr(comma + 1));
    if (message.size() < 2 || message.front() != '"' || message.back() != '"') {
      return std::nullopt;
    }
  }
  return value;
}

std::optional<int> CScpiReply::ParseChannelNumber(std::string_view reply) {
  std::string_view text = TrimSpaces(reply);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = TrimSpaces(text.substr(1, text.size() - 2));
  }
  while (!text.empty() && ((text.front() >= 'A' && text.front() <= 'Z') ||
                           (text.front() >= 'a' && text.front() <= 'z'))) {
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > kMaxNumberLength || !IsDecimalNumber(text)) {
    return std::nullopt;
  }
  const std::string_view digits = text.front() == '+' ? text.substr(1) : text;
  double value = 0.0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size() || value < 0 || value > 999 ||
      value != std::floor(value)) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

bool CScpiReply::IsIdentity(std::string_view reply, std::string_view mustContain, bool scpiShape) {
  if (reply.empty() || reply.size() > kMaxIdentityLength) {
    return false;
  }
  bool visible = false;
  for (const char c : reply) {
    if (c < 0x20 || c > 0x7e) {
      return false;
    }
    visible = visible || c != ' ';
  }
  if (!visible || (!mustContain.empty() && reply.find(mustContain) == std::string_view::npos)) {
    return false;
  }
  if (!scpiShape) {
    return true;
  }
  std::string_view fields[4];
  std::string_view rest = reply;
  for (int i = 0; i < 4; ++i) {
    const auto comma = rest.find(',');
    if ((comma == std::string_view::npos) != (i == 3)) {
      return false;
    }
    fields[i] = TrimSpaces(rest.substr(0, comma));
    rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
  }
  return !fields[0].empty() && !fields[1].empty();
}

} // namespace pwrio
