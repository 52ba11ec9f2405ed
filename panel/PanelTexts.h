#pragma once

// The panel's own messages, letter for letter.
namespace texts {
inline constexpr const char *kInvalidNumber = "Please input valid number";
inline constexpr const char *kMinimalVoltage = "Minimal voltage is 0.6V";
inline constexpr const char *kMaximumVoltage = "Maximum voltage is 9.0V";
inline constexpr const char *kOpenChannel = "Please open channel!";
inline constexpr const char *kSendingErrorOk = "Sending Error!";
inline constexpr const char *kSendingErrorSwitch = "Sending Error";
inline constexpr const char *kSendingErrorCh4Menu = "Sending error!";
inline constexpr const char *kCommunicationError =
    "Communication Error,please try again after connecting devices!";
inline constexpr const char *kOn = "ON";
inline constexpr const char *kOff = "OFF";
inline constexpr const char *kTurnOn = "Turn On";
inline constexpr const char *kTurnOff = "Turn Off";
inline constexpr const char *kZero = "0.000";
} // namespace texts
