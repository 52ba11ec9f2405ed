#pragma once
#include <functional>

#include <QString>
#include <QStringList>

#include "platform/CMessageBox.h"

// Captures every message box text while it lives, instead of showing a window. An optional
// reaction runs while the "box" is open, as the operator's time would pass in a nested loop.
class MessageCapture {
public:
  explicit MessageCapture(std::function<void(const QString &)> whileOpen = {});
  ~MessageCapture();
  MessageCapture(const MessageCapture &) = delete;
  MessageCapture &operator=(const MessageCapture &) = delete;

  const QStringList &Texts() const { return m_texts; }
  void Clear() { m_texts.clear(); }

private:
  QStringList m_texts;
  std::function<void(const QString &)> m_whileOpen;
  platform::MessageHook m_previous;
};
