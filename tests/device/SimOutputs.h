#pragma once
// The simulated supply's test hooks live in its files: a reset=1 line in the control file, and
// the state file it rewrites after every change of an output.
#include <QByteArray>
#include <QFile>
#include <QLibrary>
#include <QString>
#include <QStringList>

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
  const QString prefix = QStringLiteral("CH%1 ").arg(channel + 1);
  const QStringList lines =
      QString::fromLatin1(testhelp::ReadFile(statePath)).split(QLatin1Char('\n'));
  for (const QString &line : lines) {
    if (!line.startsWith(prefix))
      continue;
    const QStringList fields = line.mid(prefix.size()).split(QLatin1Char(' '));
    const QStringList pair = fields.value(1).mid(5).split(QLatin1Char(','));
    if (fields.size() != 2 || !fields[0].startsWith(QLatin1String("on=")) ||
        !fields[1].startsWith(QLatin1String("pair=")) || pair.size() != 2)
      break;
    return {fields[0].mid(3).toInt(), pair[0].toInt(), pair[1].toInt()};
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
