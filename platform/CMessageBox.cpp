#include "platform/CMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {
MessageHook &Hook() {
  static MessageHook hook;
  return hook;
}
} // namespace

void ShowMessage(const QString &text) {
  if (Hook()) {
    Hook()(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KTX2300M"), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

MessageHook SetMessageHook(MessageHook hook) {
  MessageHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

} // namespace platform
