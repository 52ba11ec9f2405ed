#include <QByteArray>
#include <gtest/gtest.h>

#include "sequencer/CStepFileFormat.h"
#include "sequencer/CStepFileParser.h"

namespace {

// Only decimal numbers: a second sign, hexadecimal, nan and inf read as 0.
TEST(StepFileParser, TailValues) {
  // clang-format off
  const struct {
    const char *line;
    float value;
  } cases[] = {
      {"1    1    1.000", 1.0F}, {"10    1    10.000", 0.0F}, {"1    1    -1.000", 1.0F},
      {"x -1.50", 0.0F}, {"x -0.50", -0.5F}, {"1    1    ", 1.0F}, {"1       1     ", 0.0F},
      {"1    1     ", 0.0F}, {"", 0.0F}, {"2.5", 2.5F}, {"x  .25", 0.25F}, {"x abc", 0.0F},
      {"1  -.5", -0.5F}, {"  7x ", 7.0F}, {"12345678", 45678.0F}, {"x +3.5", 3.5F},
      {"x\t\v\f ", 0.0F}, {"x 1e38", 1e38F}, {"--5.5", 0.0F}, {"+-2.5", 0.0F}, {"x 0x10", 0.0F},
      {"x nan", 0.0F}, {"x inf", 0.0F}, {"-inf", 0.0F}
  };
  // clang-format on
  for (const auto &c : cases)
    EXPECT_FLOAT_EQ(CStepFileParser::TailVolt(c.line), c.value) << '"' << c.line << '"';
}

// The same values whatever the pieces the bytes come in.
TEST(StepFileParser, LineEnds) {
  const struct {
    const char *name;
    std::string bytes;
    std::vector<float> volts;
  } cases[] = {{"crlf", "h\r\nh\r\n1.250\r\n", {1.25F}},
               {"lf", "h\nh\n1.250\n", {1.25F}},
               {"no end", "h\nh\n1.250", {1.25F}},
               {"cut crlf", "h\nh\n1.250\r", {1.25F}},
               {"cr dropped before the tail", "h\nh\n99.250\r\n", {9.25F}},
               {"blank lines count", "h\nh\n\n\n3\n", {0.0F, 0.0F, 3.0F}},
               {"two lines", "h\nh", {}},
               {"one line", "h", {}},
               {"nothing", "", {}},
               {"long line", "h\nh\n" + std::string(100000, 'x') + "2.000\n", {2.0F}},
               {"ten lines at most, a NUL behind them unseen",
                "h\nh\n" + QByteArray("5\n").repeated(11).toStdString() + '\0',
                std::vector<float>(10, 5.0F)}};
  for (const auto &c : cases)
    for (std::size_t piece : {1U, 3U, 4096U}) {
      CStepFileParser parser(10);
      for (std::size_t i = 0; i < c.bytes.size() && !parser.Done(); i += piece)
        parser.Feed(std::string_view(c.bytes).substr(i, piece));
      parser.Finish();
      EXPECT_FALSE(parser.Binary());
      EXPECT_EQ(parser.Volts(), c.volts) << c.name << " " << piece;
    }
}

} // namespace
