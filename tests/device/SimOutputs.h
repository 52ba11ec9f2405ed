#pragma once
// The simulated supply's test hooks live in its files: a reset=1 line in the control file, and
// the state file it rewrites after every change of an output.
#include <QByteArray>
#include <QFile>
#include <QLibrary>
#include <QString>
#include <cstdio>

#include "device/pwrio/Pwrio.h"
#include "tests/support/TestHelpers.h"

namespace simtest {

struct Output {
  int on = -1;
  int first = -1;
  int second = -1;
  friend bool operator==(const Output &, const Output &) = default;
};

// Channel 0..3's line of the state file ("CH1 on=1 pair=50,0"); all -1 when it is missing.
inline Output ReadOutput(const QString &statePath, int channel) {
  for (const QByteArray &line : testhelp::ReadFile(statePath).split('\n')) {
    Output out;
    int number = 0;
    char extra = 0;
    if (std::sscanf(line.constData(), "CH%d on=%d pair=%d,%d%c", &number, &out.on, &out.first,
                    &out.second, &extra) == 4 &&
        number == channel + 1)
      return out;
  }
  return {};
}

// Switches every output off through a reset line, consumed at once by a search, so the test's
// own control file cannot overwrite it before the library has read it. Leaves no control file.
inline bool Reset(const QString &libraryPath, const QString &controlPath) {
  QLibrary library(libraryPath);
  const auto search = reinterpret_cast<PwrioSearchFn>(library.resolve("dsoSearch"));
  if (!search || !testhelp::WriteFile(controlPath, "reset=1\n"))
    return false;
  search();
  return testhelp::ReadFile(controlPath) == "reset=0\n" && QFile::remove(controlPath);
}

} // namespace simtest
