#include "device/pwrio/CCallLog.h"

#include <cstdlib>
#include <fstream>

namespace pwrio {

void CCallLog::Append(const std::string &line) {
  const char *path = std::getenv(kLogVariable);
  if (!path || !*path) {
    return;
  }
  std::ofstream file(path, std::ios::binary | std::ios::app);
  file << line << '\n';
}

} // namespace pwrio
