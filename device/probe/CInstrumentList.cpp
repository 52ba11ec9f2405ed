#include "device/probe/CInstrumentList.h"

#include <cstdio>

#include "device/pwrio/CUsbtmcDevices.h"

#ifdef KTX_HAVE_SERIALPORT
#include <libserialport.h>
#endif
#ifdef KTX_HAVE_LXI
#include <lxi.h>
#endif

namespace pwrio {
namespace {

#ifdef KTX_HAVE_LXI
// liblxi reports through plain function pointers, so the results gather here.
std::vector<CInstrumentList::Entry> *g_found = nullptr;

void OnDevice(const char *address, const char *id) {
  g_found->push_back({"tcp://" + std::string(address) + ":5025",
                      std::string(id ? id : "") + " (VXI-11; raw SCPI port assumed 5025)"});
}

void OnService(const char *address, const char *id, const char *service, int port) {
  const std::string name = service ? service : "";
  // Only the raw SCPI socket is something we can talk to.
  if (name.find("scpi-raw") == std::string::npos) {
    return;
  }
  g_found->push_back({"tcp://" + std::string(address) + ":" + std::to_string(port),
                      std::string(id ? id : "") + " (mDNS " + name + ")"});
}
#endif

void PrintSection(std::ostream &out, const char *title,
                  const std::vector<CInstrumentList::Entry> &entries) {
  out << title << '\n';
  if (entries.empty()) {
    out << "  none found\n";
  }
  for (const auto &entry : entries) {
    out << "  " << entry.backend << (entry.about.empty() ? "" : "  ") << entry.about << '\n';
  }
}

} // namespace

std::vector<CInstrumentList::Entry> CInstrumentList::SerialPorts() {
  std::vector<Entry> entries;
#ifdef KTX_HAVE_SERIALPORT
  sp_port **ports = nullptr;
  if (sp_list_ports(&ports) != SP_OK) {
    return entries;
  }
  for (sp_port **port = ports; *port; ++port) {
    std::string about = sp_get_port_description(*port) ? sp_get_port_description(*port) : "";
    int vid = 0;
    int pid = 0;
    if (sp_get_port_transport(*port) == SP_TRANSPORT_USB &&
        sp_get_port_usb_vid_pid(*port, &vid, &pid) == SP_OK) {
      char ids[24];
      std::snprintf(ids, sizeof ids, " (USB %04x:%04x)", static_cast<unsigned>(vid),
                    static_cast<unsigned>(pid));
      about += ids;
    }
    entries.push_back({"serial:" + std::string(sp_get_port_name(*port)), about});
  }
  sp_free_port_list(ports);
#endif
  return entries;
}

std::vector<CInstrumentList::Entry> CInstrumentList::UsbtmcDevices() {
  std::vector<Entry> entries;
  for (const auto &device : CUsbtmcDevices().List()) {
    entries.push_back({"usbtmc:" + device.path, device.VisaName()});
  }
  return entries;
}

std::vector<CInstrumentList::Entry> CInstrumentList::LanInstruments(int timeoutMs) {
  std::vector<Entry> entries;
#ifdef KTX_HAVE_LXI
  if (timeoutMs <= 0 || lxi_init() != LXI_OK) {
    return entries;
  }
  g_found = &entries;
  lxi_info_t info{};
  info.device = OnDevice;
  info.service = OnService;
  lxi_discover(&info, timeoutMs, DISCOVER_VXI11);
  lxi_discover(&info, timeoutMs, DISCOVER_MDNS);
  g_found = nullptr;
#else
  (void)timeoutMs;
#endif
  return entries;
}

void CInstrumentList::Print(std::ostream &out, int lanTimeoutMs) {
#ifdef KTX_HAVE_SERIALPORT
  PrintSection(out, "serial ports", SerialPorts());
#else
  out << "serial ports\n  not listed: built without libserialport\n";
#endif
  PrintSection(out, "usbtmc devices", UsbtmcDevices());
#ifdef KTX_HAVE_LXI
  if (lanTimeoutMs > 0) {
    PrintSection(out, "LAN instruments (VXI-11 broadcast, mDNS)", LanInstruments(lanTimeoutMs));
  } else {
    out << "LAN instruments\n  not searched (--lan-ms 0)\n";
  }
#else
  (void)lanTimeoutMs;
  out << "LAN instruments\n  not searched: built without liblxi\n";
#endif
}

} // namespace pwrio
