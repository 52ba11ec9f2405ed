#include <climits>
#include <clocale>
#include <cmath>

#include <gtest/gtest.h>

#include "platform/CrtText.h"

namespace {

// value: what atoi/atof give; scans: whether "%d"/"%f" read a number at all.
template <typename T> struct Case {
  const char *text;
  T value;
  bool scans;
};

TEST(CrtText, AtoiAndScanIntFollowTheCRuntime) {
  const Case<int> cases[] = {{"", 0, false},     {"  -17x", -17, true}, {"+8", 8, true},
                             {"1*10", 1, true},  {"*10", 0, false},     {"- 5", 0, false},
                             {"\t\n7", 7, true}, {"2.9", 2, true},      {".5", 0, false}};
  for (const auto &c : cases) {
    EXPECT_EQ(crt::Atoi(c.text), c.value) << c.text;
    EXPECT_EQ(crt::ScanInt(c.text).has_value(), c.scans) << c.text;
  }
  EXPECT_EQ(crt::Atoi("9999999999"), INT_MAX);
  EXPECT_EQ(crt::Atoi("-9999999999"), INT_MIN);
}

// The longest decimal prefix; a second sign, hexadecimal, nan and inf read as 0.
TEST(CrtText, AtofTakesTheLongestNumberPrefix) {
  const Case<double> cases[] = {
      {"", 0.0, false},          {"5.", 5.0, true},         {".5", 0.5, true},
      {"  -1.25V", -1.25, true}, {"1e", 1.0, true},         {"1.5e-1x", 0.15, true},
      {"1,5", 1.0, true},        {"-", 0.0, false},         {"-1e999", -HUGE_VAL, true},
      {"1e-999", 0.0, true},     {"+-2.5", 0.0, false},     {"0X1p3", 0.0, true},
      {"nan", 0.0, false},       {"-Infinity", 0.0, false}, {" +.5e1x", 5.0, true}};
  for (const auto &c : cases) {
    EXPECT_EQ(crt::Atof(c.text), c.value) << c.text;
    EXPECT_EQ(crt::ScanDouble(c.text).has_value(), c.scans) << c.text;
  }
}

TEST(CrtText, Format3fRoundsAsPrintf) {
  const std::pair<double, const char *> cases[] = {
      {-1.25, "-1.250"}, {1.0005, "1.000"},          {1.0015, "1.002"},
      {-0.0, "-0.000"},  {8.0 / 9.0 + 1.0, "1.889"}, {123456.7891, "123456.789"}};
  for (const auto &[value, text] : cases)
    EXPECT_EQ(crt::Format3f(value), text) << value;
}

TEST(CrtText, ConversionsIgnoreTheProcessLocale) {
  const char *chosen = nullptr;
  for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
    if (!chosen && std::setlocale(LC_ALL, name))
      chosen = name;
  if (!chosen)
    GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(crt::Format3f(1.5), "1.500");
  EXPECT_EQ(crt::Atof("1.5"), 1.5);
  EXPECT_EQ(crt::Atof("1,5"), 1.0);
  std::setlocale(LC_ALL, "C");
}

} // namespace
