#pragma once
#include "platform/DialogTemplate.h"

// The program's dialog templates, as data.
namespace res {
const platform::DialogTemplate &AboutTemplate();      // 100
const platform::DialogTemplate &PanelTemplate();      // 102
const platform::DialogTemplate &KeypadCh1Template();  // 145
const platform::DialogTemplate &KeypadCh2Template();  // 147
const platform::DialogTemplate &VoltSetCh1Template(); // 148
const platform::DialogTemplate &VoltSetCh2Template(); // 149
} // namespace res
