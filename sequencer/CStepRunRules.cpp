#include "sequencer/CStepRunRules.h"

#include "platform/CrtText.h"

VoltageCode CStepRunRules::CodeFromText(std::string_view text) {
  // An empty cell, a blank and a text that is no number all read as 0 V.
  return VoltageCode::FromVolts(crt::Atof(text));
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
