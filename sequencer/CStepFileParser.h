#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reads the voltages of a step data file from its bytes, fed in pieces of any size. Lines end
// with LF, a CR before it is dropped; the first two lines are skipped; each further line gives
// one value from its last five characters. Only the last characters of a line are kept, and
// parsing stops once maxValues values are read, so neither long lines nor long files cost
// memory. A NUL byte marks a file that is not text: the parse fails.
class CStepFileParser {
public:
  explicit CStepFileParser(std::size_t maxValues);

  void Feed(std::string_view bytes);
  // The end of the file: a last line without line end still counts.
  void Finish();

  bool Done() const { return m_bBinary || m_volts.size() >= m_maxValues; }
  bool Binary() const { return m_bBinary; }
  const std::vector<float> &Volts() const { return m_volts; }
  std::vector<float> TakeVolts() { return std::move(m_volts); }

  // The value of one data line (without its line end): "%d" on the last five characters; a
  // negative integer gives 0, otherwise "%f" reads the value. White space gives 0, and so does a
  // tail that forms no number; a tail without an integer that forms a number (".5") gives it.
  static float TailVolt(std::string_view line);

private:
  void EndLine();

  std::size_t m_maxValues;
  std::size_t m_nLines = 0;
  std::string m_tail; // at most the last six bytes of the line being read
  bool m_bLineOpen = false;
  bool m_bBinary = false;
  std::vector<float> m_volts;
};
