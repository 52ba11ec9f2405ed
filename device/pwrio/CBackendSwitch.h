#pragma once
#include <memory>
#include <string>

#include "device/pwrio/CBackendConfig.h"
#include "device/pwrio/CScpiSupply.h"
#include "device/pwrio/CSimulatedSupply.h"
#include "device/pwrio/ISupplyBackend.h"

namespace pwrio {

// Hands the exports the backend the configuration asks for. The environment is looked at on
// every call (a few getenv calls, no file access); the configuration file and the profile are
// read only when the environment changed since the last call, so a test or a person can point
// a running process at another instrument, while the device watch's calls cost nothing extra.
// The simulated supply lives as long as the library, so switching away and back keeps its
// outputs.
class CBackendSwitch {
public:
  ISupplyBackend &Current();
  // The configuration in force; valid after Current().
  const CBackendConfig &Config() const { return m_config; }

  // The folder holding this library (found through one of its own symbols), or empty.
  static std::string LibraryFolder();
  // What the environment and the configuration file say, as one configuration, for a library
  // in libraryFolder.
  static CBackendConfig ReadConfig(const std::string &libraryFolder);
  // The instrument a valid, non-simulated configuration names, with its profile loaded; null
  // (and config.error set) when the profile cannot be used.
  static std::unique_ptr<CScpiSupply> MakeInstrument(CBackendConfig &config);
  // Where the calls go, for messages: "simulated supply", "tcp://192.0.2.10:5025", ...
  std::string Where() const;

private:
  static std::string EnvironmentKey();
  void Rebuild();

  bool m_built = false;
  std::string m_key;
  CBackendConfig m_config;
  CSimulatedSupply m_simulator;
  std::unique_ptr<ISupplyBackend> m_remote;
  ISupplyBackend *m_current = &m_simulator;
};

} // namespace pwrio
