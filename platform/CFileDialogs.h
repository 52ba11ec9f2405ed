#pragma once
#include <functional>
#include <optional>

#include <QString>

class QWidget;

namespace platform {

// One request for the platform's open or save dialog. The filter is kept in the pairs form the
// program's texts use ("Text File(*.txt)|*.txt||"); the dialog turns it into Qt's form.
struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  QString title;
  QString filter;
  QString defaultSuffix; // without the dot; empty for none
  bool confirmOverwrite = false;
};

// Shows the dialog modally; the chosen full path, or nullopt when the operator cancels. The
// dialog starts in the folder of the last file chosen (kept in the program's QSettings, so it
// outlives the run), or in the working folder the first time.
std::optional<QString> AskFileName(const FileDialogRequest &request, QWidget *parent = nullptr);

// The remembered folder; empty when none was chosen yet or it no longer exists.
QString LastFolder();
inline constexpr const char *kLastFolderKey = "FileDialogs/LastFolder";

// "Text File(*.txt)|*.txt|Word File(*.doc)|*.doc||" -> "Text File(*.txt);;Word File(*.doc)".
// Qt reads the patterns from the parentheses of each description.
QString QtFilterFromPairs(const QString &pairs);

// Tests answer the dialog without a window; the hook sees every request. Returns the previous
// hook.
using FileDialogHook = std::function<std::optional<QString>(const FileDialogRequest &)>;
FileDialogHook SetFileDialogHook(FileDialogHook hook);

} // namespace platform
