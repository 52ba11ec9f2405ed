// The simulator's command engine: the tests of the library trust its state, so it gets its own.
// Its faults show in those tests, through what the library makes of them.
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "device/scpisim/CScpiSimulator.h"

namespace {

using scpisim::CScpiSimulator;

TEST(ScpiSimulator, CommandsInShortLongAndCompoundFormsActOnTheSelectedChannel) {
  struct Step {
    const char *line;
    std::optional<std::string> reply;
  };
  const Step steps[] = {
      {"*IDN?", std::string(CScpiSimulator::kIdentity)},
      {"INST:NSEL 2", std::nullopt},
      {"volt 7.25", std::nullopt},
      {"SOURce:VOLTage:LEVel:IMMediate:AMPLitude?", std::string("7.2500")},
      {"OUTPut:STATe ON", std::nullopt},
      {"measure:scalar:voltage:dc?", std::string("7.2500")},
      {":instrument:nselect 4;OUTP 1;MEAS:VOLT?", std::string("-5.0000")},
      {"VOLT 3", std::nullopt}, // fixed output: refused
      {"SYST:ERR?", std::string("-221,\"Settings conflict\"")},
      {"INST:NSEL 5", std::nullopt},
      {"INST:NSEL?;SYST:ERR?", std::string("4;-222,\"Data out of range\"")},
      {"INST:NSEL 1;VOLT 9.6;VOLT?", std::string("0.0000")},
      {"VOLTAGES 1", std::nullopt},
      {"SYSTem:ERRor:NEXT?;SYST:ERR?",
       std::string("-222,\"Data out of range\";-113,\"Undefined header\"")},
      {"OUTP MAYBE;OUTP?", std::string("0")},
      {"*RST;INST:NSEL 2;MEAS:VOLT?", std::string("0.0000")},
      {"INST:NSEL 3;OUTP ON;INST:NSEL 2", std::nullopt},
      {"MEAS:VOLT? CH3;MEAS:VOLT? (@3);MEAS:VOLT? ch2", std::string("5.0000;5.0000;0.0000")},
      {"MEAS:VOLT? CH5;MEAS:VOLT? (@);SYST:ERR?", std::string("-224,\"Illegal parameter value\"")},
  };
  CScpiSimulator sim;
  for (const Step &step : steps) {
    SCOPED_TRACE(step.line);
    EXPECT_EQ(sim.Handle(step.line), step.reply);
  }
  EXPECT_EQ(sim.Selected(), 2);
  EXPECT_EQ(sim.OutputOf(2).setMv, 0);
  EXPECT_FALSE(sim.OutputOf(4).on);
}

} // namespace
