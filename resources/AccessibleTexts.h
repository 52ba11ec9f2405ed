#pragma once
// What screen readers say of the controls: names for controls whose own caption is missing or
// shared with another control, taken from the captions beside them, and the state words of the
// lamps, the connection icon, the switches and the chart. Visible captions never change.
#include <span>

#include "resources/CommandIds.h"
#include "resources/ControlIds.h"

class QWidget;

namespace res::access {

struct Name {
  int id; // control id, or command id for the toolbar
  const char *name;
};

inline constexpr Name kPanelNames[] = {
    {ctl::kConnectionIcon, "Connection"},
    {ctl::kCh1Led, "CH1 LED"},
    {ctl::kCh1Switch, "CH1 output"},
    {ctl::kCh1Knob, "CH1 knob"},
    {ctl::kCh1Actual, "CH1 actual voltage"},
    {ctl::kCh1Set, "CH1 set point"},
    {ctl::kCh1Keypad, "CH1 keyboard"},
    {ctl::kCh1Ok, "CH1 OK"},
    {ctl::kCh2Led, "CH2 LED"},
    {ctl::kCh2Switch, "CH2 output"},
    {ctl::kCh2Knob, "CH2 knob"},
    {ctl::kCh2Actual, "CH2 actual voltage"},
    {ctl::kCh2Set, "CH2 set point"},
    {ctl::kCh2Keypad, "CH2 keyboard"},
    {ctl::kCh2Ok, "CH2 OK"},
    {ctl::kCh3Led, "CH3 LED"},
    {ctl::kCh3Switch, "CH3 output"},
    {ctl::kCh3Actual, "CH3 actual voltage"},
    {ctl::kCh4Led, "CH4 LED"},
    {ctl::kCh4Switch, "CH4 output"},
    {ctl::kCh4Actual, "CH4 actual voltage"},
    {ctl::kToggleArea, "Step area"},
    {ctl::kMode, "MODE"},
    {ctl::kNumber, "Number"},
    {ctl::kStart, "Start"},
    {ctl::kStop, "Stop step"},
    {ctl::kStepList, "Step table"},
    {ctl::kFromVolt, "Volt from"},
    {ctl::kToVolt, "Volt to"},
    {ctl::kSetVolts, "Set volts"},
    {ctl::kClearVolts, "Clear volts"},
    {ctl::kRunNumber, "Run number"},
    {ctl::kRunSteps, "Run steps"},
    {ctl::kCh1Radio, "CHANNEL CH1"},
    {ctl::kCh2Radio, "CHANNEL CH2"},
    {ctl::kRun, "Run step"},
    {ctl::kStopSteps, "Stop steps"},
    {ctl::kVoltRuler, "Volt ruler"},
    {ctl::kTrendPlot, "Trend chart"},
    {ctl::kTimeRuler, "Time ruler"},
    {ctl::kInterval, "Time interval"},
    {ctl::kIntervalUnit, "Time unit"},
    {ctl::kTimeOk, "Time OK"},
};

inline constexpr Name kKeypadNames[] = {
    {ctl::kKeyResult, "SET RESULT"},
};

inline constexpr Name kVoltSetNames[] = {
    {ctl::kVoltSetCh1Edit, "volt_set"},
    {ctl::kVoltSetCh2Edit, "volt_set"},
};

inline constexpr Name kAboutNames[] = {
    {ctl::kAboutIcon, "KTX2300M"},
};

// Toolbar buttons by command; the three without a command are named after their pictures.
inline constexpr Name kToolbarNames[] = {
    {cmd::kFileOpen, "Open"},      {cmd::kFileSave, "Save"},
    {cmd::kFilePrint, "Print"},    {cmd::kHelpContents, "Help contents"},
    {cmd::kEditCut, "Cut"},        {cmd::kToolbar32785, "Knob"},
    {cmd::kEditCopy, "Copy"},      {cmd::kEditPaste, "Paste"},
    {cmd::kToolbar32783, "Chart"}, {cmd::kToolbar32784, "Steps"},
};

inline constexpr char kPanel[] = "Control panel";
inline constexpr char kStepCell[] = "Step cell";
inline constexpr char kOn[] = "on";
inline constexpr char kOff[] = "off";
inline constexpr char kConnected[] = "connected";
inline constexpr char kNotConnected[] = "not connected";
inline constexpr char kCompact[] = "compact";
inline constexpr char kExpanded[] = "expanded";
// The chart's latest samples: "CH1 5.000 V, CH2 0.000 V".
inline constexpr char kChartLatest[] = "CH1 %1 V, CH2 %2 V";
// The volt ruler's window: "0 V to 10 V".
inline constexpr char kRulerWindow[] = "%1 V to %2 V";

// Gives the controls of a built dialog their names from `names`.
void NameControls(QWidget *dialog, std::span<const Name> names);

} // namespace res::access
