#include "sequencer/CStepFileParser.h"

#include "platform/CrtText.h"

namespace {
// Five characters of value, plus the CR of a CR LF end that is dropped when the line ends.
constexpr std::size_t kKeep = 6;
constexpr std::size_t kTail = 5;
constexpr std::size_t kHeaderLines = 2;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

CStepFileParser::CStepFileParser(std::size_t maxValues) : m_maxValues(maxValues) {}

void CStepFileParser::Feed(std::string_view bytes) {
  while (!bytes.empty() && !Done()) {
    const std::size_t lineEnd = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, lineEnd);
    if (piece.find('\0') != std::string_view::npos) {
      m_bBinary = true;
      return;
    }
    if (!piece.empty()) {
      m_bLineOpen = true;
      m_tail.append(piece.size() > kKeep ? piece.substr(piece.size() - kKeep) : piece);
      if (m_tail.size() > kKeep)
        m_tail.erase(0, m_tail.size() - kKeep);
    }
    if (lineEnd == std::string_view::npos)
      return;
    EndLine();
    bytes.remove_prefix(lineEnd + 1);
  }
}

void CStepFileParser::Finish() {
  if (m_bLineOpen && !Done())
    EndLine();
}

void CStepFileParser::EndLine() {
  if (!m_tail.empty() && m_tail.back() == '\r')
    m_tail.pop_back();
  ++m_nLines;
  if (m_nLines > kHeaderLines)
    m_volts.push_back(TailVolt(m_tail));
  m_tail.clear();
  m_bLineOpen = false;
}

float CStepFileParser::TailVolt(std::string_view line) {
  const std::string_view tail = line.size() > kTail ? line.substr(line.size() - kTail) : line;
  bool blank = true;
  for (char c : tail)
    blank = blank && IsSpace(c);
  if (blank)
    return 0.0F;
  if (const auto integer = crt::ScanInt(tail); integer && *integer < 0)
    return 0.0F;
  return static_cast<float>(crt::ScanDouble(tail).value_or(0.0));
}
