// The open and save dialogs start where the operator last chose a file.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/CFileDialogs.h"

namespace {

using platform::FileDialogRequest;

// Runs one real dialog: notes the folder it starts in and chooses answer (or cancels).
QString StartFolderOfDialog(FileDialogRequest::Kind kind, const QString &answer) {
  QString start;
  QTimer::singleShot(0, [&] {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    start = dialog->directory().absolutePath();
    if (answer.isEmpty()) {
      dialog->reject();
      return;
    }
    dialog->selectFile(answer);
    static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides it
  });
  const auto chosen =
      platform::AskFileName({kind, QStringLiteral("t"), QStringLiteral("Text File(*.txt)|*.txt||"),
                             QStringLiteral("txt"), false});
  EXPECT_EQ(chosen.value_or(QString()), answer);
  return start;
}

TEST(FileDialogs, StartInTheFolderOfTheLastChosenFile) {
  QCoreApplication::setOrganizationName(QStringLiteral("ktx-tests"));
  QSettings().remove(QLatin1String(platform::kLastFolderKey));
  QTemporaryDir first, second;
  const QString a = first.filePath(QStringLiteral("a.txt"));
  const QString b = second.filePath(QStringLiteral("b.txt"));
  for (const QString &path : {a, b}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const QString here = QDir::currentPath();
  struct Case {
    FileDialogRequest::Kind kind;
    QString answer; // empty: cancel
    QString startsIn;
  };
  const Case cases[] = {
      {FileDialogRequest::Kind::Open, a, here},         // nothing remembered yet
      {FileDialogRequest::Kind::Save, b, first.path()}, // open and save share the place
      {FileDialogRequest::Kind::Open, QString(), second.path()},
      {FileDialogRequest::Kind::Open, a, second.path()}, // a cancel changes nothing
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.answer.toStdString());
    EXPECT_EQ(StartFolderOfDialog(c.kind, c.answer), c.startsIn);
  }
  first.remove(); // a folder that is gone is forgotten
  EXPECT_EQ(StartFolderOfDialog(FileDialogRequest::Kind::Open, QString()), here);
}

} // namespace
