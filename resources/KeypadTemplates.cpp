// Templates 145 and 147, the CH1 and CH2 keypads.
#include "resources/ControlIds.h"
#include "resources/DialogTemplates.h"

namespace res {
using namespace platform;
using K = ControlKind;

namespace {
constexpr std::uint32_t kKey = kTabStop;
constexpr std::uint32_t kResultStyle = kBorder | kReadOnly | kAutoHScroll | kTabStop;
} // namespace

const DialogTemplate &KeypadCh1Template() {
  static const DialogTemplate tmpl{
      145,
      "KEYBOARD_CH1",
      145,
      89,
      "System",
      10,
      {
          {ctl::kKey1, K::PushButton, "1", 14, 14, 19, 14, kKey},
          {ctl::kKey2, K::PushButton, "2", 39, 14, 19, 14, kKey},
          {ctl::kKey3, K::PushButton, "3", 63, 14, 19, 14, kKey},
          {ctl::kKey4, K::PushButton, "4", 14, 32, 19, 14, kKey},
          {ctl::kKey5, K::PushButton, "5", 39, 32, 19, 14, kKey},
          {ctl::kKey6, K::PushButton, "6", 63, 32, 19, 14, kKey},
          {ctl::kKey7, K::PushButton, "7", 14, 49, 19, 14, kKey},
          {ctl::kKey8, K::PushButton, "8", 39, 49, 19, 14, kKey},
          {ctl::kKey9, K::PushButton, "9", 63, 49, 19, 14, kKey},
          {ctl::kKeyPoint, K::PushButton, ".", 14, 66, 19, 14, kKey},
          {ctl::kKey0, K::PushButton, "0", 39, 66, 19, 14, kKey},
          {ctl::kKeyClear, K::PushButton, "Clear", 63, 66, 19, 14, kKey},
          {ctl::kKeySet, K::DefPushButton, "SET", 89, 45, 43, 35, kKey},
          {ctl::kKeyResultLabel, K::Static, "SET   RESULT", 88, 17, 47, 8},
          {ctl::kKeyResult, K::Edit, "", 89, 28, 42, 14, kResultStyle},
      }};
  return tmpl;
}

const DialogTemplate &KeypadCh2Template() {
  static const DialogTemplate tmpl{
      147,
      "KEYBOARD_CH2",
      144,
      86,
      "System",
      10,
      {
          {ctl::kKeySet, K::DefPushButton, "SET", 87, 41, 43, 35, kKey},
          {ctl::kKey1, K::PushButton, "1", 14, 14, 18, 14, kKey},
          {ctl::kKey2, K::PushButton, "2", 38, 14, 18, 14, kKey},
          {ctl::kKey3, K::PushButton, "3", 62, 14, 18, 14, kKey},
          {ctl::kKey4, K::PushButton, "4", 14, 31, 18, 14, kKey},
          {ctl::kKey5, K::PushButton, "5", 38, 31, 18, 14, kKey},
          {ctl::kKey6, K::PushButton, "6", 62, 31, 18, 14, kKey},
          {ctl::kKey7, K::PushButton, "7", 14, 48, 18, 14, kKey},
          {ctl::kKey8, K::PushButton, "8", 38, 48, 18, 14, kKey},
          {ctl::kKey9, K::PushButton, "9", 62, 48, 18, 14, kKey},
          {ctl::kKeyPoint, K::PushButton, ".", 14, 65, 18, 14, kKey},
          {ctl::kKey0, K::PushButton, "0", 38, 65, 18, 14, kKey},
          {ctl::kKeyClear, K::PushButton, "Clear", 62, 65, 18, 14, kKey},
          {ctl::kKeyResult, K::Edit, "", 87, 25, 42, 14, kResultStyle},
          {ctl::kKeyResultLabel, K::Static, "SET   RESULT", 86, 14, 51, 8},
      }};
  return tmpl;
}

} // namespace res
