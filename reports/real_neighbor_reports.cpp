// The OSPF and EIGRP neighbour tables as a real router prints them: each neighbour on the interface
// it was heard on, with its router ID, state and dead time (OSPF), or its hold time and uptime in
// the table of the real AS number (EIGRP).
#include <algorithm>
#include <optional>
#include <vector>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/display_name.h"
#include "reports/eigrp_reports.h"
#include "reports/ospf_reports.h"
#include "reports/report_text.h"
#include "state/ipv4.h"
#include "state/ospf_hello_terms.h"
#include "state/ospf_segment.h"
#include "state/route_metrics.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr long long kEigrpHold = 15;  // seconds

std::string right_aligned(const std::string& text, std::size_t width) {
  return std::string(width - std::min(width, text.size()), ' ') + text;
}

const InterfaceEntry* local_interface_of(const RouterRecord& r, const OspfNeighborEntry& n) {
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i)
    if (r.interfaces[i].name == n.local_interface) return &r.interfaces[i];
  return nullptr;
}

// A neighbour's role on a broadcast network; a point-to-point line has none ("  -").
std::string ospf_role(const RouterRecord& r, const OspfNeighborEntry& n) {
  const InterfaceEntry* e = local_interface_of(r, n);
  if (e == nullptr || e->type != InterfaceType::Ethernet) return "  -";
  return std::string(ospf_segment_role(ospf_segment_members(r, *e), n.router_id));
}

// The designated and backup routers of a broadcast network as the detail names them: the
// interface address of each, "0.0.0.0" for none (and on a point-to-point line).
std::pair<std::string, std::string> designated_addresses(const RouterRecord& r,
                                                         const OspfNeighborEntry& n) {
  const InterfaceEntry* e = local_interface_of(r, n);
  if (e == nullptr || e->type != InterfaceType::Ethernet) return {"0.0.0.0", "0.0.0.0"};
  const std::vector<SegmentMember> members = ospf_segment_members(r, *e);
  return {members[0].address, members.size() > 1 ? members[1].address : "0.0.0.0"};
}

}  // namespace

// `show ip ospf neighbor detail`: a block per neighbour.
std::string build_real_ospf_neighbors_detail(const RouterRecord& r, Int32 now) {
  std::string out;
  const ProtocolBlock& p = r.protocols;
  for (int j = 1; j <= std::clamp<int>(p.ospf_neighbor_count, 0, kMaxProtocolNeighbors); ++j) {
    const OspfNeighborEntry& n = p.ospf_neighbors[j];
    const InterfaceEntry* e = local_interface_of(r, n);
    const std::optional<Int32> area = e != nullptr ? ospf_area_of(p, *e) : std::nullopt;
    const long long dead = e != nullptr ? ospf_dead_interval(*e) : 40;
    const auto [dr, bdr] = designated_addresses(r, n);
    out.append(kLineEnd);
    add_line(out, " Neighbor ", n.router_id, ", interface address ", n.address);
    add_line(out, "    In the area ", plain_number(area.value_or(0)), " via interface ",
             n.local_interface);
    add_line(out, "    Neighbor priority is ", plain_number(n.priority),
             ", State is FULL, 6 state changes");
    add_line(out, "    DR is ", dr, " BDR is ", bdr);
    add_line(out, "    Options is 0x2");
    add_line(out, "    Dead timer due in ",
             elapsed_text(std::max(0LL, dead - (now - n.last_heard))));
    add_line(out, "    Neighbor is up for ",
             elapsed_text(std::max(0LL, static_cast<long long>(now - n.first_heard))));
    add_line(out, "    Index ", plain_number(j), "/", plain_number(j),
             ", retransmission queue length 0, number of retransmission 0");
    add_line(out, "    First 0x0(0)/0x0(0) Next 0x0(0)/0x0(0)");
    add_line(out, "    Last retransmission scan length is 0, maximum is 0");
    add_line(out, "    Last retransmission scan time is 0 msec, maximum is 0 msec");
  }
  return out;
}

std::string build_real_ospf_neighbors(const RouterRecord& r, Int32 now) {
  std::string out(kLineEnd);
  add_line(out, "Neighbor ID     Pri   State           Dead Time   Address         Interface");
  const ProtocolBlock& p = r.protocols;
  for (int j = 1; j <= std::clamp<int>(p.ospf_neighbor_count, 0, kMaxProtocolNeighbors); ++j) {
    const OspfNeighborEntry& n = p.ospf_neighbors[j];
    std::string line;
    append_padded(line, n.router_id, 16);
    line += right_aligned(plain_number(n.priority), 3) + "   ";
    append_padded(line, "FULL/" + ospf_role(r, n), 16);
    const InterfaceEntry* e = local_interface_of(r, n);
    const long long dead = e != nullptr ? ospf_dead_interval(*e) : 40;
    append_padded(line, elapsed_text(std::max(0LL, dead - (now - n.last_heard))), 12);
    append_padded(line, n.address, 16);
    add_line(out, line, n.local_interface);
  }
  return out;
}

std::string build_real_eigrp_neighbors(const RouterRecord& r, Int32 now, bool detail) {
  const ProtocolBlock& p = r.protocols;
  std::string out(kLineEnd);
  add_line(out, "IP-EIGRP neighbors for process ", plain_number(p.eigrp_process_numbers[1]));
  add_line(out, "H   Address                 Interface   Hold Uptime   SRTT   RTO  Q  Seq");
  add_line(out, "                                        (sec)         (ms)       Cnt Num");
  const int count = std::clamp<int>(p.eigrp_neighbor_count, 0, kMaxProtocolNeighbors);
  // The newest neighbour stands first, numbered from 0 in the order they were heard.
  for (int j = count; j >= 1; --j) {
    const EigrpNeighborEntry& n = p.eigrp_neighbors[j];
    std::string line;
    append_padded(line, plain_number(j - 1), 4);
    append_padded(line, n.address, 24);
    append_padded(line, short_interface_name(n.local_interface), 11);
    line += right_aligned(plain_number(std::max(0LL, kEigrpHold - (now - n.last_heard))), 5);
    line += " " + elapsed_text(std::max(0LL, static_cast<long long>(now) - n.up_since));
    add_line(out, line, right_aligned(plain_number(n.srtt), 6), right_aligned("200", 6), "  0  ",
             plain_number(j + 1));
    if (detail) {
      const std::optional<Ipv4> from = parse_dotted(n.address);
      int prefixes = 0;
      for (int k = 1; k <= std::clamp<int>(r.learned_route_count, 0, kMaxRoutes); ++k)
        if (r.learned_routes[k].code == 'D' && from && r.learned_routes[k].next_hop == *from)
          ++prefixes;
      add_line(out,
               "   Version 12.4/1.2, Retrans: 0, Retries: 0, Prefixes: ", plain_number(prefixes));
    }
  }
  return out;
}

}  // namespace zorva
