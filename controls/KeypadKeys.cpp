#include "controls/KeypadKeys.h"

#include <Qt>

#include "resources/ControlIds.h"

namespace controls {

int KeypadKeyControl(int key, const QString &text) {
  switch (key) {
  case Qt::Key_Backspace:
  case Qt::Key_Delete:
    return ctl::kKeyClear;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return ctl::kKeySet;
  default:
    break;
  }
  if (text.size() != 1)
    return 0;
  const char16_t c = text.at(0).unicode();
  if (c == u'0')
    return ctl::kKey0;
  if (c >= u'1' && c <= u'9')
    return ctl::kKey1 + (c - u'1');
  if (c == u'.' || c == u',')
    return ctl::kKeyPoint;
  return 0;
}

} // namespace controls
