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

TEST(BackendConfig, BackendTextsNameTheirTransport) {
  struct Case {
    const char *text;
    Kind kind;
    const char *host;
    int port;
    const char *device;
    int baud;
  };
  const Case cases[] = {
      {"", Kind::kSimulated, "", 5025, "", 9600},
      {"sim", Kind::kSimulated, "", 5025, "", 9600},
      {"  sim \r", Kind::kSimulated, "", 5025, "", 9600},
      {"tcp://127.0.0.1:5555", Kind::kTcp, "127.0.0.1", 5555, "", 9600},
      {"tcp://127.0.0.1", Kind::kTcp, "127.0.0.1", 5025, "", 9600},
      {"tcp://localhost:1", Kind::kTcp, "127.0.0.1", 1, "", 9600},
      {"tcp://[::1]:65535", Kind::kTcp, "::1", 65535, "", 9600},
      {"tcp://[::1]", Kind::kTcp, "::1", 5025, "", 9600},
      {"serial:/dev/ttyUSB0", Kind::kSerial, "", 5025, "/dev/ttyUSB0", 9600},
      {"serial:/dev/ttyS1?baud=115200", Kind::kSerial, "", 5025, "/dev/ttyS1", 115200},
      {"usbtmc:/dev/usbtmc0", Kind::kUsbtmc, "", 5025, "/dev/usbtmc0", 9600},
      {"TCPIP::192.0.2.10::5025::SOCKET", Kind::kTcp, "192.0.2.10", 5025, "", 9600},
      {"tcpip0::127.0.0.1::5555::socket", Kind::kTcp, "127.0.0.1", 5555, "", 9600},
      {"ASRL/dev/ttyUSB0::INSTR", Kind::kSerial, "", 5025, "/dev/ttyUSB0", 9600},
      {"USB0::0x1AB1::0x0E11::DP8A1234::INSTR", Kind::kUsbtmc, "", 5025, "", 9600},
      {"USB::6833::3601::DP8A1234::0::INSTR", Kind::kUsbtmc, "", 5025, "", 9600},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    const CBackendConfig config = CBackendConfig::ParseBackend(c.text);
    EXPECT_EQ(config.kind, c.kind);
    EXPECT_TRUE(config.error.empty()) << config.error;
    EXPECT_EQ(config.host, c.host);
    EXPECT_EQ(config.port, c.port);
    EXPECT_EQ(config.device, c.device);
    EXPECT_EQ(config.baud, c.baud);
    if (config.kind == Kind::kUsbtmc && config.device.empty()) {
      EXPECT_EQ(config.usbVendor, 0x1AB1);
      EXPECT_EQ(config.usbProduct, 0x0E11);
      EXPECT_EQ(config.usbSerial, "DP8A1234");
    }
  }
  // A host name is refused because its lookup could block.
  const QStringList unusable = testhelp::Cells(
      "tcp://127.0.0.1:0 tcp://127.0.0.1:65536 tcp://127.0.0.1: tcp://127.0.0.1:50x "
      "tcp://supply.lab:5025 tcp:// tcp://[::1 tcp://[::1]5025 tcp://::1:5025 serial:ttyUSB0 "
      "serial: serial:/dev/ttyS0?baud=9601 serial:/dev/ttyS0?speed=9600 usb:0 simulated "
      "usbtmc:usbtmc0 TCPIP::192.0.2.10::INSTR TCPIP::192.0.2.10::inst0::INSTR "
      "TCPIP::supply.lab::5025::SOCKET TCPIP::192.0.2.10::hislip0::INSTR ASRL1::INSTR "
      "ASRL/dev/ttyS0 USB0::0x1AB1::0x0E11::INSTR USB0::0x1AB1::0xFFFFF::X::INSTR "
      "USB0::vendor::0x0E11::X::INSTR GPIB0::5::INSTR");
  for (const QString &entry : unusable) {
    const std::string text = entry.toStdString();
    const CBackendConfig config = CBackendConfig::ParseBackend(text);
    EXPECT_EQ(config.kind, Kind::kInvalid) << text;
    EXPECT_FALSE(config.error.empty()) << text;
  }
}

TEST(BackendConfig, EnvironmentOverridesTheFileKeyByKey) {
  const auto file = CBackendConfig::ParseFile("# lab bench\r\n"
                                              "backend = tcp://127.0.0.1:6000\r\n"
                                              "timeout_ms=250\n"
                                              "profile = acme.profile\n"
                                              "colour = blue\n"
                                              "no equals sign\n");
  ASSERT_TRUE(file.backend && file.timeoutMs && file.profile);

  CBackendConfig::Values environment;
  CBackendConfig config = CBackendConfig::Resolve(environment, file, "/opt/ktx");
  EXPECT_EQ(config.kind, Kind::kTcp);
  EXPECT_EQ(config.port, 6000);
  EXPECT_EQ(config.timeoutMs, 250);
  EXPECT_EQ(config.profilePath, "/opt/ktx/acme.profile");

  // An empty variable counts as unset.
  environment.backend = "";
  environment.timeoutMs = "1000";
  environment.profile = "local.profile";
  config = CBackendConfig::Resolve(environment, file, "/opt/ktx");
  EXPECT_EQ(config.port, 6000);
  EXPECT_EQ(config.timeoutMs, 1000);
  EXPECT_EQ(config.profilePath, "local.profile"); // taken as given, from the working folder

  environment.backend = "sim";
  config = CBackendConfig::Resolve(environment, file, "/opt/ktx");
  EXPECT_EQ(config.kind, Kind::kSimulated);

  config = CBackendConfig::Resolve({}, {}, "");
  EXPECT_EQ(config.kind, Kind::kSimulated);
  EXPECT_EQ(config.timeoutMs, 300);
  EXPECT_EQ(config.profilePath, "");
}

TEST(BackendConfig, TimeoutOutsideItsRangeMakesTheConfigurationUnusable) {
  struct Case {
    const char *text;
    int ms; // 0: unusable
  };
  const Case cases[] = {{"10", 10},  {"10000", 10000}, {" 300 ", 300}, {"9", 0},   {"10001", 0},
                        {"-300", 0}, {"300ms", 0},     {"0.3", 0},     {"1e3", 0}, {"x", 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    CBackendConfig::Values environment;
    environment.backend = "tcp://127.0.0.1";
    environment.timeoutMs = c.text;
    const CBackendConfig config = CBackendConfig::Resolve(environment, {}, "");
    if (c.ms == 0) {
      EXPECT_EQ(config.kind, Kind::kInvalid);
      EXPECT_NE(config.error.find("timeout"), std::string::npos) << config.error;
    } else {
      EXPECT_EQ(config.kind, Kind::kTcp);
      EXPECT_EQ(config.timeoutMs, c.ms);
    }
  }
}

TEST(BackendConfig, ConfigurationFileIsLookedForBesideTheLibraryThenInTheXdgFolders) {
  using Strings = std::vector<std::string>;
  const std::optional<std::string> unset;
  struct Case {
    std::optional<std::string> configHome, home, configDirs;
    Strings expected;
  };
  const Case cases[] = {
      {unset,
       "/home/op",
       unset,
       {"/lib/pwrio.conf", "/home/op/.config/KTX2300M/pwrio.conf", "/etc/xdg/KTX2300M/pwrio.conf"}},
      {"/cfg",
       "/home/op",
       "/a:/b",
       {"/lib/pwrio.conf", "/cfg/KTX2300M/pwrio.conf", "/a/KTX2300M/pwrio.conf",
        "/b/KTX2300M/pwrio.conf"}},
      // Empty and relative entries are not XDG folders: the defaults stand in or they drop out.
      {"",
       "/home/op",
       "",
       {"/lib/pwrio.conf", "/home/op/.config/KTX2300M/pwrio.conf", "/etc/xdg/KTX2300M/pwrio.conf"}},
      {"rel", unset, "rel::/c", {"/lib/pwrio.conf", "/c/KTX2300M/pwrio.conf"}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(CBackendConfig::ConfigFileCandidates("/lib", c.configHome, c.home, c.configDirs),
              c.expected);
}

// The library in a folder of its own, with the user's and the system's XDG folders beside it.
TEST(BackendConfig, TheFirstConfigurationFoundIsReadAndShippedProfilesAreFoundByName) {
  QTemporaryDir root;
  const QString lib = root.filePath(QStringLiteral("lib"));
  const auto write = [&](const QString &relative, const QByteArray &text) {
    QDir().mkpath(QFileInfo(root.filePath(relative)).absolutePath());
    ASSERT_TRUE(testhelp::WriteFile(root.filePath(relative), text));
  };
  write(QStringLiteral("lib/profiles/shipped.profile"), "idn_contains = X\n");
  write(QStringLiteral("user/KTX2300M/own.profile"), "idn_contains = Y\n");
  const QByteArray home = qgetenv("XDG_CONFIG_HOME"), dirs = qgetenv("XDG_CONFIG_DIRS");
  for (const char *name : {"PWRIO_BACKEND", "PWRIO_PROFILE", "PWRIO_CONFIG"})
    qunsetenv(name);
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("user"))));
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("system"))));
  struct Case {
    const char *file; // written before the look-up, relative to root
    QByteArray text;
    const char *host;
    const char *profile; // relative to root
  };
  const Case cases[] = {
      {"system/KTX2300M/pwrio.conf", "backend = tcp://127.0.0.3\n", "127.0.0.3", ""},
      {"user/KTX2300M/pwrio.conf", "backend = tcp://127.0.0.2\nprofile = own.profile\n",
       "127.0.0.2", "user/KTX2300M/own.profile"},
      {"user/KTX2300M/pwrio.conf", "backend = tcp://127.0.0.2\nprofile = shipped.profile\n",
       "127.0.0.2", "lib/profiles/shipped.profile"},
      {"lib/pwrio.conf", "backend = tcp://127.0.0.1\nprofile = missing.profile\n", "127.0.0.1",
       "lib/missing.profile"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.file);
    write(QString::fromLatin1(c.file), c.text);
    const CBackendConfig config = pwrio::CBackendSwitch::ReadConfig(lib.toStdString());
    EXPECT_EQ(config.host, c.host);
    EXPECT_EQ(config.profilePath,
              *c.profile ? root.filePath(QString::fromLatin1(c.profile)).toStdString() : "");
  }
  qputenv("XDG_CONFIG_HOME", home);
  qputenv("XDG_CONFIG_DIRS", dirs);
}

} // namespace
