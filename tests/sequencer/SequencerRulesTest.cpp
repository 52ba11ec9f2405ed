#include <QStringList>
#include <gtest/gtest.h>

#include "sequencer/CModeText.h"
#include "sequencer/CSamplingInterval.h"
#include "sequencer/CStepFill.h"
#include "sequencer/CStepRunRules.h"
#include "tests/support/TestHelpers.h"

namespace {

TEST(ModeText, ParsesGroupsAndStepsLikeAtoi) {
  const struct {
    const char *text;
    int groups, steps;
  } cases[] = {{"2*5", 2, 5},   {"10", 0, 10},   {"", 0, 0},      {"*7", 0, 7},    {"3*", 3, 0},
               {" 2*x5", 2, 0}, {"2x*4y", 2, 4}, {"1*2*3", 1, 2}, {"-1*+4", -1, 4}};
  for (const auto &c : cases) {
    const CModeText mode = CModeText::Parse(std::string_view(c.text));
    EXPECT_EQ(mode.groups, c.groups) << c.text;
    EXPECT_EQ(mode.steps, c.steps) << c.text;
  }
}

TEST(StepFill, WorkedExamples) {
  const struct {
    const char *name;
    int rows;
    long long first;
    int start, stop;
    double from, to;
    const char *expected; // cells as words, '_' for a blank
  } cases[] = {{"whole group", 10, 1, 1, 10, 1.0, 9.0,
                "1.000 1.889 2.778 3.667 4.556 5.444 6.333 7.222 8.111 9.000"},
               {"start 2 stop 4", 10, 1, 2, 4, 1.0, 9.0, "_ 1.000 5.000 9.000 _ _ _ _ _ _"},
               {"falling second group", 5, 6, 6, 10, 9.0, 1.0, "9.000 7.000 5.000 3.000 1.000"},
               {"start equals stop", 5, 1, 3, 3, 2.5, 7.0, "_ _ 2.500 _ _"},
               {"inverted range blanks all", 5, 1, 4, 2, 1.0, 9.0, "_ _ _ _ _"},
               {"range beyond group", 5, 6, 1, 5, 1.0, 9.0, "_ _ _ _ _"},
               {"no rows", 0, 1, 1, 10, 1.0, 9.0, ""},
               // A running sum: it ends a hair below zero, where from + 9 * inc gives "0.000".
               {"running sum", 10, 1, 1, 10, 0.035, 0.0,
                "0.035 0.031 0.027 0.023 0.019 0.016 0.012 0.008 0.004 -0.000"}};
  for (const auto &c : cases) {
    const auto texts = CStepFill::EvenFill(c.rows, c.first, c.start, c.stop, c.from, c.to);
    EXPECT_EQ(QStringList(texts.begin(), texts.end()), testhelp::Cells(c.expected)) << c.name;
  }
}

// No number, not finite, or millivolts beyond 32 bits: 0 V, never a saturated code.
TEST(StepRunRules, CodesFromCellTexts) {
  // clang-format off
  const struct {
    const char *text;
    VoltageCode code;
  } cases[] = {
      {"", {0, 0}}, {"abc", {0, 0}}, {"1.001", {10, 0}}, {"-1.25", {-12, -50}},
      {"1.234", {12, 34}}, {"0.0999", {0, 99}}, {"  3.5V", {35, 0}}, {"1e1", {100, 0}}, {"2147483.647", {21474836, 47}},
      {"-2147483.648", {-21474836, -48}}, {"--5", {0, 0}}, {"+-2.5", {0, 0}}, {"0x10", {0, 0}},
      {"nan", {0, 0}}, {"nan.", {0, 0}}, {"inf", {0, 0}}, {"-inf", {0, 0}}, {"1e400", {0, 0}},
      {"-1e400", {0, 0}}, {"9e+99", {0, 0}}, {"1e30", {0, 0}}, {"2147483.648", {0, 0}},
      {"-2147483.649", {0, 0}}
  };
  // clang-format on
  for (const auto &c : cases)
    EXPECT_EQ(CStepRunRules::CodeFromText(std::string_view(c.text)), c.code) << c.text;
}

// Units match exactly: an unknown text counts milliseconds.
TEST(SamplingInterval, AcceptsAndRefuses) {
  const QString integerOnly = QStringLiteral("Please intput integer number !");
  const QString millis = QStringLiteral("Please intput Millisecond  between 100 and 1000 !");
  const QString count = QStringLiteral("Please intput number  between 1 and 100 !");
  // clang-format off
  const struct {
    const char *text, *unit;
    int period;
    QString message;
  } cases[] = {
      {"1000", "Millisecond", 1000, {}}, {"100", "Millisecond", 100, {}},
      {"99", "Millisecond", 0, millis}, {"1001", "Millisecond", 0, millis},
      {"1.5", "Second", 0, integerOnly}, {"500.", "Millisecond", 0, integerOnly},
      {"100", "Second", 100000, {}}, {"2", "Minute", 120000, {}}, {"0", "Hour", 0, count},
      {"101", "Hour", 0, count}, {"100", "Hour", 360000000, {}}, {"", "Second", 0, count},
      {"7", "hour", 7, {}}, {"12abc", "Minute", 720000, {}}
  };
  // clang-format on
  for (const auto &c : cases) {
    const auto result =
        CSamplingInterval::Check(QString::fromLatin1(c.text), QString::fromLatin1(c.unit));
    EXPECT_EQ(result.message, c.message) << c.text << " " << c.unit;
    if (c.message.isEmpty()) {
      EXPECT_EQ(result.periodMs, c.period) << c.text << " " << c.unit;
    }
  }
}

} // namespace
