// The open and save dialogs start where the operator last chose a file.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/CFileDialogs.h"

namespace {

using platform::FileDialogRequest;

// The choices go through the test hook; one real dialog then shows where it starts and that its
// choice is remembered too.
TEST(FileDialogs, StartInTheFolderOfTheLastChosenFile) {
  QCoreApplication::setOrganizationName(QStringLiteral("ktx-tests"));
  QSettings().remove(QLatin1String(platform::kLastFolderKey));
  QTemporaryDir first, second;
  const std::pair<std::optional<QString>, QString> cases[] = {
      {std::nullopt, QString()}, // nothing remembered yet
      {first.filePath(QStringLiteral("a.txt")), first.path()},
      {second.filePath(QStringLiteral("b.txt")), second.path()},
      {std::nullopt, second.path()}, // a cancel changes nothing
  };
  for (const auto &[answer, remembered] : cases) {
    platform::SetFileDialogHook([&](const FileDialogRequest &) { return answer; });
    EXPECT_EQ(platform::AskFileName({}), answer);
    EXPECT_EQ(platform::LastFolder(), remembered);
  }
  platform::SetFileDialogHook({});
  FileDialogRequest save;
  save.kind = FileDialogRequest::Kind::Save;
  QString start;
  QTimer::singleShot(0, [&] {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    start = dialog->directory().absolutePath();
    dialog->selectFile(first.filePath(QStringLiteral("c.txt")));
    static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides it
  });
  EXPECT_EQ(platform::AskFileName(save), first.filePath(QStringLiteral("c.txt")));
  EXPECT_EQ(start, second.path());
  EXPECT_EQ(platform::LastFolder(), first.path());
  first.remove(); // a folder that is gone is forgotten
  EXPECT_EQ(platform::LastFolder(), QString());
}

} // namespace
