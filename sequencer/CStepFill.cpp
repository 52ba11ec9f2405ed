#include "sequencer/CStepFill.h"

#include "platform/CrtText.h"

std::vector<QString> CStepFill::EvenFill(int rowCount, long long firstStep, int start, int stop,
                                         double from, double to) {
  std::vector<QString> texts;
  if (rowCount <= 0)
    return texts;
  texts.reserve(static_cast<std::size_t>(rowCount));
  // With start == stop the increment is never added, so it is not computed (no 0/0).
  const double inc = stop != start ? (to - from) / (static_cast<double>(stop) - start) : 0.0;
  // A running sum, as the operator's tables were always filled, not from + k * inc.
  double value = from;
  for (int r = 0; r < rowCount; ++r) {
    const long long step = firstStep + r;
    if (step < start || step > stop) {
      texts.push_back(QStringLiteral(" "));
      continue;
    }
    texts.push_back(crt::Format3fQ(value));
    value += inc;
  }
  return texts;
}
