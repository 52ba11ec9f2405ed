#pragma once
#include <string>
#include <vector>

namespace pwrio {

// The instruments the Linux kernel's usbtmc driver offers as /dev/usbtmcN, with the USB ids
// sysfs gives for each, so a VISA name (USB0::0x1AB1::0x0E11::DP8A1234::INSTR) can be turned
// into its device file. The roots are parameters so a test can hand in a tree of its own.
class CUsbtmcDevices {
public:
  struct Device {
    std::string path; // /dev/usbtmc0
    int vendor = -1;  // -1 when sysfs does not say
    int product = -1;
    std::string serial;
    // USB0::0x1AB1::0x0E11::SERIAL::INSTR, or empty when the ids are unknown.
    std::string VisaName() const;
  };

  explicit CUsbtmcDevices(std::string devRoot = "/dev", std::string sysRoot = "/sys");

  // Every usbtmc device file, sorted by name.
  std::vector<Device> List() const;
  // The device file of the instrument with these ids; empty when none is plugged in.
  std::string Find(int vendor, int product, const std::string &serial) const;

private:
  std::string m_devRoot;
  std::string m_sysRoot;
};

} // namespace pwrio
