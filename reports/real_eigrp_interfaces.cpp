// A real router's `show ip eigrp interfaces` and `show ip eigrp traffic`: the interfaces its EIGRP
// process sends hellos on (covered, up and not passive), each with the neighbours heard there,
// and the traffic of that process, under the real AS number.
#include <algorithm>
#include <cstdio>

#include "base/number_text.h"
#include "reports/display_name.h"
#include "reports/eigrp_reports.h"
#include "reports/report_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr int kEigrpPassiveBit = 4;  // InterfaceEntry::passive_protocols, in routing-mode order

std::string interface_row(const RouterRecord& r, const InterfaceEntry& e) {
  int peers = 0;
  int srtt = 0;
  const ProtocolBlock& p = r.protocols;
  for (int j = 1; j <= std::clamp<int>(p.eigrp_neighbor_count, 0, kMaxProtocolNeighbors); ++j) {
    if (p.eigrp_neighbors[j].local_interface != e.name) continue;
    ++peers;
    srtt = std::max<int>(srtt, p.eigrp_neighbors[j].srtt);
  }
  // Pacing follows the bandwidth: a serial line's hellos are paced more slowly than a LAN's.
  const char* pacing =
      e.type == InterfaceType::Serial || e.type == InterfaceType::Bri ? "0/15" : "0/10";
  char row[128];
  std::snprintf(row, sizeof row, "%-13s%3d%11s%10d%11s%12d%12d",
                short_interface_name(e.name).c_str(), peers, "0/0", srtt, pacing,
                peers > 0 ? 50 : 0, 0);
  return row;
}

}  // namespace

std::string build_real_eigrp_interfaces(const RouterRecord& r) {
  const ProtocolBlock& p = r.protocols;
  if (!is_set(p.eigrp_enabled)) return "";
  std::string out(kLineEnd);
  add_line(out, "IP-EIGRP interfaces for process ", plain_number(p.eigrp_process_numbers[1]));
  out.append(kLineEnd);
  add_line(out, "                    Xmit Queue   Mean   Pacing Time   Multicast    Pending");
  add_line(out, "Interface    Peers  Un/Reliable  SRTT   Un/Reliable   Flow Timer   Routes");
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!is_set(e.eigrp_state) || e.line_protocol != LinkState::Up || e.ip_address.empty() ||
        (e.passive_protocols & kEigrpPassiveBit) != 0)
      continue;
    add_line(out, interface_row(r, e));
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
