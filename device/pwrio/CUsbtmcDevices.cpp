#include "device/pwrio/CUsbtmcDevices.h"

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <utility>

#include "device/pwrio/ConfigText.h"

namespace pwrio {
namespace {

std::string FirstLine(const std::string &path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return std::string(Trim(line));
}

int HexId(const std::string &text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return text.empty() || ec != std::errc() || end != text.data() + text.size() ? -1 : value;
}

} // namespace

std::string CUsbtmcDevices::Device::VisaName() const {
  if (vendor < 0 || product < 0 || serial.empty()) {
    return {};
  }
  char ids[32];
  std::snprintf(ids, sizeof ids, "0x%04X::0x%04X", static_cast<unsigned>(vendor),
                static_cast<unsigned>(product));
  return "USB0::" + std::string(ids) + "::" + serial + "::INSTR";
}

CUsbtmcDevices::CUsbtmcDevices(std::string devRoot, std::string sysRoot)
    : m_devRoot(std::move(devRoot)), m_sysRoot(std::move(sysRoot)) {}

std::vector<CUsbtmcDevices::Device> CUsbtmcDevices::List() const {
  std::vector<Device> devices;
  DIR *dir = ::opendir(m_devRoot.c_str());
  if (!dir) {
    return devices;
  }
  while (const dirent *entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.rfind("usbtmc", 0) != 0) {
      continue;
    }
    Device device;
    device.path = m_devRoot + "/" + name;
    // class/usbmisc/usbtmcN/device is the USB interface; its parent the USB device with the ids.
    const std::string usb = m_sysRoot + "/class/usbmisc/" + name + "/device/..";
    device.vendor = HexId(FirstLine(usb + "/idVendor"));
    device.product = HexId(FirstLine(usb + "/idProduct"));
    device.serial = FirstLine(usb + "/serial");
    devices.push_back(std::move(device));
  }
  ::closedir(dir);
  std::sort(devices.begin(), devices.end(),
            [](const Device &a, const Device &b) { return a.path < b.path; });
  return devices;
}

std::string CUsbtmcDevices::Find(int vendor, int product, const std::string &serial) const {
  for (const Device &device : List()) {
    if (device.vendor == vendor && device.product == product && device.serial == serial) {
      return device.path;
    }
  }
  return {};
}

} // namespace pwrio
