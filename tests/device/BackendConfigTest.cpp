// Which backend a configuration names, and what makes one unusable.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

#include "device/pwrio/CBackendConfig.h"
#include "device/pwrio/CBackendSwitch.h"
#include "tests/support/TestHelpers.h"

namespace {

using pwrio::CBackendConfig;
using Kind = CBackendConfig::Kind;

// The fields that matter for the configuration's kind, in one line.
std::string Describe(const CBackendConfig &c) {
  const std::string timing = " " + std::to_string(c.timeoutMs) + "ms " + c.profilePath;
  switch (c.kind) {
  case Kind::kSimulated:
    return "sim" + timing;
  case Kind::kTcp:
    return "tcp " + c.host + ":" + std::to_string(c.port) + timing;
  case Kind::kSerial:
    return "serial " + c.device + " " + std::to_string(c.baud) + timing;
  case Kind::kUsbtmc:
    return "usbtmc " + c.device + " " + std::to_string(c.usbVendor) + ":" +
           std::to_string(c.usbProduct) + ":" + c.usbSerial + timing;
  case Kind::kInvalid:
    break;
  }
  return c.error.empty() ? "invalid without a reason" : "invalid";
}

TEST(BackendConfig, BackendTextsNameTheirTransport) {
  const std::pair<const char *, const char *> cases[] = {
      {"", "sim"},
      {"  sim \r", "sim"},
      {"tcp://127.0.0.1", "tcp 127.0.0.1:5025"},
      {"tcp://localhost:1", "tcp 127.0.0.1:1"},
      {"tcp://[::1]:65535", "tcp ::1:65535"},
      {"serial:/dev/ttyS1?baud=115200", "serial /dev/ttyS1 115200"},
      {"usbtmc:/dev/usbtmc0", "usbtmc /dev/usbtmc0 0:0:"},
      {"TCPIP::192.0.2.10::5025::SOCKET", "tcp 192.0.2.10:5025"},
      {"tcpip0::127.0.0.1::5555::socket", "tcp 127.0.0.1:5555"},
      {"ASRL/dev/ttyUSB0::INSTR", "serial /dev/ttyUSB0 9600"},
      {"USB0::0x1AB1::0x0E11::DP8A1234::INSTR", "usbtmc  6833:3601:DP8A1234"},
      {"USB::6833::3601::DP8A1234::0::INSTR", "usbtmc  6833:3601:DP8A1234"},
  };
  for (const auto &[text, expected] : cases)
    EXPECT_EQ(Describe(CBackendConfig::ParseBackend(text)), expected + std::string(" 300ms "))
        << text;
  // A host name is refused because its lookup could block.
  const QStringList unusable = testhelp::Cells(
      "tcp://127.0.0.1:0 tcp://127.0.0.1:65536 tcp://127.0.0.1:50x tcp://supply.lab:5025 "
      "tcp://[::1 tcp://::1:5025 serial:ttyUSB0 serial:/dev/ttyS0?baud=9601 usb:0 usbtmc:usbtmc0 "
      "TCPIP::192.0.2.10::INSTR TCPIP::supply.lab::5025::SOCKET ASRL1::INSTR ASRL/dev/ttyS0 "
      "USB0::0x1AB1::0x0E11::INSTR USB0::0x1AB1::0xFFFFF::X::INSTR GPIB0::5::INSTR");
  for (const QString &entry : unusable)
    EXPECT_EQ(Describe(CBackendConfig::ParseBackend(entry.toStdString())), "invalid")
        << entry.toStdString();
}

// The environment overrides the file key by key; an empty variable counts as unset; a profile
// named in the file is found beside it, one from the environment is taken as given. A timeout
// outside 10..10000 ms makes the configuration unusable.
TEST(BackendConfig, EnvironmentOverridesTheFileKeyByKey) {
  const auto file = CBackendConfig::ParseFile("# lab bench\r\n"
                                              "backend = tcp://127.0.0.1:6000\r\n"
                                              "timeout_ms=250\n"
                                              "profile = acme.profile\n"
                                              "colour = blue\n"
                                              "no equals sign\n");
  using Opt = std::optional<std::string>;
  struct Case {
    Opt backend, timeout, profile;
    const char *expected;
  };
  const Opt unset;
  const Case cases[] = {
      {unset, unset, unset, "tcp 127.0.0.1:6000 250ms /opt/ktx/acme.profile"},
      {"", "1000", "local.profile", "tcp 127.0.0.1:6000 1000ms local.profile"},
      {"sim", unset, "", "sim 250ms /opt/ktx/acme.profile"},
      {unset, "10", unset, "tcp 127.0.0.1:6000 10ms /opt/ktx/acme.profile"},
      {unset, " 10000 ", unset, "tcp 127.0.0.1:6000 10000ms /opt/ktx/acme.profile"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(
        Describe(CBackendConfig::Resolve({c.backend, c.timeout, c.profile}, file, "/opt/ktx")),
        c.expected);
  EXPECT_EQ(Describe(CBackendConfig::Resolve({}, {}, "")), "sim 300ms ");
  for (const char *timeout : {"9", "10001", "300ms", "1e3"})
    EXPECT_EQ(Describe(CBackendConfig::Resolve({unset, timeout, unset}, file, "")), "invalid")
        << timeout;
}

TEST(BackendConfig, ConfigurationFileIsLookedForBesideTheLibraryThenInTheXdgFolders) {
  using Strings = std::vector<std::string>;
  const std::optional<std::string> unset;
  struct Case {
    std::optional<std::string> configHome, home, configDirs;
    Strings expected;
  };
  const Strings defaults = {"/lib/pwrio.conf", "/home/op/.config/KTX2300M/pwrio.conf",
                            "/etc/xdg/KTX2300M/pwrio.conf"};
  const Case cases[] = {
      {unset, "/home/op", unset, defaults},
      // Empty and relative entries are not XDG folders: the defaults stand in or they drop out.
      {"", "/home/op", "", defaults},
      {"rel", unset, "rel::/c", {"/lib/pwrio.conf", "/c/KTX2300M/pwrio.conf"}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(CBackendConfig::ConfigFileCandidates("/lib", c.configHome, c.home, c.configDirs),
              c.expected);
}

// The library in a folder of its own, the user's and the system's XDG folders beside it: the
// user's configuration comes first, and a profile it names is looked for among the library's
// shipped ones.
TEST(BackendConfig, TheUsersConfigurationComesFirstAndShippedProfilesAreFoundByName) {
  QTemporaryDir root;
  for (const auto &[file, text] :
       {std::pair<const char *, QByteArray>{"lib/profiles/shipped.profile", "idn_contains = X\n"},
        {"user/KTX2300M/pwrio.conf", "backend = tcp://127.0.0.2\nprofile = shipped.profile\n"},
        {"system/KTX2300M/pwrio.conf", "backend = tcp://127.0.0.3\n"}}) {
    QDir().mkpath(QFileInfo(root.filePath(QLatin1String(file))).absolutePath());
    ASSERT_TRUE(testhelp::WriteFile(root.filePath(QLatin1String(file)), text));
  }
  for (const char *name : {"PWRIO_BACKEND", "PWRIO_PROFILE", "PWRIO_CONFIG"})
    qunsetenv(name);
  const QByteArray home = qgetenv("XDG_CONFIG_HOME"), dirs = qgetenv("XDG_CONFIG_DIRS");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("user"))));
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("system"))));
  const CBackendConfig config =
      pwrio::CBackendSwitch::ReadConfig(root.filePath(QStringLiteral("lib")).toStdString());
  EXPECT_EQ(config.host, "127.0.0.2");
  EXPECT_EQ(config.profilePath,
            root.filePath(QStringLiteral("lib/profiles/shipped.profile")).toStdString());
  qputenv("XDG_CONFIG_HOME", home);
  qputenv("XDG_CONFIG_DIRS", dirs);
}

} // namespace
