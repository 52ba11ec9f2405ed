#pragma once
#include <functional>

#include <QString>
#include <QStringList>

#include "platform/CMessageBox.h"

// Captures every message box text while it lives, instead of showing a window. Like the real box,
// each capture runs a nested event loop while it is "open": timers and queued calls go on behind
// it. The optional reaction runs inside that loop, as the operator's time would pass; without one
// the box closes once the events already waiting have been delivered.
class MessageCapture {
public:
  explicit MessageCapture(std::function<void(const QString &)> whileOpen = {});
  ~MessageCapture();
  MessageCapture(const MessageCapture &) = delete;
  MessageCapture &operator=(const MessageCapture &) = delete;

  const QStringList &Texts() const { return m_texts; }
  void Clear() { m_texts.clear(); }
  // How many boxes are open now, and the most that were open at once.
  int OpenBoxes() const { return m_open; }
  int MostOpenAtOnce() const { return m_mostOpen; }

private:
  void Show(const QString &text);

  QStringList m_texts;
  std::function<void(const QString &)> m_whileOpen;
  platform::MessageHook m_previous;
  int m_open = 0;
  int m_mostOpen = 0;
};
