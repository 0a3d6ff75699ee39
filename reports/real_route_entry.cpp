// `show ip route A.B.C.D [MASK]` as a real router prints it: the routing entry of one network, the
// source that gave it with its distance and metric, and a descriptor block per path.
#include <algorithm>
#include <vector>

#include "base/number_text.h"
#include "reports/report_text.h"
#include "reports/routing_table_report.h"
#include "state/ipv4.h"
#include "state/router_record.h"
#include "state/summary_route.h"

namespace zorva {

namespace {

bool holds(const RouteEntry& e, Ipv4 address) {
  return (address & mask_for_length(e.prefix_length)) == e.network;
}

// The paths of the network the address falls in: the longest prefix that holds it (the default
// route only for 0.0.0.0 itself), or with a mask exactly that network.
std::vector<const RouteEntry*> paths_for(const RouterRecord& r, Ipv4 address,
                                         std::optional<Ipv4> mask) {
  const int count = std::clamp<int>(r.route_count, 0, kMaxRoutes);
  int best = -1;
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& e = r.routes[k];
    const bool fits =
        mask ? e.network == (address & *mask) && mask_for_length(e.prefix_length) == *mask
             : holds(e, address) && (e.prefix_length > 0 || address == 0);
    if (fits) best = std::max<int>(best, e.prefix_length);
  }
  std::vector<const RouteEntry*> paths;
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& e = r.routes[k];
    if (e.prefix_length == best && (mask ? e.network == (address & *mask) : holds(e, address)))
      paths.push_back(&e);
  }
  return paths;
}

// "connected", "static", "rip", "igrp 10", "eigrp 100", "ospf 1".
std::string source_name(const RouterRecord& r, char code) {
  const ProtocolBlock& p = r.protocols;
  switch (code) {
    case 'C':
      return "connected";
    case 'S':
      return "static";
    case 'R':
      return "rip";
    case 'I':
      return "igrp " + plain_number(p.igrp_process_numbers[1]);
    case 'D':
      return "eigrp " + plain_number(p.eigrp_process_numbers[1]);
    case 'O':
      return "ospf " + plain_number(p.ospf_process_numbers[1]);
    default:
      return std::string(1, code);
  }
}

bool directly_connected(const RouteEntry& e) {
  return e.code == 'C' || is_summary_route(e) || (e.code == 'S' && !e.interface_name.empty());
}

// The OSPF router ID of the neighbour at the route's next hop; the address itself when unknown.
std::string ospf_source_of(const RouterRecord& r, const RouteEntry& e) {
  const std::string hop = dotted(e.next_hop);
  const ProtocolBlock& p = r.protocols;
  for (int j = 1; j <= std::clamp<int>(p.ospf_neighbor_count, 0, kMaxProtocolNeighbors); ++j)
    if (p.ospf_neighbors[j].address == hop) return p.ospf_neighbors[j].router_id;
  return hop;
}

void append_known_via(std::string& out, const RouterRecord& r, const RouteEntry& e) {
  std::string line = "  Known via \"" + source_name(r, e.code) + "\", distance " +
                     plain_number(e.distance) + ", metric " + plain_number(e.metric);
  if (e.code == 'C') line += " (connected, via interface)";
  if (e.code == 'S' && directly_connected(e)) line += " (connected)";
  if (e.code == 'O')
    line += is_set(e.external)     ? ", type extern 2, forward metric " + plain_number(e.metric)
            : is_set(e.inter_area) ? ", type inter area"
                                   : ", type intra area";
  if (e.code == 'D') line += is_set(e.external) ? ", type external" : ", type internal";
  if (e.network == 0 && e.prefix_length == 0) line += ", candidate default path";
  add_line(out, line);
  if (e.code == 'R' || e.code == 'I' || e.code == 'D')
    add_line(out, "  Redistributing via ", source_name(r, e.code));
}

void append_block(std::string& out, const RouterRecord& r, const RouteEntry& e, bool first,
                  Int32 now) {
  const std::string mark = first ? "  * " : "    ";
  if (directly_connected(e)) {
    add_line(out, mark, "directly connected, via ", route_interface_name(r, e));
  } else if (e.code == 'S') {
    add_line(out, mark, dotted(e.next_hop));
  } else {
    const long long age = route_age_seconds(e, now);
    const std::string from = e.code == 'O' ? ospf_source_of(r, e) : dotted(e.next_hop);
    add_line(out, mark, dotted(e.next_hop), ", from ", from, ", ", route_age_text(age),
             " ago, via ", route_interface_name(r, e));
  }
  add_line(out, "      Route metric is ", plain_number(e.metric), ", traffic share count is 1");
  if (e.code == 'I' || e.code == 'D') {
    add_line(out, "      Total delay is ", plain_number(10LL * e.delay),
             " microseconds, minimum bandwidth is ", plain_number(e.bandwidth), " Kbit");
    add_line(out, "      Reliability 255/255, minimum MTU 1500 bytes");
  }
}

}  // namespace

std::string build_real_route_entry(const RouterRecord& r, Ipv4 address, std::optional<Ipv4> mask,
                                   Int32 now) {
  std::string out(kLineEnd);
  const std::vector<const RouteEntry*> paths = paths_for(r, address, mask);
  if (paths.empty()) {
    add_line(out, "% Network not in table");
    return out;
  }
  const RouteEntry& e = *paths.front();
  add_line(out, "Routing entry for ", dotted(e.network), "/", plain_number(e.prefix_length),
           e.prefix_length < classful_length(e.network) ? ", supernet" : "");
  append_known_via(out, r, e);
  if (!directly_connected(e) && e.code != 'S') {
    add_line(out, "  Last update from ", dotted(e.next_hop), " on ", route_interface_name(r, e),
             ", ", route_age_text(route_age_seconds(e, now)), " ago");
  }
  add_line(out, "  Routing Descriptor Blocks:");
  for (std::size_t k = 0; k < paths.size(); ++k) append_block(out, r, *paths[k], k == 0, now);
  return out;
}

}  // namespace zorva
