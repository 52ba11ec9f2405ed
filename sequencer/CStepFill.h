#pragma once
#include <vector>

#include <QString>

// The Set command's even fill, without a window: the texts of the Volt column for rowCount rows
// standing for the steps firstStep, firstStep + 1, ...
class CStepFill {
public:
  // Rows inside start..stop get the running value ("%.3f"), starting at from and growing by
  // (to - from) / (stop - start) after each filled row; rows outside get one space.
  static std::vector<QString> EvenFill(int rowCount, long long firstStep, int start, int stop,
                                       double from, double to);
};
