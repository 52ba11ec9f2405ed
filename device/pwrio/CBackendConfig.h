#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pwrio {

// Which supply the library talks to, and how patiently. Taken from the environment first, then
// from a file of "key=value" lines (the file PWRIO_CONFIG names, or the first pwrio.conf of
// ConfigFileCandidates), then the defaults:
//
//   PWRIO_BACKEND     backend=      sim | tcp://HOST[:PORT] | serial:/dev/ttyXXX[?baud=N] |
//                                   usbtmc:/dev/usbtmcN | a VISA resource string:
//                                   TCPIP[n]::HOST::PORT::SOCKET, ASRL/dev/ttyXXX::INSTR,
//                                   USB[n]::VENDOR::PRODUCT::SERIAL[::IFACE]::INSTR
//   PWRIO_TIMEOUT_MS  timeout_ms=   longest a call may take, 10 ... 10000 (default 300)
//   PWRIO_PROFILE     profile=      command profile file; relative paths are taken from the
//                                   configuration file's folder, then from the profile
//                                   folders the library ships; none: generic SCPI compiled in
//
// HOST is a numeric address (127.0.0.1, [::1]) or localhost: a name lookup could block the
// caller without bound. PORT defaults to 5025, N to 9600. A value that does not parse makes the
// configuration unusable (every call fails) rather than quietly falling back to the simulator.
class CBackendConfig {
public:
  enum class Kind { kSimulated, kTcp, kSerial, kUsbtmc, kInvalid };

  static constexpr int kDefaultPort = 5025;
  static constexpr int kDefaultBaud = 9600;
  static constexpr int kDefaultTimeoutMs = 300;
  static constexpr int kMinTimeoutMs = 10;
  static constexpr int kMaxTimeoutMs = 10000;

  static constexpr const char *kBackendVariable = "PWRIO_BACKEND";
  static constexpr const char *kTimeoutVariable = "PWRIO_TIMEOUT_MS";
  static constexpr const char *kProfileVariable = "PWRIO_PROFILE";
  static constexpr const char *kConfigVariable = "PWRIO_CONFIG";
  static constexpr const char *kConfigFileName = "pwrio.conf";

  Kind kind = Kind::kSimulated;
  std::string host;
  int port = kDefaultPort;
  // Serial port or usbtmc device file; empty for a USB instrument named by its ids.
  std::string device;
  int baud = kDefaultBaud;
  // A USB instrument's ids from a VISA name, found among the usbtmc devices when connecting.
  int usbVendor = 0;
  int usbProduct = 0;
  std::string usbSerial;
  // The backend as written, for messages ("tcp://192.0.2.10:5025").
  std::string text;
  int timeoutMs = kDefaultTimeoutMs;
  std::string profilePath;
  // Why the configuration is unusable; empty otherwise.
  std::string error;

  // What one source (the environment or the file) says; an unset key stays empty.
  struct Values {
    std::optional<std::string> backend;
    std::optional<std::string> timeoutMs;
    std::optional<std::string> profile;
  };

  // The configuration file's keys; unknown keys and comments are skipped.
  static Values ParseFile(std::string_view text);
  // Environment over file over defaults. fileFolder resolves a relative profile path.
  static CBackendConfig Resolve(const Values &environment, const Values &file,
                                const std::string &fileFolder);
  // One backend text; kind kInvalid with the error set when it does not parse.
  static CBackendConfig ParseBackend(std::string_view text);
  static std::optional<int> ParseTimeout(std::string_view text);
  static bool IsSupportedBaud(int baud);

  // Where pwrio.conf may be, most specific first: beside the library (this copy's own), the
  // user's XDG configuration folder, then each system XDG folder. Only the first that exists is
  // read. Arguments are the environment's XDG_CONFIG_HOME, HOME and XDG_CONFIG_DIRS.
  static std::vector<std::string> ConfigFileCandidates(
      const std::string &libraryFolder, const std::optional<std::string> &configHome,
      const std::optional<std::string> &home, const std::optional<std::string> &configDirs);
  // The folders that hold the profiles shipped with the library: "profiles" beside it in a
  // build tree, the installed data folder in an installation.
  static std::vector<std::string> ProfileFolders(const std::string &libraryFolder);
  static constexpr const char *kAppFolder = "KTX2300M";
};

} // namespace pwrio
