#include "device/pwrio/CBackendConfig.h"

#include "device/pwrio/ConfigText.h"

#include <arpa/inet.h>
#include <charconv>
#include <system_error>
#include <utility>
#include <vector>

namespace pwrio {
namespace {

// Built by appending: GCC 12 at -O3 warns (wrongly) about "\"" + std::string(...).
std::string Quoted(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  out += text;
  out += '"';
  return out;
}

CBackendConfig Invalid(std::string why) {
  CBackendConfig config;
  config.kind = CBackendConfig::Kind::kInvalid;
  config.error = std::move(why);
  return config;
}

bool IsNumericHost(const std::string &host, bool v6) {
  unsigned char buffer[16];
  return inet_pton(v6 ? AF_INET6 : AF_INET, host.c_str(), buffer) == 1;
}

CBackendConfig ParseTcp(std::string_view rest, std::string_view whole) {
  const std::string quoted = Quoted(whole);
  std::string host;
  std::string_view portText;
  bool v6 = false;
  if (!rest.empty() && rest.front() == '[') {
    const auto close = rest.find(']');
    if (close == std::string_view::npos) {
      return Invalid("unclosed [ in " + quoted);
    }
    host = std::string(rest.substr(1, close - 1));
    v6 = true;
    rest.remove_prefix(close + 1);
    if (!rest.empty() && rest.front() != ':') {
      return Invalid("expected :PORT after ] in " + quoted);
    }
    portText = rest.empty() ? std::string_view() : rest.substr(1);
  } else {
    const auto colon = rest.find(':');
    host = std::string(rest.substr(0, colon));
    portText = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  if (host == "localhost") {
    host = "127.0.0.1";
  }
  if (!IsNumericHost(host, v6)) {
    return Invalid("host in " + quoted + " must be a numeric address or localhost");
  }
  CBackendConfig config;
  config.kind = CBackendConfig::Kind::kTcp;
  config.host = host;
  if (rest.find(':') != std::string_view::npos) {
    const auto port = WholeNumber(portText);
    if (!port || *port < 1 || *port > 65535) {
      return Invalid("port in " + quoted + " must be 1..65535");
    }
    config.port = *port;
  }
  return config;
}

CBackendConfig ParseSerial(std::string_view rest, std::string_view whole) {
  const std::string quoted = Quoted(whole);
  CBackendConfig config;
  config.kind = CBackendConfig::Kind::kSerial;
  const auto question = rest.find('?');
  config.device = std::string(rest.substr(0, question));
  if (config.device.empty() || config.device.front() != '/') {
    return Invalid("device in " + quoted + " must be an absolute path");
  }
  if (question != std::string_view::npos) {
    const std::string_view option = rest.substr(question + 1);
    constexpr std::string_view kBaud = "baud=";
    const auto baud = option.substr(0, kBaud.size()) == kBaud
                          ? WholeNumber(option.substr(kBaud.size()))
                          : std::nullopt;
    if (!baud || !CBackendConfig::IsSupportedBaud(*baud)) {
      return Invalid("expected ?baud=N with a standard rate in " + quoted);
    }
    config.baud = *baud;
  }
  return config;
}

CBackendConfig ParseUsbtmc(std::string_view rest, std::string_view whole) {
  CBackendConfig config;
  config.kind = CBackendConfig::Kind::kUsbtmc;
  config.device = std::string(rest);
  if (config.device.empty() || config.device.front() != '/') {
    return Invalid("device in " + Quoted(whole) + " must be an absolute path");
  }
  return config;
}

std::vector<std::string_view> SplitVisa(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const auto at = text.find("::");
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) {
      return parts;
    }
    text.remove_prefix(at + 2);
  }
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) {
    return false;
  }
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
    if (c != prefix[i]) {
      return false;
    }
  }
  return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

// "TCPIP", "USB", "ASRL" followed by an optional board number.
bool IsInterface(std::string_view part, std::string_view name) {
  if (!StartsWithNoCase(part, name)) {
    return false;
  }
  part.remove_prefix(name.size());
  return part.empty() || WholeNumber(part).has_value();
}

std::optional<int> UsbId(std::string_view text) {
  int value = 0;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string_view digits = hex ? text.substr(2) : text;
  const auto [end, ec] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || value < 0 ||
      value > 0xffff) {
    return std::nullopt;
  }
  return value;
}

// The VISA resource names we can serve without a VISA library.
CBackendConfig ParseVisa(std::string_view text) {
  const std::string quoted = Quoted(text);
  const auto parts = SplitVisa(text);
  if (IsInterface(parts[0], "TCPIP")) {
    if (parts.size() == 4 && EqualsNoCase(parts[3], "SOCKET")) {
      std::string address(parts[1]);
      if (address.find(':') != std::string::npos) {
        address = "[" + address + "]";
      }
      CBackendConfig config = ParseTcp(address + ":" + std::string(parts[2]), text);
      return config;
    }
    return Invalid("only raw sockets (TCPIP::HOST::PORT::SOCKET) are supported, not VXI-11 or "
                   "HiSLIP: " +
                   quoted);
  }
  if (StartsWithNoCase(parts[0], "ASRL") && parts.size() == 2 && EqualsNoCase(parts[1], "INSTR") &&
      parts[0].size() > 4 && parts[0][4] == '/') {
    return ParseSerial(parts[0].substr(4), text);
  }
  if (StartsWithNoCase(parts[0], "ASRL")) {
    return Invalid("name the serial device in " + quoted + ", e.g. ASRL/dev/ttyUSB0::INSTR");
  }
  if (IsInterface(parts[0], "USB") && (parts.size() == 5 || parts.size() == 6) &&
      EqualsNoCase(parts.back(), "INSTR")) {
    const auto vendor = UsbId(parts[1]);
    const auto product = UsbId(parts[2]);
    if (!vendor || !product || parts[3].empty()) {
      return Invalid("expected USB::VENDOR::PRODUCT::SERIAL::INSTR in " + quoted);
    }
    CBackendConfig config;
    config.kind = CBackendConfig::Kind::kUsbtmc;
    config.usbVendor = *vendor;
    config.usbProduct = *product;
    config.usbSerial = std::string(parts[3]);
    return config;
  }
  return Invalid("unsupported VISA resource " + quoted);
}

} // namespace

bool CBackendConfig::IsSupportedBaud(int baud) {
  for (const int rate : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400}) {
    if (baud == rate) {
      return true;
    }
  }
  return false;
}

std::optional<int> CBackendConfig::ParseTimeout(std::string_view text) {
  const auto ms = WholeNumber(Trim(text));
  if (!ms || *ms < kMinTimeoutMs || *ms > kMaxTimeoutMs) {
    return std::nullopt;
  }
  return ms;
}

CBackendConfig CBackendConfig::ParseBackend(std::string_view text) {
  text = Trim(text);
  if (text.empty() || text == "sim") {
    return {};
  }
  constexpr std::string_view kTcp = "tcp://";
  constexpr std::string_view kSerial = "serial:";
  constexpr std::string_view kUsbtmc = "usbtmc:";
  CBackendConfig config;
  if (text.substr(0, kTcp.size()) == kTcp) {
    config = ParseTcp(text.substr(kTcp.size()), text);
  } else if (text.substr(0, kSerial.size()) == kSerial) {
    config = ParseSerial(text.substr(kSerial.size()), text);
  } else if (text.substr(0, kUsbtmc.size()) == kUsbtmc) {
    config = ParseUsbtmc(text.substr(kUsbtmc.size()), text);
  } else if (text.find("::") != std::string_view::npos) {
    config = ParseVisa(text);
  } else {
    return Invalid("unknown backend " + Quoted(text));
  }
  config.text = std::string(text);
  return config;
}

CBackendConfig::Values CBackendConfig::ParseFile(std::string_view text) {
  Values values;
  while (!text.empty()) {
    const auto nl = text.find('\n');
    const std::string_view line = Trim(text.substr(0, nl));
    text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
      continue;
    }
    const std::string_view key = Trim(line.substr(0, eq));
    std::string value(Trim(line.substr(eq + 1)));
    if (key == "backend") {
      values.backend = std::move(value);
    } else if (key == "timeout_ms") {
      values.timeoutMs = std::move(value);
    } else if (key == "profile") {
      values.profile = std::move(value);
    }
  }
  return values;
}

CBackendConfig CBackendConfig::Resolve(const Values &environment, const Values &file,
                                       const std::string &fileFolder) {
  // An empty environment variable counts as unset, so "PWRIO_BACKEND=" cannot hide the file.
  const auto pick = [](const std::optional<std::string> &env,
                       const std::optional<std::string> &fromFile, bool &fromEnv) {
    fromEnv = env && !env->empty();
    return fromEnv ? *env : fromFile.value_or(std::string());
  };
  bool envBackend = false;
  bool envTimeout = false;
  bool envProfile = false;
  const std::string backend = pick(environment.backend, file.backend, envBackend);
  const std::string timeout = pick(environment.timeoutMs, file.timeoutMs, envTimeout);
  const std::string profile = pick(environment.profile, file.profile, envProfile);

  CBackendConfig config = ParseBackend(backend);
  if (config.kind == Kind::kInvalid) {
    return config;
  }
  if (!Trim(timeout).empty()) {
    const auto ms = ParseTimeout(timeout);
    if (!ms) {
      return Invalid("timeout \"" + timeout + "\" must be a whole number of ms, " +
                     std::to_string(kMinTimeoutMs) + ".." + std::to_string(kMaxTimeoutMs));
    }
    config.timeoutMs = *ms;
  }
  const std::string_view trimmed = Trim(profile);
  if (!trimmed.empty()) {
    config.profilePath = std::string(trimmed);
    if (!envProfile && config.profilePath.front() != '/' && !fileFolder.empty()) {
      config.profilePath = fileFolder + "/" + config.profilePath;
    }
  }
  return config;
}

std::vector<std::string> CBackendConfig::ConfigFileCandidates(
    const std::string &libraryFolder, const std::optional<std::string> &configHome,
    const std::optional<std::string> &home, const std::optional<std::string> &configDirs) {
  const std::string tail = std::string("/") + kAppFolder + "/" + kConfigFileName;
  std::vector<std::string> candidates;
  candidates.push_back((libraryFolder.empty() ? std::string(".") : libraryFolder) + "/" +
                       kConfigFileName);
  // The XDG rules: relative entries are invalid and skipped; unset or empty means the default.
  if (configHome && !configHome->empty() && configHome->front() == '/') {
    candidates.push_back(*configHome + tail);
  } else if (home && !home->empty()) {
    candidates.push_back(*home + "/.config" + tail);
  }
  std::string_view dirs = "/etc/xdg";
  if (configDirs && !configDirs->empty()) {
    dirs = *configDirs;
  }
  while (!dirs.empty()) {
    const auto colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    dirs.remove_prefix(colon == std::string_view::npos ? dirs.size() : colon + 1);
    if (!dir.empty() && dir.front() == '/') {
      candidates.push_back(std::string(dir) + tail);
    }
  }
  return candidates;
}

std::vector<std::string> CBackendConfig::ProfileFolders(const std::string &libraryFolder) {
  const std::string base = libraryFolder.empty() ? std::string(".") : libraryFolder;
  std::vector<std::string> folders{base + "/profiles"};
#ifdef PWRIO_PROFILES_FROM_LIBDIR
  folders.push_back(base + "/" + PWRIO_PROFILES_FROM_LIBDIR);
#endif
  return folders;
}

} // namespace pwrio
