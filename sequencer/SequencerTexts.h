#pragma once
#include <QString>

// Every text the step sequencer shows or writes, verbatim (misspellings and double spaces are
// the program's own).
namespace seqtext {

inline QString RangeEndBeforeStartOnMode() {
  return QStringLiteral("The number of end step must larger than start step!");
}
inline QString RangeStartAfterEnd() {
  return QStringLiteral("The number of start step must be less than end step!");
}
inline QString RangeEndBeforeStart() {
  return QStringLiteral("The number of end step must be more than start step!");
}
inline QString ChooseChannel() {
  return QStringLiteral("Please choose channel!");
}
inline QString SendingError() {
  return QStringLiteral("Sending Error!");
}
inline QString IntegerOnly() {
  return QStringLiteral("Please intput integer number !");
}
inline QString MillisecondRange() {
  return QStringLiteral("Please intput Millisecond  between 100 and 1000 !");
}
inline QString CountRange() {
  return QStringLiteral("Please intput number  between 1 and 100 !");
}
inline QString CannotSave() {
  return QStringLiteral("Cann't save file: ");
}
inline QString ReadingError() {
  return QStringLiteral("Reading document error!");
}

inline QString UnitMillisecond() {
  return QStringLiteral("Millisecond");
}
inline QString UnitSecond() {
  return QStringLiteral("Second");
}
inline QString UnitMinute() {
  return QStringLiteral("Minute");
}
inline QString UnitHour() {
  return QStringLiteral("Hour");
}

inline QString SaveTitle() {
  return QStringLiteral("Save Data ...");
}
inline QString SaveAsTitle() {
  return QStringLiteral("Save Data As...");
}
inline QString OpenTitle() {
  return QStringLiteral("Reading document");
}
inline QString TextFilter() {
  return QStringLiteral("Text File(*.txt)|*.txt||");
}
inline QString AllFilters() {
  return QStringLiteral("Text File(*.txt)|*.txt|Excel File(*.xls)|*.xls|Word File(*.doc)|*.doc||");
}

} // namespace seqtext
