#include "device/CPwrio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

constexpr const char *kSetVoltNames[4] = {"dsoSetVolt_positive9_CH1", "dsoSetVolt_positive9_CH2",
                                          "dsoSetVolt_positive5_CH3", "dsoSetVolt_negative5_CH4"};
constexpr const char *kSearchName = "dsoSearch";

// The loader's own texts, shown once by the panel in a message box.
QString NotFoundText(const QString &fileName, const QString &folder) {
  return QStringLiteral("The device library %1 was found neither beside the program (%2), nor in "
                        "its installed folder, nor on the system's library path.")
      .arg(fileName, QDir::toNativeSeparators(folder));
}

QString MissingFileText(const QString &path, bool fromVariable) {
  return fromVariable ? QStringLiteral("The device library %1 named by %2 does not exist.")
                            .arg(QDir::toNativeSeparators(path),
                                 QString::fromLatin1(CPwrio::kLibraryVariable))
                      : QStringLiteral("The device library %1 does not exist.")
                            .arg(QDir::toNativeSeparators(path));
}

QString LoadFailedText(const QString &path, const QString &reason) {
  return QStringLiteral("The device library %1 could not be loaded (%2).")
      .arg(QDir::toNativeSeparators(path), reason);
}

QString MissingFunctionsText(const QString &path, const QStringList &names) {
  return (names.size() == 1 ? QStringLiteral("The device library %1 lacks the function %2.")
                            : QStringLiteral("The device library %1 lacks the functions %2."))
      .arg(QDir::toNativeSeparators(path), names.join(QStringLiteral(", ")));
}

} // namespace

CPwrio::CPwrio() {
  const QString named = qEnvironmentVariable(kLibraryVariable);
  if (named.isEmpty()) {
    LoadDefault();
  } else if (!QFileInfo::exists(named)) {
    m_strError = MissingFileText(named, true);
  } else {
    Load(named);
  }
}

CPwrio::CPwrio(const QString &libraryPath) {
  if (!QFileInfo::exists(libraryPath)) {
    m_strError = MissingFileText(libraryPath, false);
  } else {
    Load(libraryPath);
  }
}

// The library stays mapped for the life of the process: its simulated outputs live there.
CPwrio::~CPwrio() = default;

QString CPwrio::DefaultFileName() {
#if defined(Q_OS_WIN)
  return QStringLiteral("Pwrio.dll");
#elif defined(Q_OS_MACOS)
  return QStringLiteral("libPwrio.dylib");
#else
  return QStringLiteral("libPwrio.so");
#endif
}

QStringList CPwrio::Candidates(const QString &programFolder) {
  QStringList files{QDir(programFolder).filePath(DefaultFileName())};
#ifdef KTX_LIBDIR_FROM_BINDIR
  files << QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(KTX_LIBDIR_FROM_BINDIR)) +
                           QLatin1Char('/') + DefaultFileName());
#endif
  return files;
}

void CPwrio::LoadDefault() {
  QString folder;
  if (QCoreApplication::instance()) {
    folder = QCoreApplication::applicationDirPath();
    for (const QString &candidate : Candidates(folder)) {
      if (QFileInfo::exists(candidate)) {
        // The first library found is the one meant, even if it turns out unusable.
        Load(candidate);
        return;
      }
    }
  }
  // No slash: the platform's own search (LD_LIBRARY_PATH, PATH, the loader's cache).
  m_library.setFileName(QStringLiteral("Pwrio"));
  if (!m_library.load()) {
    m_strError = NotFoundText(DefaultFileName(), folder);
    return;
  }
  Resolve();
}

bool CPwrio::Load(const QString &path) {
  // The loader would wait for ever on a FIFO, and has no way to be told not to.
  const QFileInfo file(path);
  if (!file.isFile()) {
    m_strError = LoadFailedText(path, QStringLiteral("not a regular file"));
    return false;
  }
  m_library.setFileName(file.absoluteFilePath());
  if (!m_library.load()) {
    m_strError = LoadFailedText(path, m_library.errorString());
    return false;
  }
  return Resolve();
}

bool CPwrio::Resolve() {
  QStringList missing;
  m_pfnSearch = reinterpret_cast<PwrioSearchFn>(m_library.resolve(kSearchName));
  if (!m_pfnSearch) {
    missing << QString::fromLatin1(kSearchName);
  }
  for (int i = 0; i < 4; ++i) {
    m_pfnSetVolt[i] = reinterpret_cast<PwrioSetVoltFn>(m_library.resolve(kSetVoltNames[i]));
    if (!m_pfnSetVolt[i]) {
      missing << QString::fromLatin1(kSetVoltNames[i]);
    }
  }
  if (missing.isEmpty()) {
    m_strError.clear();
    return true;
  }
  // All five or none: a half-usable device would fail in ways the panel cannot explain.
  m_strError = MissingFunctionsText(m_library.fileName(), missing);
  m_pfnSearch = nullptr;
  for (auto &fn : m_pfnSetVolt) {
    fn = nullptr;
  }
  return false;
}

bool CPwrio::IsLoaded() const {
  return m_pfnSearch != nullptr;
}

QString CPwrio::LoadError() const {
  return m_strError;
}

QString CPwrio::LibraryPath() const {
  return IsLoaded() ? m_library.fileName() : QString();
}

int CPwrio::dsoSearch() {
  return m_pfnSearch ? m_pfnSearch() : 0;
}

bool CPwrio::SetVolt(Channel channel, int onFlag, VoltageCode &code) {
  static_assert(sizeof(int) == sizeof(std::int32_t), "the library's pair is two 32-bit ints");
  if (!IsLoaded() || channel < kCh1 || channel > kCh4) {
    return false;
  }
  // The library works on the caller's pair, as the panel's own pair would be passed by address:
  // whatever it leaves there is kept, even after a failure.
  int pair[2] = {code.first, code.second};
  const short result = m_pfnSetVolt[channel](0, onFlag, pair, 2);
  code.first = pair[0];
  code.second = pair[1];
  return result != 0;
}
