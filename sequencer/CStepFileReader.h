#pragma once
#include <optional>
#include <vector>

#include <QString>

// Reads the voltages of the step data file at path: at most maxValues data lines are read, the
// rest of the file is never touched. nullopt when the path is not a readable regular file or
// holds binary data, so a failed load changes nothing.
class CStepFileReader {
public:
  static std::optional<std::vector<float>> Read(const QString &path, int maxValues);
};
