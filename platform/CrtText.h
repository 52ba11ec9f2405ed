#pragma once
// Text conversions that behave like the C runtime's atoi, atof, "%d"/"%f" scans and "%.3f",
// whatever locale the process runs under (QApplication sets the C locale from the environment
// on Unix, after which the C functions would read and print decimal commas).
#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace crt {

// atoi: leading white space, an optional sign, decimal digits; 0 when there are none.
// Values beyond the int range saturate instead of being undefined.
int Atoi(std::string_view text);
int Atoi(const QString &text);
inline int Atoi(const char *text) {
  return Atoi(std::string_view(text));
}

// atof, decimal only: blanks, at most one sign, digits with an optional point and exponent, read
// up to the first character that does not fit; 0.0 when nothing forms a number. Hexadecimal,
// "nan", "inf" and a second sign are no numbers. A literal beyond the double range reads as
// +-HUGE_VAL, as strtod gives it (so a value can be infinite, never NaN).
double Atof(std::string_view text);
double Atof(const QString &text);
inline double Atof(const char *text) {
  return Atof(std::string_view(text));
}

// sscanf "%d": nullopt when no integer can be read.
std::optional<int> ScanInt(std::string_view text);

// sscanf "%f" read as a double, with the same decimal-only reading: nullopt when no number can
// be read.
std::optional<double> ScanDouble(std::string_view text);

// printf "%.3f".
std::string Format3f(double value);
QString Format3fQ(double value);

// The program's texts are single-byte; this is how a QString becomes one.
std::string ToBytes(const QString &text);

} // namespace crt
