#include "sequencer/CModeText.h"

#include "platform/CrtText.h"

CModeText CModeText::Parse(std::string_view text) {
  const std::size_t star = text.find('*');
  if (star == std::string_view::npos)
    return {0, crt::Atoi(text)};
  return {crt::Atoi(text.substr(0, star)), crt::Atoi(text.substr(star + 1))};
}

CModeText CModeText::Parse(const QString &text) {
  return Parse(crt::ToBytes(text));
}

long long CModeText::FirstStep(int group) const {
  return (static_cast<long long>(group) - 1) * steps + 1;
}
