#pragma once
#include <QWidget>

#include "app/CHelpIndex.h"

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

// The program's own help window, for desktops with no viewer for the compiled guide: the same
// pages, a contents list that the search box narrows, back and forward.
class CHelpWindow : public QWidget {
  Q_OBJECT
public:
  explicit CHelpWindow(const QString &folder, QWidget *parent = nullptr);

  // Shows the first page of the contents and brings the window up.
  void ShowContents();

  QTextBrowser *Browser() const { return m_browser; }

  static constexpr const char *kFolder = ":/help";

private:
  void ListTopics(const QString &query);
  void OpenPage(const QString &page);

  QString m_folder;
  CHelpIndex m_index;
  QLineEdit *m_search = nullptr;
  QListWidget *m_topics = nullptr;
  QTextBrowser *m_browser = nullptr;
  QToolButton *m_back = nullptr;
  QToolButton *m_forward = nullptr;
};
