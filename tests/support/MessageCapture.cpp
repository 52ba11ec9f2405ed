#include "tests/support/MessageCapture.h"

MessageCapture::MessageCapture(std::function<void(const QString &)> whileOpen)
    : m_whileOpen(std::move(whileOpen)) {
  m_previous = platform::SetMessageHook([this](const QString &text) {
    m_texts.append(text);
    if (m_whileOpen)
      m_whileOpen(text);
  });
}

MessageCapture::~MessageCapture() {
  platform::SetMessageHook(std::move(m_previous));
}
