// Template 102, the control panel form, and template 100, the About box.
#include "resources/DialogTemplates.h"

namespace res {
using namespace platform;
using K = ControlKind;

const DialogTemplate &PanelTemplate() {
  static const DialogTemplate tmpl{
      102, "", 795, 431, "宋体", 10,
      {
          // Channel area, always shown.
          {1057, K::GroupBox, "", 13, 7, 187, 218},
          {1068, K::StaticIcon, "", 81, 13, 20, 20},
          {1058, K::GroupBox, "", 15, 31, 181, 72},
          {1000, K::Static, "CH1: +1V - +9V", 18, 38, 59, 10},
          {1100, K::Led, "", 80, 40, 11, 9, kTabStop},
          {1053, K::PushButton, "OFF", 94, 36, 30, 14, kTabStop},
          {1069, K::StaticCustom, "", 131, 38, 58, 58, kNotify},
          {1003, K::Static, "VOLT_ACTUAL", 20, 54, 45, 8},
          {1004, K::Edit, "", 71, 52, 53, 14, kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {1002, K::Static, "VOLT_SET", 21, 71, 42, 10},
          {1001, K::Edit, "", 70, 70, 54, 14, kBorder | kAutoHScroll | kTabStop},
          {1066, K::PushButton, "keyboard", 20, 86, 43, 14, kTabStop},
          {1090, K::PushButton, "OK", 77, 86, 35, 14, kTabStop},
          {1059, K::GroupBox, "", 15, 106, 181, 72},
          {1005, K::Static, "CH2: +1V - +9V", 18, 114, 57, 8},
          {1107, K::Led, "", 82, 113, 9, 9, kTabStop},
          {1054, K::PushButton, "OFF", 94, 111, 30, 14, kTabStop},
          {1070, K::StaticCustom, "", 131, 113, 58, 58, kNotify},
          {1006, K::Static, "VOLT_ACTUAL", 19, 130, 45, 8},
          {1007, K::Edit, "", 75, 126, 49, 14, kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {1015, K::Static, "VOLT_SET", 23, 148, 33, 8},
          {1008, K::Edit, "", 75, 145, 49, 14, kBorder | kAutoHScroll | kTabStop},
          {1067, K::PushButton, "keyboard", 22, 161, 43, 14, kTabStop},
          {1092, K::PushButton, "OK", 77, 161, 35, 14, kTabStop},
          {1060, K::GroupBox, "", 15, 179, 89, 40},
          {1018, K::Static, "CH3:  +5V", 18, 187, 38, 8},
          {1103, K::Led, "", 61, 188, 9, 8, kTabStop},
          {1055, K::PushButton, "OFF", 76, 186, 23, 14, kTabStop},
          {1013, K::Static, "VOLT_ACTUAL", 17, 204, 45, 8},
          {1009, K::Edit, "", 63, 201, 36, 14, kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {1061, K::GroupBox, "", 105, 179, 91, 40},
          {1019, K::Static, "CH4:  -5V", 109, 187, 40, 8},
          {1104, K::Led, "", 155, 188, 9, 8, kTabStop},
          {1056, K::PushButton, "OFF", 170, 185, 23, 14, kTabStop},
          {1014, K::Static, "VOLT_ACTUAL", 108, 204, 43, 8},
          {1011, K::Edit, "", 153, 201, 40, 14, kReadOnly | kBorder | kAutoHScroll | kTabStop},
          {1020, K::OwnerDrawButton, "", 203, 92, 9, 37, kTabStop},
          // Step area.
          {1065, K::GroupBox, "", 213, 7, 335, 216},
          {1062, K::GroupBox, "", 219, 14, 324, 72},
          {1042, K::RadioButton, "Step", 315, 21, 26, 9, kGroupStart | kTabStop},
          {1025, K::Static, "MODE", 223, 22, 38, 8, kCentered},
          {1026, K::DropList, "", 262, 20, 36, 83, kTabStop, {"1*10", "2*5"}},
          {1028, K::Static, "Number", 355, 22, 33, 8, kCentered},
          {1031, K::DropList, "", 390, 20, 28, 115, kSorted | kTabStop},
          {1029, K::Static, "Start", 424, 23, 21, 8},
          {1032, K::DropList, "", 449, 20, 28, 99, kTabStop},
          {1030, K::Static, "Stop", 485, 22, 17, 8, kCentered},
          {1033, K::DropList, "", 512, 20, 28, 100, kTabStop},
          {1027, K::ListView, "", 223, 34, 130, 50, kBorder | kTabStop},
          {1034, K::CheckBox, "Volt", 358, 38, 29, 8, kTabStop},
          {1036, K::Edit, "", 391, 35, 26, 12, kBorder | kAutoHScroll | kTabStop},
          {1132, K::Static, "V", 421, 38, 8, 8},
          {1037, K::Static, "-----", 431, 37, 11, 8},
          {1038, K::Edit, "", 448, 35, 24, 12, kBorder | kAutoHScroll | kTabStop},
          {1133, K::Static, "V", 475, 39, 8, 8},
          {1040, K::PushButton, "Set", 487, 35, 24, 14, kTabStop},
          {1041, K::PushButton, "Clear", 515, 35, 24, 14, kTabStop},
          {1063, K::GroupBox, "", 399, 47, 64, 38},
          {1045, K::Static, "Number", 402, 56, 25, 8},
          {1046, K::DropList, "", 429, 54, 28, 75, kTabStop},
          {1047, K::Static, "Steps", 403, 71, 21, 8},
          {1048, K::DropList, "", 429, 68, 28, 156, kTabStop},
          {1117, K::GroupBox, "CHANNEL", 359, 51, 37, 34},
          {1115, K::RadioButton, "", 363, 62, 8, 8, kGroupStart | kTabStop},
          {1118, K::Static, "CH1", 374, 63, 13, 8},
          {1116, K::RadioButton, "", 363, 74, 10, 8},
          {1119, K::Static, "CH2", 374, 73, 13, 8},
          {1049, K::PushButton, "Run", 464, 53, 36, 29, kTabStop},
          {1050, K::PushButton, "Stop", 503, 53, 36, 29, kTabStop},
          // Chart and time area.
          {1064, K::GroupBox, "", 219, 85, 324, 109},
          {1052, K::StaticCustom, "", 226, 90, 15, 86, kNotify},
          {1071, K::StaticCustom, "", 243, 93, 297, 82},
          {1051, K::StaticCustom, "", 238, 175, 308, 15, kNotify},
          {1113, K::Static, "CH1", 221, 202, 13, 8},
          {1114, K::Static, "CH2", 241, 202, 13, 8},
          {1073, K::Static, "Time", 262, 202, 17, 8},
          {1095, K::Edit, "", 285, 200, 47, 14, kBorder | kAutoHScroll | kTabStop},
          {1072, K::DropList, "", 336, 200, 62, 131, kTabStop,
           {"Millisecond", "Second", "Minute", "Hour"}},
          {1131, K::PushButton, "OK", 405, 200, 26, 14, kTabStop},
          {1074, K::Static, "", 445, 200, 92, 16, kCentered | kBorder},
      }};
  return tmpl;
}

const DialogTemplate &AboutTemplate() {
  static const DialogTemplate tmpl{
      100, "About KTX2300M", 235, 55, "宋体", 9,
      {
          {-1, K::StaticIcon, "", 11, 17, 20, 20},
          {-2, K::Static, "KTX2300M 1.0.1 ", 40, 10, 119, 8},
          {-3, K::Static, "Copyright (C) 2026", 40, 25, 119, 8},
          {1, K::DefPushButton, "OK", 178, 7, 50, 14, kTabStop},
      }};
  return tmpl;
}

} // namespace res
