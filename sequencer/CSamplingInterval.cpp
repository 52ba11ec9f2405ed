#include "sequencer/CSamplingInterval.h"

#include "platform/CrtText.h"
#include "sequencer/SequencerTexts.h"

CSamplingInterval::Result CSamplingInterval::Check(const QString &text, const QString &unit) {
  const int n = crt::Atoi(text);
  if (text.contains(QLatin1Char('.')))
    return {0, seqtext::IntegerOnly()};
  if (unit == seqtext::UnitMillisecond()) {
    if (n < 100 || n > 1000)
      return {0, seqtext::MillisecondRange()};
    return {n, {}};
  }
  if (n < 1 || n > 100)
    return {0, seqtext::CountRange()};
  int factor = 1;
  if (unit == seqtext::UnitSecond())
    factor = 1000;
  else if (unit == seqtext::UnitMinute())
    factor = 60000;
  else if (unit == seqtext::UnitHour())
    factor = 3600000;
  return {n * factor, {}};
}
