// The ARP cache: learned entries first, then the router's own Ethernet addresses.
#include "reports/arp_report.h"

#include <algorithm>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/report_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// The address field is padded to 24 characters, wider than the header's column: the data rows do
// not line up with the titles.
constexpr std::size_t kAddressWidth = 24;

void append_row(std::string& out, const std::string& address, std::string_view age,
                const std::string& hardware, const std::string& interface) {
  out.append("Internet  ");
  append_padded(out, address, kAddressWidth);
  add_line(out, age, hardware, "  ARPA   ", interface);
}

}  // namespace

std::string build_show_arp(std::span<const ArpEntry> entries, const RouterRecord& r) {
  std::string out(kLineEnd);
  add_line(out, "Protocol  Address          Age (min)  Hardware Addr   Type   Interface");
  for (const ArpEntry& e : entries) {
    if (e.hardware_address.empty()) continue;
    append_row(out, e.ip_address, plain_number(e.age) + "   ", e.hardware_address, e.interface);
  }
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.mac_address.empty() || e.ip_address.empty()) continue;
    append_row(out, e.ip_address, "-   ", e.mac_address, e.name);
  }
  return out;
}

}  // namespace zorva
