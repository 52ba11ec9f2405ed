#pragma once
// Texts the input controls show, verbatim.
namespace controls::text {
inline constexpr char kIntWarning[] = "Please input interger!";
inline constexpr char kKnobLabels[] = "+0V+1V+2V+3V+4V+5V+6V+7V+8V+9V"; // three characters each
} // namespace controls::text
