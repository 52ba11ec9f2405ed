// libFuzzer target for what an instrument may send back: the bytes are cut into lines as the
// library does, and every line goes through the voltage and identity checks of every channel.
// An accepted voltage must lie in its channel's range and read the same when written back out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "device/pwrio/CLineBuffer.h"
#include "device/pwrio/CScpiReply.h"

namespace {

void Check(bool ok) {
  if (!ok) {
    __builtin_trap();
  }
}

std::string ThreeDecimals(int mv) {
  std::string text = std::to_string(mv / 1000) + ".";
  const int frac = mv % 1000;
  text += static_cast<char>('0' + frac / 100);
  text += static_cast<char>('0' + frac / 10 % 10);
  text += static_cast<char>('0' + frac % 10);
  return text;
}

void CheckLine(const std::string &line) {
  using pwrio::CScpiReply;
  for (int channel = -1; channel <= 4; ++channel) {
    const auto mv = CScpiReply::ParseMillivolts(line, channel);
    if (!mv) {
      continue;
    }
    Check(*mv >= 0 && *mv <= CScpiReply::MaxMillivolts(channel));
    Check(CScpiReply::ParseMillivolts(ThreeDecimals(*mv), channel) == mv);
  }
  if (CScpiReply::IsIdentity(line)) {
    Check(!line.empty() && line.size() <= CScpiReply::kMaxIdentityLength);
  }
  // The SCPI shape only ever narrows what counts as an identity.
  Check(!CScpiReply::IsIdentity(line, {}, true) || CScpiReply::IsIdentity(line, {}, false));
  if (const auto channel = CScpiReply::ParseChannelNumber(line)) {
    Check(*channel >= 0 && *channel <= 999);
    Check(CScpiReply::ParseChannelNumber(std::to_string(*channel)) == channel);
  }
  if (const auto code = CScpiReply::ParseErrorCode(line)) {
    Check(CScpiReply::ParseErrorCode(std::to_string(*code) + ",\"x\"") == code);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  pwrio::CLineBuffer buffer;
  // Chunks of varying size, as recv() hands them over.
  std::size_t pos = 0;
  std::size_t step = 1;
  std::string line;
  while (pos < size) {
    const std::size_t n = size - pos < step ? size - pos : step;
    buffer.Append(reinterpret_cast<const char *>(data + pos), n);
    pos += n;
    step = step * 3 % 17 + 1;
    for (;;) {
      const auto next = buffer.Take(line);
      if (next == pwrio::CLineBuffer::Next::kLine) {
        Check(line.size() <= pwrio::CLineBuffer::kMaxLine);
        CheckLine(line);
        continue;
      }
      if (next == pwrio::CLineBuffer::Next::kTooLong) {
        buffer.Clear();
      }
      break;
    }
    Check(buffer.Pending() <= pwrio::CLineBuffer::kMaxLine + 2);
  }
  // A reply without its line end is still worth a look at the parser.
  CheckLine(std::string(reinterpret_cast<const char *>(data), size < 64 ? size : 64));
  return 0;
}
