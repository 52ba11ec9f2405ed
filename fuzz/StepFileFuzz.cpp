// libFuzzer target: arbitrary bytes through the step data file parser. Besides the sanitizers'
// checks, the parse must not depend on how the bytes arrive: fed whole or in pieces, the values
// are the same bit for bit, and never more than asked for.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "sequencer/CStepFileParser.h"

namespace {
CStepFileParser Parse(std::string_view bytes, std::size_t maxValues, std::size_t piece) {
  CStepFileParser parser(maxValues);
  for (std::size_t i = 0; i < bytes.size() && !parser.Done(); i += piece)
    parser.Feed(bytes.substr(i, piece));
  parser.Finish();
  return parser;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 2)
    return 0;
  const std::size_t maxValues = data[0] % 32;
  const std::size_t piece = 1 + data[1] % 16;
  const std::string_view bytes(reinterpret_cast<const char *>(data + 2), size - 2);
  const CStepFileParser whole = Parse(bytes, maxValues, bytes.size() + 1);
  const CStepFileParser pieces = Parse(bytes, maxValues, piece);
  if (whole.Binary() != pieces.Binary() || whole.Volts().size() != pieces.Volts().size())
    std::abort();
  if (whole.Volts().size() > maxValues)
    std::abort();
  if (!whole.Volts().empty() && std::memcmp(whole.Volts().data(), pieces.Volts().data(),
                                            whole.Volts().size() * sizeof(float)) != 0)
    std::abort();
  return 0;
}
