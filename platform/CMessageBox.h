#pragma once
#include <functional>

#include <QString>

class QWidget;

namespace platform {

// The program's one message box: title "KTX2300M", a single OK button, no icon. It runs a
// nested event loop, so the panel's timers keep firing while it is open.
void ShowMessage(const QString &text);

// Tests replace the on-screen box; the hook receives every text. Returns the previous hook.
using MessageHook = std::function<void(const QString &)>;
MessageHook SetMessageHook(MessageHook hook);

} // namespace platform
