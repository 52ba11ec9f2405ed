// Templates 148 and 149, the CH1 and CH2 volt-set dialogs.
#include "resources/DialogTemplates.h"

namespace res {
using namespace platform;
using K = ControlKind;

namespace {
constexpr std::uint32_t kVoltStyle = kBorder | kTabStop | kAutoHScroll;
} // namespace

const DialogTemplate &VoltSetCh1Template() {
  static const DialogTemplate tmpl{148,
                                   "VOLT_SET_CH1",
                                   95,
                                   53,
                                   "System",
                                   10,
                                   {
                                       {1126, K::DefPushButton, "OK", 14, 32, 27, 14, kTabStop},
                                       {2, K::PushButton, "Cancel", 45, 32, 27, 14, kTabStop},
                                       {1122, K::Static, "volt_set", 14, 18, 27, 8},
                                       {1123, K::Edit, "", 45, 15, 34, 14, kVoltStyle},
                                   }};
  return tmpl;
}

const DialogTemplate &VoltSetCh2Template() {
  // The original gave this "Cancel" the id 4, not the platform's cancel id 2.
  static const DialogTemplate tmpl{149,
                                   "VOLT_SET_CH2",
                                   97,
                                   53,
                                   "System",
                                   10,
                                   {
                                       {1126, K::DefPushButton, "OK", 14, 32, 27, 14, kTabStop},
                                       {4, K::PushButton, "Cancel", 51, 32, 27, 14, kTabStop},
                                       {1125, K::Static, "volt_set", 14, 15, 27, 8},
                                       {1124, K::Edit, "", 46, 13, 38, 14, kVoltStyle},
                                   }};
  return tmpl;
}

} // namespace res
