#include "platform/CFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace platform {
namespace {
FileDialogHook &Hook() {
  static FileDialogHook hook;
  return hook;
}
} // namespace

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
    return Hook()(request);
  QFileDialog dialog(parent ? parent : QApplication::activeWindow(), request.title);
  dialog.setNameFilter(QtFilterFromPairs(request.filter));
  dialog.setFileMode(request.kind == FileDialogRequest::Kind::Open ? QFileDialog::ExistingFile
                                                                   : QFileDialog::AnyFile);
  dialog.setAcceptMode(request.kind == FileDialogRequest::Kind::Open ? QFileDialog::AcceptOpen
                                                                     : QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
  FileDialogHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

} // namespace platform
