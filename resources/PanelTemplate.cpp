// Template 102, the control panel form, and template 100, the About box.
#include "resources/ControlIds.h"
#include "resources/DialogTemplates.h"

namespace res {
using namespace platform;
using K = ControlKind;

const DialogTemplate &PanelTemplate() {
  static const DialogTemplate tmpl{
      102,
      "",
      795,
      431,
      "宋体",
      10,
      {
          // Channel area, always shown.
          {ctl::kChannelArea, K::GroupBox, "", 13, 7, 187, 218},
          {ctl::kConnectionIcon, K::StaticIcon, "", 81, 13, 20, 20},
          {ctl::kCh1Frame, K::GroupBox, "", 15, 31, 181, 72},
          {1000, K::Static, "CH1: +1V - +9V", 18, 38, 59, 10},
          {ctl::kCh1Led, K::Led, "", 80, 40, 11, 9, kTabStop},
          {ctl::kCh1Switch, K::PushButton, "OFF", 94, 36, 30, 14, kTabStop},
          {ctl::kCh1Knob, K::StaticCustom, "", 131, 38, 58, 58, kNotify},
          {ctl::kCh1ActualLabel, K::Static, "VOLT_ACTUAL", 20, 54, 45, 8},
          {ctl::kCh1Actual, K::Edit, "", 71, 52, 53, 14,
           kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {ctl::kCh1SetLabel, K::Static, "VOLT_SET", 21, 71, 42, 10},
          {ctl::kCh1Set, K::Edit, "", 70, 70, 54, 14, kBorder | kAutoHScroll | kTabStop},
          {ctl::kCh1Keypad, K::PushButton, "keyboard", 20, 86, 43, 14, kTabStop},
          {ctl::kCh1Ok, K::PushButton, "OK", 77, 86, 35, 14, kTabStop},
          {ctl::kCh2Frame, K::GroupBox, "", 15, 106, 181, 72},
          {ctl::kCh2Label, K::Static, "CH2: +1V - +9V", 18, 114, 57, 8},
          {ctl::kCh2Led, K::Led, "", 82, 113, 9, 9, kTabStop},
          {ctl::kCh2Switch, K::PushButton, "OFF", 94, 111, 30, 14, kTabStop},
          {ctl::kCh2Knob, K::StaticCustom, "", 131, 113, 58, 58, kNotify},
          {ctl::kCh2ActualLabel, K::Static, "VOLT_ACTUAL", 19, 130, 45, 8},
          {ctl::kCh2Actual, K::Edit, "", 75, 126, 49, 14,
           kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {ctl::kCh2SetLabel, K::Static, "VOLT_SET", 23, 148, 33, 8},
          {ctl::kCh2Set, K::Edit, "", 75, 145, 49, 14, kBorder | kAutoHScroll | kTabStop},
          {ctl::kCh2Keypad, K::PushButton, "keyboard", 22, 161, 43, 14, kTabStop},
          {ctl::kCh2Ok, K::PushButton, "OK", 77, 161, 35, 14, kTabStop},
          {ctl::kCh3Frame, K::GroupBox, "", 15, 179, 89, 40},
          {ctl::kCh3Label, K::Static, "CH3:  +5V", 18, 187, 38, 8},
          {ctl::kCh3Led, K::Led, "", 61, 188, 9, 8, kTabStop},
          {ctl::kCh3Switch, K::PushButton, "OFF", 76, 186, 23, 14, kTabStop},
          {ctl::kCh3ActualLabel, K::Static, "VOLT_ACTUAL", 17, 204, 45, 8},
          {ctl::kCh3Actual, K::Edit, "", 63, 201, 36, 14,
           kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {ctl::kCh4Frame, K::GroupBox, "", 105, 179, 91, 40},
          {ctl::kCh4Label, K::Static, "CH4:  -5V", 109, 187, 40, 8},
          {ctl::kCh4Led, K::Led, "", 155, 188, 9, 8, kTabStop},
          {ctl::kCh4Switch, K::PushButton, "OFF", 170, 185, 23, 14, kTabStop},
          {ctl::kCh4ActualLabel, K::Static, "VOLT_ACTUAL", 108, 204, 43, 8},
          {ctl::kCh4Actual, K::Edit, "", 153, 201, 40, 14,
           kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {ctl::kToggleArea, K::OwnerDrawButton, "", 203, 92, 9, 37, kTabStop},
          // Step area.
          {ctl::kStepArea, K::GroupBox, "", 213, 7, 335, 216},
          {ctl::kStepFrame, K::GroupBox, "", 219, 14, 324, 72},
          {ctl::kStepRadio, K::RadioButton, "Step", 315, 21, 26, 9, kGroupStart | kTabStop},
          {ctl::kModeLabel, K::Static, "MODE", 223, 22, 38, 8, kCentered},
          {ctl::kMode, K::DropList, "", 262, 20, 36, 83, kTabStop, {"1*10", "2*5"}},
          {ctl::kNumberLabel, K::Static, "Number", 355, 22, 33, 8, kCentered},
          {ctl::kNumber, K::DropList, "", 390, 20, 28, 115, kSorted | kTabStop},
          {ctl::kStartLabel, K::Static, "Start", 424, 23, 21, 8},
          {ctl::kStart, K::DropList, "", 449, 20, 28, 99, kTabStop},
          {ctl::kStopLabel, K::Static, "Stop", 485, 22, 17, 8, kCentered},
          {ctl::kStop, K::DropList, "", 512, 20, 28, 100, kTabStop},
          {ctl::kStepList, K::ListView, "", 223, 34, 130, 50, kBorder | kTabStop},
          {ctl::kVoltCheck, K::CheckBox, "Volt", 358, 38, 29, 8, kTabStop},
          {ctl::kFromVolt, K::Edit, "", 391, 35, 26, 12, kBorder | kAutoHScroll | kTabStop},
          {ctl::kFromUnit, K::Static, "V", 421, 38, 8, 8},
          {ctl::kFromToDash, K::Static, "-----", 431, 37, 11, 8},
          {ctl::kToVolt, K::Edit, "", 448, 35, 24, 12, kBorder | kAutoHScroll | kTabStop},
          {ctl::kToUnit, K::Static, "V", 475, 39, 8, 8},
          {ctl::kSetVolts, K::PushButton, "Set", 487, 35, 24, 14, kTabStop},
          {ctl::kClearVolts, K::PushButton, "Clear", 515, 35, 24, 14, kTabStop},
          {ctl::kRunFrame, K::GroupBox, "", 399, 47, 64, 38},
          {ctl::kRunNumberLabel, K::Static, "Number", 402, 56, 25, 8},
          {ctl::kRunNumber, K::DropList, "", 429, 54, 28, 75, kTabStop},
          {ctl::kRunStepsLabel, K::Static, "Steps", 403, 71, 21, 8},
          {ctl::kRunSteps, K::DropList, "", 429, 68, 28, 156, kTabStop},
          {ctl::kChannelGroup, K::GroupBox, "CHANNEL", 359, 51, 37, 34},
          {ctl::kCh1Radio, K::RadioButton, "", 363, 62, 8, 8, kGroupStart | kTabStop},
          {ctl::kCh1RadioLabel, K::Static, "CH1", 374, 63, 13, 8},
          {ctl::kCh2Radio, K::RadioButton, "", 363, 74, 10, 8},
          {ctl::kCh2RadioLabel, K::Static, "CH2", 374, 73, 13, 8},
          {ctl::kRun, K::PushButton, "Run", 464, 53, 36, 29, kTabStop},
          {ctl::kStopSteps, K::PushButton, "Stop", 503, 53, 36, 29, kTabStop},
          // Chart and time area.
          {ctl::kChartFrame, K::GroupBox, "", 219, 85, 324, 109},
          {ctl::kVoltRuler, K::StaticCustom, "", 226, 90, 15, 86, kNotify},
          {ctl::kTrendPlot, K::StaticCustom, "", 243, 93, 297, 82},
          {ctl::kTimeRuler, K::StaticCustom, "", 238, 175, 308, 15, kNotify},
          {ctl::kCh1Legend, K::Static, "CH1", 221, 202, 13, 8},
          {ctl::kCh2Legend, K::Static, "CH2", 241, 202, 13, 8},
          {ctl::kTimeLabel, K::Static, "Time", 262, 202, 17, 8},
          {ctl::kInterval, K::Edit, "", 285, 200, 47, 14, kBorder | kAutoHScroll | kTabStop},
          {ctl::kIntervalUnit,
           K::DropList,
           "",
           336,
           200,
           62,
           131,
           kTabStop,
           {"Millisecond", "Second", "Minute", "Hour"}},
          {ctl::kTimeOk, K::PushButton, "OK", 405, 200, 26, 14, kTabStop},
          {ctl::kClock, K::Static, "", 445, 200, 92, 16, kCentered | kBorder},
      }};
  return tmpl;
}

const DialogTemplate &AboutTemplate() {
  static const DialogTemplate tmpl{
      100,
      "About KTX2300M",
      235,
      55,
      "宋体",
      9,
      {
          {ctl::kAboutIcon, K::StaticIcon, "", 11, 17, 20, 20},
          {-2, K::Static, "KTX2300M 1.0.1 ", 40, 10, 119, 8},
          {-3, K::Static, "Copyright (C) 2026", 40, 25, 119, 8},
          {ctl::kAboutOk, K::DefPushButton, "OK", 178, 7, 50, 14, kTabStop},
      }};
  return tmpl;
}

} // namespace res
