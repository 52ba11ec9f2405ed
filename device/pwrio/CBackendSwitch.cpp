#include "device/pwrio/CBackendSwitch.h"

#include <cstdlib>
#include <dlfcn.h>
#include <optional>
#include <sys/stat.h>

#include "device/pwrio/CCallLog.h"
#include "device/pwrio/CSerialLink.h"
#include "device/pwrio/CTcpLink.h"
#include "device/pwrio/CUnusableBackend.h"
#include "device/pwrio/CUsbtmcLink.h"
#include "device/pwrio/RegularFile.h"

namespace pwrio {
namespace {

const char *const kVariables[] = {CBackendConfig::kBackendVariable,
                                  CBackendConfig::kTimeoutVariable,
                                  CBackendConfig::kProfileVariable,
                                  CBackendConfig::kConfigVariable,
                                  "XDG_CONFIG_HOME",
                                  "XDG_CONFIG_DIRS"};

std::optional<std::string> Env(const char *name) {
  const char *value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string FolderOf(const std::string &path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsFile(const std::string &path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A profile named without a folder that is not beside the configuration file may be one the
// library ships.
std::string ShippedProfile(const std::string &resolved, const std::optional<std::string> &given,
                           const std::string &libraryFolder) {
  if (!given || given->find('/') != std::string::npos || IsFile(resolved)) {
    return resolved;
  }
  for (const std::string &folder : CBackendConfig::ProfileFolders(libraryFolder)) {
    const std::string shipped = folder + "/" + *given;
    if (IsFile(shipped)) {
      return shipped;
    }
  }
  return resolved;
}

} // namespace

std::string CBackendSwitch::LibraryFolder() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void *>(&CBackendSwitch::LibraryFolder), &info) == 0 ||
      !info.dli_fname) {
    return {};
  }
  return FolderOf(info.dli_fname);
}

std::string CBackendSwitch::EnvironmentKey() {
  std::string key;
  for (const char *name : kVariables) {
    const auto value = Env(name);
    key += value ? "=" + *value : "-";
    key += '\0';
  }
  return key;
}

CBackendConfig CBackendSwitch::ReadConfig(const std::string &libraryFolder) {
  CBackendConfig::Values environment;
  environment.backend = Env(CBackendConfig::kBackendVariable);
  environment.timeoutMs = Env(CBackendConfig::kTimeoutVariable);
  environment.profile = Env(CBackendConfig::kProfileVariable);

  std::string path = Env(CBackendConfig::kConfigVariable).value_or(std::string());
  if (path.empty()) {
    const auto candidates = CBackendConfig::ConfigFileCandidates(
        libraryFolder, Env("XDG_CONFIG_HOME"), Env("HOME"), Env("XDG_CONFIG_DIRS"));
    path = candidates.front();
    for (const std::string &candidate : candidates) {
      if (IsFile(candidate)) {
        path = candidate;
        break;
      }
    }
  }
  CBackendConfig::Values file;
  if (std::string text; ReadRegularFile(path, text)) {
    file = CBackendConfig::ParseFile(text);
  }
  CBackendConfig config = CBackendConfig::Resolve(environment, file, FolderOf(path));
  if (!config.profilePath.empty()) {
    const bool fromEnvironment = environment.profile && !environment.profile->empty();
    config.profilePath = ShippedProfile(
        config.profilePath, fromEnvironment ? environment.profile : file.profile, libraryFolder);
  }
  return config;
}

ISupplyBackend &CBackendSwitch::Current() {
  std::string key = EnvironmentKey();
  if (!m_built || key != m_key) {
    m_key = std::move(key);
    m_built = true;
    Rebuild();
  }
  return *m_current;
}

std::unique_ptr<CScpiSupply> CBackendSwitch::MakeInstrument(CBackendConfig &config) {
  std::optional<CScpiProfile> profile = CScpiProfile{};
  if (!config.profilePath.empty()) {
    profile = CScpiProfile::Load(config.profilePath, &config.error);
  }
  if (!profile) {
    return nullptr;
  }
  std::unique_ptr<CScpiLink> link;
  switch (config.kind) {
  case CBackendConfig::Kind::kTcp:
    link = std::make_unique<CTcpLink>(config.host, config.port, profile->lineEnd);
    break;
  case CBackendConfig::Kind::kSerial:
    link = std::make_unique<CSerialLink>(config.device, config.baud, profile->lineEnd);
    break;
  case CBackendConfig::Kind::kUsbtmc:
    link = std::make_unique<CUsbtmcLink>(config.device, config.usbVendor, config.usbProduct,
                                         config.usbSerial, profile->lineEnd);
    break;
  default:
    return nullptr;
  }
  return std::make_unique<CScpiSupply>(std::move(link), std::move(*profile), config.timeoutMs);
}

std::string CBackendSwitch::Where() const {
  if (m_config.kind == CBackendConfig::Kind::kSimulated) {
    return "simulated supply";
  }
  return m_config.text.empty() ? std::string("device library") : m_config.text;
}

void CBackendSwitch::Rebuild() {
  m_config = ReadConfig(LibraryFolder());
  m_remote.reset();
  m_current = &m_simulator;
  if (m_config.kind == CBackendConfig::Kind::kSimulated) {
    return;
  }
  if (m_config.kind != CBackendConfig::Kind::kInvalid) {
    m_remote = MakeInstrument(m_config);
  }
  if (!m_remote) {
    m_config.kind = CBackendConfig::Kind::kInvalid;
    // The call log is the one place a person can see why nothing answers.
    CCallLog::Append("config error=\"" + m_config.error + "\"");
    m_remote = std::make_unique<CUnusableBackend>("configuration error: " + m_config.error);
  }
  m_current = m_remote.get();
}

} // namespace pwrio
