#pragma once
#include <QDateTime>
#include <QString>

#include "device/VoltageCode.h"

// Window-free rules of the panel: checking a set point, the texts it shows, the compact layout.
namespace panel {

struct SetPointCheck {
  QString message;  // empty when the text passes
  VoltageCode code; // valid when the text passes
};

// The set-point text must hold a "." that is not its first character and, read in single
// precision, lie within 0.6 V and 9.0 V; the code keeps whole millivolts, truncated.
SetPointCheck CheckSetPoint(const QString &text);

// "%.3f" of a read-back code; CH4 shows its magnitude with a leading "-".
QString ActualText(const VoltageCode &code, bool negativeChannel);

// The clock line: "%Y.%m.%d.%X" on the 24-hour clock, 19 characters, whatever the locale.
QString ClockText(const QDateTime &time);

// Controls of the step, chart and time areas, hidden in compact mode.
bool IsStepAreaId(int id);

// The frame's width in compact and expanded mode.
int FrameWidth(bool compact);

} // namespace panel
