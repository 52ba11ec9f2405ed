#pragma once
#include <array>
#include <string>
#include <vector>

// The bytes of a step data file. Every line ends with CR LF on every platform, as the files
// were always exchanged; cells are written exactly as they stand in the table.
class CStepFileFormat {
public:
  using Row = std::array<std::string, 3>; // Step, Number, Volt

  // "#CHANNEL:CH1" and "step  number  voltage".
  static std::string HeaderText(bool ch1);
  // All row lines; CH1 separates the cells with 4 and 4 spaces, CH2 with 7 and 5.
  static std::string RowsText(bool ch1, const std::vector<Row> &rows);
};
