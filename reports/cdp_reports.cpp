// The CDP reports: global settings, neighbour table and detail, interfaces, entries and traffic.
#include "reports/cdp_reports.h"

#include <algorithm>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/report_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// Column widths of the neighbour table; the last column (the port again) is not cut.
constexpr std::size_t kDeviceWidth = 19;
constexpr std::size_t kLocalPortWidth = 15;
constexpr std::size_t kHoldWidth = 11;
constexpr std::size_t kCapabilityWidth = 9;
constexpr std::size_t kPlatformWidth = 10;

int neighbors_in_use(const RouterRecord& r) {
  return std::clamp<int>(r.cdp_neighbor_count, 0, kMaxCdpNeighbors);
}

}  // namespace

std::string cdp_global_report(const RouterRecord& r) {
  if (!is_set(r.cdp_run)) return "% CDP is not enabled\r\n";
  std::string out(kLineEnd);
  add_line(out, "Global CDP information:");
  add_line(out, "        Sending CDP packets every", number_with_blank(r.cdp_timer), " seconds");
  out.append("        Sending a holdtime value of");
  out.append(number_with_blank(r.cdp_holdtime));
  out.append(" seconds\r\n        Sending CDPv2 advertisements is ");
  out.append(is_set(r.cdp_advertise_v2) ? "enabled" : "not enabled");
  return out;
}

namespace {

// The interface a neighbour was heard on. The classic table records none, and there the
// neighbour's own port stands in for it.
const std::string& local_port(const CdpNeighborEntry& n) {
  return n.local_interface.empty() ? n.info.port_id : n.local_interface;
}

void append_table_row(std::string& out, const RouterRecord& r, const CdpNeighborEntry& n,
                      Int32 sim_clock) {
  append_fitted(out, n.info.device_id, kDeviceWidth);
  append_fitted(out, local_port(n), kLocalPortWidth);
  append_fitted(out, number_with_blank(cdp_remaining_hold(r, n, sim_clock)), kHoldWidth);
  out.append(4, ' ');
  append_fitted(out, n.info.capabilities, kCapabilityWidth);
  append_fitted(out, n.info.platform, kPlatformWidth);
  add_line(out, n.info.port_id);
}

}  // namespace

std::string cdp_neighbor_table(const RouterRecord& r, Int32 sim_clock) {
  std::string out(kLineEnd);
  add_line(out, "Capability Codes: R - Router, T - Trans Bridge, B - Source Route Bridge");
  add_line(out, "S -Switch, H - Host, i - IGMP, r - Repeater");
  add_line(out, "Device ID        Local Intrfce     Holdtme    Capability  Platform  Port ID");
  for (int i = 1; i <= neighbors_in_use(r); ++i)
    append_table_row(out, r, r.cdp_neighbors[i], sim_clock);
  return out;
}

namespace {

// The block of one neighbour. `misspelt` gives the operating-system line the way `show cdp entry`
// with a device name prints it.
void append_detail_block(std::string& out, const RouterRecord& r, const CdpNeighborEntry& n,
                         Int32 sim_clock, bool misspelt) {
  out.append(kLineEnd);
  add_line(out, "-------------------------");
  add_line(out, "Device ID: ", n.info.device_id);
  add_line(out, "Entry address(es):");
  if (!n.info.address.empty()) add_line(out, "  IP address: ", n.info.address);
  add_line(out, "Platform: Kolvo ", n.info.platform, " , Capabilities: Router");
  add_line(out, "Interface: ", local_port(n), ", Port ID (outgoing port): ", n.info.port_id);
  add_line(out, "Holdtime: ", number_with_blank(cdp_remaining_hold(r, n, sim_clock)), " sec");
  out.append(kLineEnd);
  add_line(out, "Version :");
  add_line(out, misspelt ? "Kolvo Oerating System Software" : "Kolvo Operating System Software");
  add_line(out, "Software, Version 12.0(16), RELEASE SOFTWARE (fc2)");
  out.append(kLineEnd);
  add_line(out, "Compiled Fri 02-Mar-01 17:34 by kperl");
  out.append(kLineEnd);
}

}  // namespace

std::string cdp_detail_blocks(const RouterRecord& r, Int32 sim_clock, const std::string* device) {
  std::string out;
  for (int i = 1; i <= neighbors_in_use(r); ++i) {
    const CdpNeighborEntry& n = r.cdp_neighbors[i];
    if (device == nullptr || n.info.device_id == *device)
      append_detail_block(out, r, n, sim_clock, device != nullptr);
  }
  return out;
}

std::string cdp_interface_report(const RouterRecord& r) {
  std::string out(kLineEnd);
  if (!is_set(r.cdp_run)) {
    add_line(out, "CDP not running");
    return out;
  }
  const std::string timer = number_with_blank(r.cdp_timer);
  const std::string holdtime = number_with_blank(r.cdp_holdtime);
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!is_set(e.cdp_enable)) continue;
    add_line(out, e.name, " is ", text_of(e.status), ", line protocol is ",
             text_of(e.line_protocol));
    add_line(out, "encapsulation ", text_of(e.encapsulation_shown));
    add_line(out, "Sending CDP packets every", timer, " seconds");
    add_line(out, "Holdtime is", holdtime, " seconds");
  }
  return out;
}

long long cdp_remaining_hold(const RouterRecord& r, const CdpNeighborEntry& n, Int32 sim_clock) {
  const long long h = static_cast<long long>(r.cdp_holdtime) - sim_clock + n.received_at;
  return std::max(h, 0LL);
}

std::string cdp_traffic_report() {
  return "\r\n        Packets output: 415, Input: 514\r\n"
         "        Hdr syntax: 408, Chksum error: 0, Encaps failed: 6\r\n"
         "        No memory: 0, Invalid packet: 0, Fragmented: 0";
}

}  // namespace zorva
