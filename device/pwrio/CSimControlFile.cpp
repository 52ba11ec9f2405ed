#include "device/pwrio/CSimControlFile.h"

#include "device/pwrio/ConfigText.h"
#include "device/pwrio/RegularFile.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace pwrio {
namespace {

// A "key=value" line split into its trimmed halves; nothing for comments and other lines.
std::optional<std::pair<std::string_view, std::string_view>> SplitLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == '#') {
    return std::nullopt;
  }
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) {
    return std::nullopt;
  }
  return std::pair{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto nl = text.find('\n');
    lines.push_back(text.substr(0, nl));
    if (nl == std::string_view::npos) {
      break;
    }
    text.remove_prefix(nl + 1);
  }
  return lines;
}

} // namespace

CSimControlFile::CSimControlFile(std::string path) : m_path(std::move(path)) {}

CSimControlFile::Settings CSimControlFile::Parse(const std::string &text) {
  Settings settings;
  for (const auto line : Lines(text)) {
    const auto kv = SplitLine(line);
    if (!kv) {
      continue;
    }
    const auto value = WholeNumber(kv->second);
    if (!value) {
      continue;
    }
    if (kv->first == "attached") {
      settings.attached = *value != 0;
    } else if (kv->first == "fail_next" && *value >= 0) {
      settings.failNext = *value;
    } else if (kv->first == "delay_ms" && *value >= 0) {
      settings.delayMs = *value < kMaxDelayMs ? *value : kMaxDelayMs;
    } else if (kv->first == "reset") {
      settings.reset = *value != 0;
    }
  }
  return settings;
}

CSimControlFile::Settings CSimControlFile::Read() const {
  std::string text;
  if (m_path.empty() || !ReadRegularFile(m_path, text)) {
    return {};
  }
  return Parse(text);
}

void CSimControlFile::Store(std::string_view key, int value) const {
  std::string text;
  if (m_path.empty() || !ReadRegularFile(m_path, text)) {
    return;
  }
  std::string out;
  out.reserve(text.size() + 8);
  const auto lines = Lines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto line = lines[i];
    const auto kv = SplitLine(line);
    if (kv && kv->first == key) {
      out += key;
      out += '=';
      out += std::to_string(value);
      if (!line.empty() && line.back() == '\r') {
        out += '\r';
      }
    } else {
      out += line;
    }
    if (i + 1 < lines.size() || (!text.empty() && text.back() == '\n')) {
      out += '\n';
    }
  }
  WriteRegularFile(m_path, O_TRUNC, out);
}

} // namespace pwrio
