#include "platform/CFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace platform {
namespace {
FileDialogHook &Hook() {
  static FileDialogHook hook;
  return hook;
}

std::optional<QString> Remembered(std::optional<QString> path) {
  if (path && !path->isEmpty())
    QSettings().setValue(QLatin1String(kLastFolderKey), QFileInfo(*path).absolutePath());
  return path;
}
} // namespace

QString LastFolder() {
  const QString folder = QSettings().value(QLatin1String(kLastFolderKey)).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString QtFilterFromPairs(const QString &pairs) {
  const QStringList parts = pairs.split(QLatin1Char('|'));
  QStringList descriptions;
  // Descriptions sit at the even places; the list ends at the first empty description.
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty())
      break;
    descriptions.append(parts[i]);
  }
  return descriptions.join(QStringLiteral(";;"));
}

std::optional<QString> AskFileName(const FileDialogRequest &request, QWidget *parent) {
  if (Hook())
    return Remembered(Hook()(request));
  // Always a folder of our own: QFileDialog would otherwise reuse the last one it visited.
  const QString folder = LastFolder();
  QFileDialog dialog(parent ? parent : QApplication::activeWindow(), request.title,
                     folder.isEmpty() ? QDir::currentPath() : folder);
  dialog.setNameFilter(QtFilterFromPairs(request.filter));
  dialog.setFileMode(request.kind == FileDialogRequest::Kind::Open ? QFileDialog::ExistingFile
                                                                   : QFileDialog::AnyFile);
  dialog.setAcceptMode(request.kind == FileDialogRequest::Kind::Open ? QFileDialog::AcceptOpen
                                                                     : QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return Remembered(dialog.selectedFiles().constFirst());
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
  FileDialogHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

} // namespace platform
