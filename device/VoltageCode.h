#pragma once
#include <cstdint>

// The pair in which every voltage goes to and comes back from the device library:
// millivolts / 100 and millivolts % 100 (both truncated toward zero, so both carry the sign).
struct VoltageCode {
  std::int32_t first = 0;
  std::int32_t second = 0;

  static constexpr VoltageCode FromMillivolts(std::int32_t mv) { return {mv / 100, mv % 100}; }
  constexpr double ToVolts() const { return (first * 100.0 + second) * 0.001; }
  friend constexpr bool operator==(const VoltageCode &, const VoltageCode &) = default;
};
