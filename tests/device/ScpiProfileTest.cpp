// Command profiles: what a file may say, what it may not, and how templates are filled.
#include <QFile>
#include <gtest/gtest.h>
#include <string>

#include "device/pwrio/CScpiProfile.h"

namespace {

using pwrio::CScpiProfile;

// The shipped generic file, the compiled-in text and an empty file all give the defaults.
TEST(ScpiProfile, ShippedGenericFileAndCompiledInTextAreTheDefaults) {
  QFile file(QString::fromUtf8(PWRIO_TEST_GENERIC_PROFILE));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  for (const std::string &text :
       {file.readAll().toStdString(), std::string(CScpiProfile::kGenericText), std::string()}) {
    std::string error;
    const auto parsed = CScpiProfile::Parse(text, &error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(*parsed, CScpiProfile{});
  }
}

// The keys the instrument tests set (identity, resolution, the optional queries) are left to them;
// the templates are filled with the channel's number and the set point.
TEST(ScpiProfile, KeysOverrideTheGenericSpelling) {
  std::string error;
  const auto profile = CScpiProfile::Parse("# a single-output supply\r\n"
                                           "select =\r\n"
                                           "set_voltage = SOUR:VOLT:LEV {millivolts}E-3\r\n"
                                           "output_on = OUTP:STAT 1\n"
                                           "output_off=OUTP:STAT 0\n"
                                           "read_voltage = MEAS:VOLT? (@{channel})\n"
                                           "channels = 3 1  2 4\n"
                                           "line_end = CRLF\n"
                                           "read_setpoint =\n",
                                           &error);
  ASSERT_TRUE(profile) << error;
  EXPECT_EQ(profile->select, "");
  EXPECT_EQ(profile->Expand(profile->setVoltage, 0, 5123), "SOUR:VOLT:LEV 5123E-3");
  EXPECT_EQ(profile->outputOn, "OUTP:STAT 1");
  EXPECT_EQ(profile->outputOff, "OUTP:STAT 0");
  // A query with a parameter; CH1 is the instrument's output 3.
  EXPECT_EQ(profile->Expand(profile->readVoltage, 0, 0), "MEAS:VOLT? (@3)");
  EXPECT_EQ(profile->channels, (std::array<int, 4>{3, 1, 2, 4}));
  EXPECT_EQ(profile->lineEnd, "\r\n");
  EXPECT_EQ(profile->readSetpoint, "");
}

TEST(ScpiProfile, MistakesMakeTheWholeProfileUnusable) {
  const char *const kNotAQuery =
      "line 1: identify and read_voltage must be queries (a header ending in ?)";
  const char *const kNotAnOptionalQuery = "line 1: error_query, select_query and read_setpoint "
                                          "must be queries (a header ending in ?) or empty";
  struct Case {
    const char *text;
    const char *error;
  };
  const Case cases[] = {
      {"identify = *IDN?\nvoltage = VOLT {volts}\n",
       "line 2 (voltage = VOLT {volts}): unknown key \"voltage\""},
      {"just words\n", "line 1 (just words): expected key = value"},
      {"set_voltage = VOLT {volt}\n",
       "line 1 (set_voltage = VOLT {volt}): unknown placeholder in \"VOLT {volt}\""},
      {"set_voltage = VOLT 5\n", "line 1: set_voltage needs {volts} or {millivolts}"},
      {"read_voltage = MEAS:VOLT?;OUTP ON\n", kNotAQuery},
      {"error_query = SYST:ERR\n", kNotAnOptionalQuery},
      {"output_off =\n", "line 1: output_on and output_off may not be empty"},
      {"channels = 1 2 3 100\n",
       "line 1 (channels = 1 2 3 100): channels needs four numbers 0..99"},
      {"line_end = CR\n", "line 1 (line_end = CR): line_end is LF or CRLF"},
      {"resolution_mv = 0\n", "line 1 (resolution_mv = 0): resolution_mv is a whole number 1..100"},
      {"idn_shape = scpi\n", "line 1 (idn_shape = scpi): idn_shape is SCPI or ANY"},
      {"output_on = OUTP\tON\n", "line 1 (output_on = OUTP\tON): value has control characters"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    EXPECT_FALSE(CScpiProfile::Parse(c.text, &error));
    EXPECT_EQ(error, c.error);
  }
}

} // namespace
