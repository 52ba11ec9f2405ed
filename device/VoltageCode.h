#pragma once
#include <cstdint>

// The pair in which every voltage goes to and comes back from the device library:
// millivolts / 100 and millivolts % 100 (both truncated toward zero, so both carry the sign).
struct VoltageCode {
  std::int32_t first = 0;
  std::int32_t second = 0;

  // The one way a voltage becomes a code: millivolts = volts × 1000 in double precision,
  // truncated toward zero. A value that is not finite, or whose millivolts do not fit 32 bits,
  // gives (0, 0): converting it to an integer would be undefined, and 0 V is the safe reading.
  static constexpr VoltageCode FromVolts(double volts) {
    const double mv = volts * 1000.0;
    // NaN fails both comparisons; the bounds keep the truncated value inside int32.
    if (!(mv > -2147483649.0 && mv < 2147483648.0))
      return {};
    const auto whole = static_cast<std::int32_t>(mv);
    return {whole / 100, whole % 100};
  }
  constexpr double ToVolts() const { return (first * 100.0 + second) * 0.001; }
  friend constexpr bool operator==(const VoltageCode &, const VoltageCode &) = default;
};
