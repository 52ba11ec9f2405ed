#pragma once
// Small text helpers shared by the library's line-based files (control file, configuration,
// command profile).
#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace pwrio {

inline std::string_view Trim(std::string_view s) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v'; };
  while (!s.empty() && isSpace(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back()))
    s.remove_suffix(1);
  return s;
}

// The whole text as a decimal int, or nullopt when anything else is there.
inline std::optional<int> WholeNumber(std::string_view s) {
  int value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size())
    return std::nullopt;
  return value;
}

} // namespace pwrio
