#pragma once
#include <optional>
#include <string_view>

#include <QString>

#include "device/VoltageCode.h"

// What Run sends, without a window: the code of a Volt cell and the walk of the step index.
class CStepRunRules {
public:
  // "" gives (0, 0); otherwise mV = trunc(atof(text) * 1000) in double precision, code
  // (mV / 100, mV % 100). Millivolts beyond the int range saturate (a NaN reads as 0).
  static VoltageCode CodeFromText(std::string_view text);
  static VoltageCode CodeFromText(const QString &text);

  // The row the next Run sends: an index equal to the row count wraps to 0 first; an index
  // still outside the table (a table shortened under it) sends nothing.
  static std::optional<int> RowToSend(int &stepIndex, int rowCount);
};
