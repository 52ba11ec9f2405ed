#include "sequencer/CStepFileFormat.h"

namespace {
constexpr const char *kLineEnd = "\r\n";
}

std::string CStepFileFormat::HeaderText(bool ch1) {
  std::string text = "#CHANNEL:";
  text += ch1 ? "CH1" : "CH2";
  text += kLineEnd;
  text += "step  number  voltage";
  text += kLineEnd;
  return text;
}

std::string CStepFileFormat::RowsText(bool ch1, const std::vector<Row> &rows) {
  const char *afterStep = ch1 ? "    " : "       ";
  const char *afterNumber = ch1 ? "    " : "     ";
  std::string text;
  for (const Row &row : rows) {
    text += row[0];
    text += afterStep;
    text += row[1];
    text += afterNumber;
    text += row[2];
    text += kLineEnd;
  }
  return text;
}
