// Templates 145 and 147, the CH1 and CH2 keypads.
#include "resources/DialogTemplates.h"

namespace res {
using namespace platform;
using K = ControlKind;

namespace {
constexpr std::uint32_t kKey = kTabStop;
constexpr std::uint32_t kResultStyle = kBorder | kReadOnly | kAutoHScroll | kTabStop;
} // namespace

const DialogTemplate &KeypadCh1Template() {
  static const DialogTemplate tmpl{145,
                                   "KEYBOARD_CH1",
                                   145,
                                   89,
                                   "System",
                                   10,
                                   {
                                       {1075, K::PushButton, "1", 14, 14, 19, 14, kKey},
                                       {1076, K::PushButton, "2", 39, 14, 19, 14, kKey},
                                       {1077, K::PushButton, "3", 63, 14, 19, 14, kKey},
                                       {1078, K::PushButton, "4", 14, 32, 19, 14, kKey},
                                       {1079, K::PushButton, "5", 39, 32, 19, 14, kKey},
                                       {1080, K::PushButton, "6", 63, 32, 19, 14, kKey},
                                       {1081, K::PushButton, "7", 14, 49, 19, 14, kKey},
                                       {1082, K::PushButton, "8", 39, 49, 19, 14, kKey},
                                       {1083, K::PushButton, "9", 63, 49, 19, 14, kKey},
                                       {1084, K::PushButton, ".", 14, 66, 19, 14, kKey},
                                       {1085, K::PushButton, "0", 39, 66, 19, 14, kKey},
                                       {1086, K::PushButton, "Clear", 63, 66, 19, 14, kKey},
                                       {1087, K::DefPushButton, "SET", 89, 45, 43, 35, kKey},
                                       {1089, K::Static, "SET   RESULT", 88, 17, 47, 8},
                                       {1088, K::Edit, "", 89, 28, 42, 14, kResultStyle},
                                   }};
  return tmpl;
}

const DialogTemplate &KeypadCh2Template() {
  static const DialogTemplate tmpl{147,
                                   "KEYBOARD_CH2",
                                   144,
                                   86,
                                   "System",
                                   10,
                                   {
                                       {1087, K::DefPushButton, "SET", 87, 41, 43, 35, kKey},
                                       {1075, K::PushButton, "1", 14, 14, 18, 14, kKey},
                                       {1076, K::PushButton, "2", 38, 14, 18, 14, kKey},
                                       {1077, K::PushButton, "3", 62, 14, 18, 14, kKey},
                                       {1078, K::PushButton, "4", 14, 31, 18, 14, kKey},
                                       {1079, K::PushButton, "5", 38, 31, 18, 14, kKey},
                                       {1080, K::PushButton, "6", 62, 31, 18, 14, kKey},
                                       {1081, K::PushButton, "7", 14, 48, 18, 14, kKey},
                                       {1082, K::PushButton, "8", 38, 48, 18, 14, kKey},
                                       {1083, K::PushButton, "9", 62, 48, 18, 14, kKey},
                                       {1084, K::PushButton, ".", 14, 65, 18, 14, kKey},
                                       {1085, K::PushButton, "0", 38, 65, 18, 14, kKey},
                                       {1086, K::PushButton, "Clear", 62, 65, 18, 14, kKey},
                                       {1088, K::Edit, "", 87, 25, 42, 14, kResultStyle},
                                       {1089, K::Static, "SET   RESULT", 86, 14, 51, 8},
                                   }};
  return tmpl;
}

} // namespace res
