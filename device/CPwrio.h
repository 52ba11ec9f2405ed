#pragma once
#include <QLibrary>
#include <QString>
#include <QStringList>

#include "device/VoltageCode.h"
#include "device/pwrio/Pwrio.h"

// The device library, loaded by name at run time: beside the executable first, then the
// installation's private folder (lib/KTX2300M next to the program's bin), then the system's
// search path; PWRIO_LIBRARY may name another file and nothing else. When the library or one of its
// five functions is missing, every call counts as failed.
class CPwrio {
public:
  enum Channel { kCh1 = 0, kCh2 = 1, kCh3 = 2, kCh4 = 3 };

  CPwrio();                                    // default search
  explicit CPwrio(const QString &libraryPath); // explicit file (tests)
  ~CPwrio();
  CPwrio(const CPwrio &) = delete;
  CPwrio &operator=(const CPwrio &) = delete;

  bool IsLoaded() const;
  // One clear sentence naming the library and what is missing; empty when loaded.
  QString LoadError() const;

  // Nonzero: a device is attached. 0 when the library is missing.
  int dsoSearch();
  // Calls the channel's set function with (0, onFlag, code, 2). True when the low 16 bits of
  // the result are nonzero; the library may rewrite code (the read-back).
  bool SetVolt(Channel channel, int onFlag, VoltageCode &code);

  // The file the functions came from; empty when not loaded.
  QString LibraryPath() const;

  // Names the loader looks for and reads.
  static QString DefaultFileName(); // libPwrio.so, Pwrio.dll, libPwrio.dylib
  // The files tried, in order, before the system's search, for a program in programFolder.
  static QStringList Candidates(const QString &programFolder);
  static constexpr const char *kLibraryVariable = "PWRIO_LIBRARY";

private:
  bool Load(const QString &path);
  bool Resolve();
  void LoadDefault();

  QLibrary m_library;
  QString m_strError;
  PwrioSearchFn m_pfnSearch = nullptr;
  PwrioSetVoltFn m_pfnSetVolt[4] = {};
};
