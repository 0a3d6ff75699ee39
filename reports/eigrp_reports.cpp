// The EIGRP neighbour, topology, interface and traffic reports.
#include "reports/eigrp_reports.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/display_name.h"
#include "reports/ipv4_text.h"
#include "reports/report_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::size_t kAddressWidth = 24;  // the neighbour address field

int neighbors_in_use(const ProtocolBlock& p) {
  return std::clamp<int>(p.eigrp_neighbor_count, 0, kMaxProtocolNeighbors);
}

// The first two letters and the last character of an interface name: Se0, Et1.
std::string short_name(std::string_view name) {
  std::string text(name.substr(0, 2));
  if (!name.empty()) text.push_back(name.back());
  return text;
}

void append_neighbor(std::string& out, const EigrpNeighborEntry& n, Int32 sim_clock, bool details) {
  out.append("0   ");
  append_padded(out, n.address, kAddressWidth);
  out.append(short_name(n.interface));
  out.append(11, ' ');
  // The hold column is derived from when the neighbour was last heard, so it cycles 0..14.
  const long long hold = n.last_heard % 15;
  out.append(plain_number(hold));
  out.append(hold < 10 ? "  " : " ");
  out.append(elapsed_text(static_cast<long long>(sim_clock) - n.up_since));
  out.append(" ");
  add_line(out, plain_number(n.srtt), "  ", plain_number(n.srtt * 6LL), "  0  2");
  if (details) add_line(out, "   Version 12.0/1.0, Retrans: 0, Retries: 0");
}

// The feasible distance shown: the Ethernet figure or the serial one.
std::string_view feasible_distance(const std::string& interface) {
  return !interface.empty() && interface.front() == 'E' ? "281600" : "28160";
}

void append_topology_entry(std::string& out, const EigrpNeighborEntry& n) {
  const std::string_view fd = feasible_distance(n.interface);
  const std::string net = dotted(ipv4_of_dotted(n.address) & ipv4_of_dotted(n.mask));
  // The summary line always says /8, whatever the class of the network.
  add_line(out, "P ", classful_network(n.address), "/8, 1 successors, FD is ", fd);
  add_line(out, "         via Summary(", fd, "/0), Null0");
  add_line(out, "P ", net, "/", mask_slash_text(n.mask), ", 1 successors, FD is ", fd);
  add_line(out, "         via Connected, ", n.interface);
}

}  // namespace

std::string build_show_eigrp_neighbors(const RouterRecord& r, Int32 sim_clock, bool details) {
  std::string out(kLineEnd);
  add_line(out, "IP-EIGRP neighbors for process 10");
  add_line(out, "H   Address                 Interface   Hold Uptime   SRTT   RTO  Q  Seq");
  add_line(out, "                                        (sec)         (ms)       Cnt Num");
  for (int i = 1; i <= neighbors_in_use(r.protocols); ++i)
    append_neighbor(out, r.protocols.eigrp_neighbors[i], sim_clock, details);
  return out;
}

std::string build_show_eigrp_topology(const RouterRecord& r) {
  const ProtocolBlock& p = r.protocols;
  if (!is_set(p.eigrp_enabled)) return "";
  std::string out(kLineEnd);
  add_line(out, "IP-EIGRP Topology Table for process ", plain_number(p.eigrp_process_numbers[1]));
  out.append(kLineEnd);
  add_line(out, "Codes: P - Passive, A - Active, U - Update, Q - Query, R - Reply,");
  add_line(out, "       r - Reply status");
  out.append(kLineEnd);
  for (int i = 1; i <= neighbors_in_use(p); ++i) append_topology_entry(out, p.eigrp_neighbors[i]);
  return out;
}

namespace {

// A real router's row: only the interfaces the process sends hellos on (covered, up, not
// passive), each with the neighbours heard there.
std::optional<std::string> real_interface_row(const RouterRecord& r, const InterfaceEntry& e) {
  constexpr int kEigrpPassiveBit = 4;  // InterfaceEntry::passive_protocols, in routing-mode order
  if (!is_set(e.eigrp_state) || (e.passive_protocols & kEigrpPassiveBit) != 0) return std::nullopt;
  int peers = 0;
  int srtt = 0;
  const ProtocolBlock& p = r.protocols;
  for (int j = 1; j <= neighbors_in_use(p); ++j) {
    if (p.eigrp_neighbors[j].local_interface != e.name) continue;
    ++peers;
    srtt = std::max<int>(srtt, p.eigrp_neighbors[j].srtt);
  }
  // Pacing follows the bandwidth: a serial line's hellos are paced more slowly than a LAN's.
  const bool slow = e.type == InterfaceType::Serial || e.type == InterfaceType::Bri;
  char row[128];
  std::snprintf(row, sizeof row, "%-13s%3d%11s%10d%11s%12d%12d",
                short_interface_name(e.name).c_str(), peers, "0/0", srtt, slow ? "0/15" : "0/10",
                peers > 0 ? 50 : 0, 0);
  return row;
}

}  // namespace

std::string build_show_eigrp_interfaces(const RouterRecord& r, bool real) {
  const ProtocolBlock& p = r.protocols;
  if (!is_set(p.eigrp_enabled)) return "";
  std::string out(kLineEnd);
  add_line(out, "IP-EIGRP interfaces for process ", plain_number(p.eigrp_process_numbers[1]));
  out.append(kLineEnd);
  add_line(out, "                    Xmit Queue   Mean   Pacing Time   Multicast    Pending");
  add_line(out, "Interface    Peers  Un/Reliable  SRTT   Un/Reliable   Flow Timer   Routes");
  // Classic lists every interface that is up and addressed, covered by an EIGRP network or not.
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.line_protocol != LinkState::Up || e.ip_address.empty()) continue;
    if (!real) {
      add_line(out, short_name(e.name), "            1        0/0      1968       ",
               "0/10           0           0");
    } else if (const std::optional<std::string> row = real_interface_row(r, e)) {
      add_line(out, *row);
    }
  }
  return out;
}

std::string real_eigrp_traffic(const RouterRecord& r, const std::string& classic_text) {
  if (!is_set(r.protocols.eigrp_enabled)) return "";
  const std::string classic_process = "for process 10";
  std::string text = classic_text;
  const std::size_t at = text.find(classic_process);
  if (at != std::string::npos)
    text.replace(at, classic_process.size(),
                 "for process " + plain_number(r.protocols.eigrp_process_numbers[1]));
  return text;
}

}  // namespace zorva
