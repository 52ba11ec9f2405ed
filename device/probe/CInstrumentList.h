#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace pwrio {

// What pwrio-probe --list finds: serial ports (libserialport), usbtmc device files with their
// VISA names (sysfs), and LAN instruments that answer a VXI-11 broadcast or announce themselves
// over mDNS (liblxi). Each entry comes with the backend text that reaches it.
class CInstrumentList {
public:
  struct Entry {
    std::string backend; // what to put in PWRIO_BACKEND
    std::string about;   // description, identity or service
  };

  static std::vector<Entry> SerialPorts();
  static std::vector<Entry> UsbtmcDevices();
  // Waits up to timeoutMs for each discovery method.
  static std::vector<Entry> LanInstruments(int timeoutMs);

  // Prints the three lists, saying when a library for one of them was not built in.
  static void Print(std::ostream &out, int lanTimeoutMs);
};

} // namespace pwrio
