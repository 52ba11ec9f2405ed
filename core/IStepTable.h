#pragma once
#include <functional>
#include <optional>
#include <vector>

#include <QString>

// The step table as the sequencer edits, runs, saves and loads it: rows of Step, Number and Volt
// texts. The step list control shows it; tests use a plain table.
class IStepTable {
public:
  virtual ~IStepTable() = default;

  // Missing rows or columns are ignored by SetItemText and read as "" by GetItemText.
  virtual int GetItemCount() const = 0;
  virtual QString GetItemText(int row, int column) const = 0;
  virtual bool SetItemText(int row, int column, const QString &text) = 0;
  virtual int InsertItem(int row, const QString &text) = 0; // a row past the end is appended
  virtual void DeleteAllItems() = 0;

  // Loading a step data file: the file format belongs to the sequencer, which hands the table
  // its reader (path and the most values worth reading in → the values, or nullopt).
  using StepFileReader =
      std::function<std::optional<std::vector<float>>(const QString &path, int maxValues)>;
  virtual void SetStepFileReader(StepFileReader reader) = 0;
  // Reads the voltages of a file into the Volt column; false when it cannot be read (the table
  // is then unchanged).
  virtual bool ReadStepFile(const QString &name) = 0;
  // The 1-based position of the first loaded value the next refill writes (0 also means first).
  virtual void SetFirstLoaded(int position) = 0;
};
