#include "sequencer/CStepRunRules.h"

#include <cmath>
#include <limits>

#include "platform/CrtText.h"

VoltageCode CStepRunRules::CodeFromText(std::string_view text) {
  if (text.empty())
    return {};
  const double product = crt::Atof(text) * 1000.0;
  std::int32_t mv = 0;
  if (std::isnan(product))
    mv = 0;
  else if (product >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    mv = std::numeric_limits<std::int32_t>::max();
  else if (product <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    mv = std::numeric_limits<std::int32_t>::min();
  else
    mv = static_cast<std::int32_t>(product);
  return VoltageCode::FromMillivolts(mv);
}

VoltageCode CStepRunRules::CodeFromText(const QString &text) {
  return CodeFromText(crt::ToBytes(text));
}

std::optional<int> CStepRunRules::RowToSend(int &stepIndex, int rowCount) {
  if (stepIndex == rowCount)
    stepIndex = 0;
  if (stepIndex < 0 || stepIndex >= rowCount)
    return std::nullopt;
  return stepIndex;
}
