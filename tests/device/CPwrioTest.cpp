// How CPwrio finds the device library and what it does when the library is unusable.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "tests/device/PwrioSimFixture.h"
#include "tests/support/NonRegularFiles.h"

namespace {

// PWRIO_LIBRARY set (unset for a null value) for one scope, put back as it was afterwards.
class LibraryVariable {
public:
  explicit LibraryVariable(const QString &value) {
    value.isNull() ? qunsetenv(kName) : qputenv(kName, QFile::encodeName(value));
  }
  ~LibraryVariable() { m_had ? qputenv(kName, m_old) : qunsetenv(kName); }
  LibraryVariable(const LibraryVariable &) = delete;
  LibraryVariable &operator=(const LibraryVariable &) = delete;

private:
  static constexpr const char *kName = "PWRIO_LIBRARY";
  bool m_had = qEnvironmentVariableIsSet(kName);
  QByteArray m_old = qgetenv(kName);
};

// A loader that is not loaded must fail every call and leave the caller's code alone.
void ExpectEveryCallFails(CPwrio &pwrio) {
  EXPECT_FALSE(pwrio.IsLoaded());
  EXPECT_TRUE(pwrio.LibraryPath().isEmpty());
  EXPECT_EQ(pwrio.dsoSearch(), 0);
  for (const auto channel : {CPwrio::kCh1, CPwrio::kCh2, CPwrio::kCh3, CPwrio::kCh4}) {
    for (const int onFlag : {0, 1}) {
      VoltageCode code{31, 4};
      EXPECT_FALSE(pwrio.SetVolt(channel, onFlag, code)) << "channel " << channel;
      EXPECT_EQ(code, (VoltageCode{31, 4})) << "channel " << channel;
    }
  }
}

// An unset or empty PWRIO_LIBRARY means the library beside the program; a set one is taken.
TEST(CPwrioLoad, SearchTakesTheVariableOrTheLibraryBesideTheProgram) {
  const QString beside =
      QDir(QCoreApplication::applicationDirPath()).filePath(CPwrio::DefaultFileName());
  const std::pair<QString, QString> cases[] = {
      {QString(), beside}, {QStringLiteral(""), beside}, {PwrioLibraryFile(), PwrioLibraryFile()}};
  for (const auto &[variable, expected] : cases) {
    SCOPED_TRACE(variable.isNull() ? std::string("unset") : variable.toStdString());
    LibraryVariable var{variable};
    CPwrio pwrio;
    ASSERT_TRUE(pwrio.IsLoaded()) << pwrio.LoadError().toStdString();
    EXPECT_TRUE(pwrio.LoadError().isEmpty());
    EXPECT_EQ(QFileInfo(pwrio.LibraryPath()).canonicalFilePath(),
              QFileInfo(expected).canonicalFilePath());
    EXPECT_NE(pwrio.dsoSearch(), 0);
  }
}

TEST(CPwrioLoad, UnusableLibrariesGiveOneSentenceAndFailingCalls) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString absent = dir.filePath(QStringLiteral("libPwrio.so"));
  const QString notALibrary = dir.filePath(QStringLiteral("text.so"));
  ASSERT_TRUE(testhelp::WriteFile(notALibrary, "not a shared object\n"));
  // Nobody writes to it: loading it as a library would wait for ever.
  const QString fifo = dir.filePath(QStringLiteral("fifo.so"));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
  const QString partial = PartialLibraryFile();
  const QString partialText = QStringLiteral("The device library %1 lacks the function "
                                             "dsoSetVolt_negative5_CH4.")
                                  .arg(QDir::toNativeSeparators(partial));

  struct Case {
    const char *what;
    std::function<std::unique_ptr<CPwrio>()> make;
    QString error; // exact text, or the start of it when prefixOnly
    bool prefixOnly;
  };
  const Case cases[] = {
      {"missing file", [&] { return std::make_unique<CPwrio>(absent); },
       QStringLiteral("The device library %1 does not exist.")
           .arg(QDir::toNativeSeparators(absent)),
       false},
      {"missing file named by PWRIO_LIBRARY",
       [&] {
         LibraryVariable var{absent};
         return std::make_unique<CPwrio>();
       },
       QStringLiteral("The device library %1 named by PWRIO_LIBRARY does not exist.")
           .arg(QDir::toNativeSeparators(absent)),
       false},
      {"not a library", [&] { return std::make_unique<CPwrio>(notALibrary); },
       QStringLiteral("The device library %1 could not be loaded (")
           .arg(QDir::toNativeSeparators(notALibrary)),
       true},
      {"a FIFO named by PWRIO_LIBRARY",
       [&] {
         LibraryVariable var{fifo};
         return std::make_unique<CPwrio>();
       },
       QStringLiteral("The device library %1 could not be loaded (not a regular file).")
           .arg(QDir::toNativeSeparators(fifo)),
       false},
      {"a function missing", [&] { return std::make_unique<CPwrio>(partial); }, partialText, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    const auto pwrio = c.make();
    const QString error = pwrio->LoadError();
    if (c.prefixOnly) {
      EXPECT_TRUE(error.startsWith(c.error)) << error.toStdString();
      EXPECT_TRUE(error.endsWith(QStringLiteral(").")));
    } else {
      EXPECT_EQ(error, c.error);
    }
    // The partial library's own functions would answer "done" with 77, 7: none may be called.
    ExpectEveryCallFails(*pwrio);
  }
}

} // namespace
