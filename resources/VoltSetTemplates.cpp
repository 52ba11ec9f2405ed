// Templates 148 and 149, the CH1 and CH2 volt-set dialogs.
#include "resources/ControlIds.h"
#include "resources/DialogTemplates.h"

namespace res {
using namespace platform;
using K = ControlKind;

namespace {
constexpr std::uint32_t kVoltStyle = kBorder | kTabStop | kAutoHScroll;
} // namespace

const DialogTemplate &VoltSetCh1Template() {
  static const DialogTemplate tmpl{
      148,
      "VOLT_SET_CH1",
      95,
      53,
      "System",
      10,
      {
          {ctl::kVoltSetOk, K::DefPushButton, "OK", 14, 32, 27, 14, kTabStop},
          {ctl::kVoltSetCh1Cancel, K::PushButton, "Cancel", 45, 32, 27, 14, kTabStop},
          {ctl::kVoltSetCh1Label, K::Static, "volt_set", 14, 18, 27, 8},
          {ctl::kVoltSetCh1Edit, K::Edit, "", 45, 15, 34, 14, kVoltStyle},
      }};
  return tmpl;
}

const DialogTemplate &VoltSetCh2Template() {
  // This "Cancel" has the id 4, not the platform's cancel id 2; it cancels all the same.
  static const DialogTemplate tmpl{
      149,
      "VOLT_SET_CH2",
      97,
      53,
      "System",
      10,
      {
          {ctl::kVoltSetOk, K::DefPushButton, "OK", 14, 32, 27, 14, kTabStop},
          {ctl::kVoltSetCh2Cancel, K::PushButton, "Cancel", 51, 32, 27, 14, kTabStop},
          {ctl::kVoltSetCh2Label, K::Static, "volt_set", 14, 15, 27, 8},
          {ctl::kVoltSetCh2Edit, K::Edit, "", 46, 13, 38, 14, kVoltStyle},
      }};
  return tmpl;
}

} // namespace res
