#include "device/pwrio/CCallLog.h"

#include <cstdlib>

#include "device/pwrio/RegularFile.h"

namespace pwrio {

void CCallLog::Append(const std::string &line) {
  const char *path = std::getenv(kLogVariable);
  if (!path || !*path) {
    return;
  }
  WriteRegularFile(path, O_APPEND | O_CREAT, line + '\n');
}

} // namespace pwrio
