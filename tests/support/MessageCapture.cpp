#include "tests/support/MessageCapture.h"

#include <algorithm>

#include <QEventLoop>
#include <QTimer>

MessageCapture::MessageCapture(std::function<void(const QString &)> whileOpen)
    : m_whileOpen(std::move(whileOpen)) {
  m_previous = platform::SetMessageHook([this](const QString &text) { Show(text); });
}

MessageCapture::~MessageCapture() {
  platform::SetMessageHook(std::move(m_previous));
}

void MessageCapture::Show(const QString &text) {
  m_texts.append(text);
  ++m_open;
  m_mostOpen = std::max(m_mostOpen, m_open);
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [this, &loop, text] {
    if (m_whileOpen)
      m_whileOpen(text);
    loop.quit();
  });
  loop.exec();
  --m_open;
}
