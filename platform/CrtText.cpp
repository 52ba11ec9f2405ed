#include "platform/CrtText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace crt {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsSpace(text[pos]))
    ++pos;
  return pos;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Decimal exponent of the leading significant digit of a decimal mantissa plus its exponent:
// decides whether an out-of-range literal overflows (HUGE_VAL) or underflows (0), as strtod does.
bool DecimalOverflows(std::string_view literal) {
  int lead = 0;
  bool seenPoint = false;
  bool seenNonZero = false;
  std::size_t i = 0;
  for (; i < literal.size(); ++i) {
    const char c = literal[i];
    if (c == '.') {
      seenPoint = true;
    } else if (IsDigit(c)) {
      if (!seenNonZero && c != '0')
        seenNonZero = true;
      if (seenNonZero && !seenPoint)
        ++lead;
      else if (!seenNonZero && seenPoint)
        --lead;
    } else {
      break;
    }
  }
  long exponent = 0;
  if (i < literal.size() && (literal[i] == 'e' || literal[i] == 'E')) {
    const auto [p, ec] = std::from_chars(literal.data() + i + 1 + (literal[i + 1] == '+'),
                                         literal.data() + literal.size(), exponent);
    (void)p;
    if (ec == std::errc::result_out_of_range)
      exponent =
          literal[i + 1] == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
  }
  return static_cast<long long>(lead) + exponent > 0;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos]))
    ++pos;
  return pos;
}

// Parses a decimal number at the start of text: blanks, at most one sign, digits with an
// optional point, an optional exponent; read up to the first character that does not fit.
// Returns the value and the number of characters consumed, 0 when nothing forms a number.
// Hexadecimal, "nan", "inf" and a second sign are no numbers: they must never reach a device.
std::pair<double, std::size_t> ParseDouble(std::string_view text) {
  std::size_t pos = SkipSpace(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t mantissa = pos;
  pos = SkipDigits(text, pos);
  bool anyDigit = pos > mantissa;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fraction = SkipDigits(text, pos + 1);
    anyDigit = anyDigit || fraction > pos + 1;
    pos = fraction;
  }
  if (!anyDigit)
    return {0.0, 0};
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exponent = pos + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
      ++exponent;
    const std::size_t end = SkipDigits(text, exponent);
    if (end > exponent)
      pos = end;
  }
  const std::string_view literal = text.substr(mantissa, pos - mantissa);
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range)
    value = DecimalOverflows(literal) ? HUGE_VAL : 0.0;
  return {negative ? -value : value, pos};
}

} // namespace

std::string ToBytes(const QString &text) {
  return text.toLatin1().toStdString();
}

int Atoi(std::string_view text) {
  return ScanInt(text).value_or(0);
}

int Atoi(const QString &text) {
  return Atoi(ToBytes(text));
}

std::optional<int> ScanInt(std::string_view text) {
  std::size_t pos = SkipSpace(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (pos >= text.size() || !IsDigit(text[pos]))
    return std::nullopt;
  long long value = 0;
  constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > limit)
      value = limit;
  }
  if (negative)
    value = -value;
  if (value > std::numeric_limits<int>::max())
    value = std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

double Atof(std::string_view text) {
  return ParseDouble(text).first;
}

double Atof(const QString &text) {
  return Atof(ToBytes(text));
}

std::optional<double> ScanDouble(std::string_view text) {
  const auto [value, used] = ParseDouble(text);
  if (used == 0)
    return std::nullopt;
  return value;
}

std::string Format3f(double value) {
  std::array<char, 400> buffer{};
  const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, 3);
  if (ec != std::errc())
    return {};
  std::string text(buffer.data(), ptr);
  if (std::isnan(value))
    return std::signbit(value) ? "-nan" : "nan";
  return text;
}

QString Format3fQ(double value) {
  return QString::fromLatin1(Format3f(value));
}

} // namespace crt
