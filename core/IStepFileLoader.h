#pragma once
#include <functional>
#include <optional>
#include <vector>

#include <QString>

// Loading the voltages of a step data file into the step table's Volt column. The step list
// control does it with its loading buffer; the file format belongs to the sequencer, which hands
// the loader its reader (path and the most values worth reading in → the values, or nullopt).
class IStepFileLoader {
public:
  virtual ~IStepFileLoader() = default;

  using StepFileReader =
      std::function<std::optional<std::vector<float>>(const QString &path, int maxValues)>;
  virtual void SetStepFileReader(StepFileReader reader) = 0;
  // False when the file cannot be read; the table is then unchanged.
  virtual bool ReadStepFile(const QString &name) = 0;
  // The 1-based position of the first loaded value the next refill writes (0 also means first).
  virtual void SetFirstLoaded(int position) = 0;
};
