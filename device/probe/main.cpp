// pwrio-probe: finds instruments and tries a profile against one before the panel trusts it.
//   pwrio-probe --list [--lan-ms N]
//   pwrio-probe [--backend B] [--profile FILE] [--timeout-ms N] [--verify]
// Without options it uses what the device library would: PWRIO_BACKEND, PWRIO_PROFILE,
// PWRIO_TIMEOUT_MS, then the library's pwrio.conf.
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "device/probe/CInstrumentList.h"
#include "device/probe/CProbe.h"
#include "device/pwrio/CBackendSwitch.h"
#include "device/pwrio/ConfigText.h"

namespace {

// Where the device library looks for pwrio.conf and its profiles: beside the probe in the
// build tree, the package's private folder once installed.
std::string LibraryFolder() {
  const std::string own = pwrio::CBackendSwitch::LibraryFolder();
#ifdef KTX_LIBDIR_FROM_BINDIR
  if (::access((own + "/libPwrio.so").c_str(), F_OK) != 0) {
    return own + "/" + KTX_LIBDIR_FROM_BINDIR;
  }
#endif
  return own;
}

int Usage(const char *why) {
  std::cerr << "pwrio-probe: " << why << "\n"
            << "usage: pwrio-probe --list [--lan-ms N]\n"
            << "       pwrio-probe [--backend B] [--profile FILE] [--timeout-ms N] [--verify]\n";
  return pwrio::CProbe::kUsage;
}

} // namespace

int main(int argc, char **argv) {
  bool list = false;
  bool verify = false;
  int lanMs = 1000;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    const bool hasValue = i + 1 < argc;
    if (arg == "--list") {
      list = true;
    } else if (arg == "--verify") {
      verify = true;
    } else if (arg == "--lan-ms" && hasValue) {
      const auto ms = pwrio::WholeNumber(argv[++i]);
      if (!ms || *ms < 0 || *ms > 30000) {
        return Usage("--lan-ms takes 0 to 30000");
      }
      lanMs = *ms;
    } else if ((arg == "--backend" || arg == "--profile" || arg == "--timeout-ms") && hasValue) {
      // The same variables the library reads, so the probe resolves them exactly as it does.
      const char *name = arg == "--backend"   ? pwrio::CBackendConfig::kBackendVariable
                         : arg == "--profile" ? pwrio::CBackendConfig::kProfileVariable
                                              : pwrio::CBackendConfig::kTimeoutVariable;
      ::setenv(name, argv[++i], 1);
    } else if (arg == "--help" || arg == "-h") {
      Usage("finds instruments and checks a profile");
      return 0;
    } else {
      return Usage("unknown argument");
    }
  }
  if (list) {
    pwrio::CInstrumentList::Print(std::cout, lanMs);
    return 0;
  }
  return pwrio::CProbe(std::cout, std::cerr)
      .Run(pwrio::CBackendSwitch::ReadConfig(LibraryFolder()), verify);
}
