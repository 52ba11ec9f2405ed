#pragma once
#include <QString>

class CStepTable;

// Writes a step table into a step data file: the channel line, the header and one line per row,
// the CH1 or CH2 separators chosen by the table's channel.
class CStepFileWriter {
public:
  // False (after the message) when the file cannot be written. An existing file keeps its old
  // bytes unless the new ones are all written.
  static bool Write(const CStepTable &table, const QString &path);
};
