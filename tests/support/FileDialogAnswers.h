#pragma once
#include <deque>
#include <optional>
#include <vector>

#include <QString>

#include "platform/CFileDialogs.h"

// Answers the file dialogs in order while it lives (nullopt, or no answer left: Cancel) and keeps
// what each one asked.
class FileDialogAnswers {
public:
  explicit FileDialogAnswers(std::deque<std::optional<QString>> answers) {
    m_previous = platform::SetFileDialogHook(
        [this, answers](const platform::FileDialogRequest &request) mutable {
          requests.push_back(request);
          std::optional<QString> answer;
          if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
          }
          return answer;
        });
  }
  ~FileDialogAnswers() { platform::SetFileDialogHook(std::move(m_previous)); }
  FileDialogAnswers(const FileDialogAnswers &) = delete;
  FileDialogAnswers &operator=(const FileDialogAnswers &) = delete;

  std::vector<platform::FileDialogRequest> requests;

private:
  platform::FileDialogHook m_previous;
};
