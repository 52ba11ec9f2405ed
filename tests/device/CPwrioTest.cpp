// How CPwrio finds the device library and what it does when the library is unusable.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "tests/device/PwrioSimFixture.h"
#include "tests/support/NonRegularFiles.h"

namespace {

// PWRIO_LIBRARY for the next CPwrio; a null value unsets it.
void SetLibraryVariable(const QString &value) {
  value.isNull() ? qunsetenv("PWRIO_LIBRARY") : qputenv("PWRIO_LIBRARY", QFile::encodeName(value));
}

// An unset or empty PWRIO_LIBRARY means the library beside the program; a set one is taken.
TEST(CPwrioLoad, SearchTakesTheVariableOrTheLibraryBesideTheProgram) {
  const QString beside =
      QDir(QCoreApplication::applicationDirPath()).filePath(CPwrio::DefaultFileName());
  const std::pair<QString, QString> cases[] = {
      {QString(), beside}, {QStringLiteral(""), beside}, {PwrioLibraryFile(), PwrioLibraryFile()}};
  for (const auto &[variable, expected] : cases) {
    SCOPED_TRACE(variable.isNull() ? std::string("unset") : variable.toStdString());
    SetLibraryVariable(variable);
    CPwrio pwrio;
    ASSERT_TRUE(pwrio.IsLoaded()) << pwrio.LoadError().toStdString();
    EXPECT_EQ(QFileInfo(pwrio.LibraryPath()).canonicalFilePath(),
              QFileInfo(expected).canonicalFilePath());
  }
  SetLibraryVariable(QString());
}

// The partial library's own functions would answer "done" with 77, 7: none may be called.
TEST(CPwrioLoad, UnusableLibrariesGiveOneSentenceAndFailingCalls) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString absent = dir.filePath(QStringLiteral("libPwrio.so"));
  const QString notALibrary = dir.filePath(QStringLiteral("text.so"));
  ASSERT_TRUE(testhelp::WriteFile(notALibrary, "not a shared object\n"));
  // Nobody writes to it: loading it as a library would wait for ever.
  const QString fifo = dir.filePath(QStringLiteral("fifo.so"));
  ASSERT_TRUE(testhelp::MakeSpecial(testhelp::Special::Fifo, fifo));
  struct Case {
    bool byVariable; // named by PWRIO_LIBRARY, else handed to the loader
    QString path;
    const char *error; // %1 the path; only the start of it when it ends in '('
  };
  const Case cases[] = {
      {false, absent, "The device library %1 does not exist."},
      {true, absent, "The device library %1 named by PWRIO_LIBRARY does not exist."},
      {false, notALibrary, "The device library %1 could not be loaded ("},
      {true, fifo, "The device library %1 could not be loaded (not a regular file)."},
      {false, QString::fromUtf8(PWRIO_TEST_PARTIAL_LIBRARY),
       "The device library %1 lacks the function dsoSetVolt_negative5_CH4."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    SetLibraryVariable(c.byVariable ? c.path : QString());
    const auto pwrio = c.byVariable ? std::make_unique<CPwrio>() : std::make_unique<CPwrio>(c.path);
    const QString error = QString::fromLatin1(c.error).arg(QDir::toNativeSeparators(c.path));
    if (error.endsWith(u'('))
      EXPECT_TRUE(pwrio->LoadError().startsWith(error) && pwrio->LoadError().endsWith(u'.'))
          << pwrio->LoadError().toStdString();
    else
      EXPECT_EQ(pwrio->LoadError(), error);
    EXPECT_EQ(pwrio->dsoSearch(), 0);
    for (const auto channel : {CPwrio::kCh1, CPwrio::kCh2, CPwrio::kCh3, CPwrio::kCh4}) {
      VoltageCode code{31, 4};
      EXPECT_FALSE(pwrio->SetVolt(channel, 1, code)) << "channel " << channel;
      EXPECT_EQ(code, (VoltageCode{31, 4})) << "channel " << channel;
    }
  }
  SetLibraryVariable(QString());
}

} // namespace
