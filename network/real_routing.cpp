// The real-router rules of the routing engine: coverage, carried routes, received updates, the
// removal of routes that can no longer be used and the OSPF reset. The choice of the table is in
// real_route_choice.cpp, EIGRP's summaries in eigrp_summaries.cpp.
#include "network/real_routing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string_view>
#include <utility>

#include "base/error_log.h"
#include "base/number_text.h"
#include "network/real_rip.h"
#include "network/real_routing_basics.h"
#include "network/rip_debug.h"
#include "network/routing_table.h"
#include "network/table_capacity.h"
#include "state/ipv4.h"
#include "state/ospf_hello_terms.h"
#include "state/route_metrics.h"
#include "state/summary_route.h"

namespace zorva {

using namespace real_routing;

namespace {

constexpr std::string_view kUpdateRoutesName = "Update Routes()";
constexpr Int16 kEigrpExternalDistance = 170;
constexpr Int32 kNoArea = -1;  // an interface that no OSPF statement covers

// The classful network of the interface's address, or nothing when the address does not read.
std::optional<Ipv4> classful_of(const InterfaceEntry& e) {
  const std::optional<Ipv4> a = parse_dotted(e.ip_address);
  if (!a) return std::nullopt;
  return classful_network(*a);
}

bool classful_statement_covers(const RouterRecord& r, const ProtocolTraits& t,
                               const InterfaceEntry& e) {
  const std::optional<Ipv4> net = classful_of(e);
  if (!net) return false;
  const ProtocolBlock& p = r.protocols;
  const int count = std::clamp<int>(p.*t.network_count, 0, kMaxProtocolNetworks);
  const std::optional<Ipv4> address = parse_dotted(e.ip_address);
  for (int k = 1; k <= count; ++k) {
    const std::string& statement = (p.*t.networks)[k];
    const std::size_t blank = statement.find(' ');
    if (blank == std::string::npos) {
      if (parse_dotted(statement) == *net) return true;
      continue;
    }
    // An EIGRP statement with wildcard bits covers the addresses that match it under them.
    const std::optional<Ipv4> network = parse_dotted(statement.substr(0, blank));
    const std::optional<Ipv4> wildcard = parse_dotted(statement.substr(blank + 1));
    if (network && wildcard && (*address & ~*wildcard) == *network) return true;
  }
  return false;
}

Int32 own_as(const ProtocolBlock& p, RoutingProtocol protocol) {
  if (protocol == RoutingProtocol::Igrp) return p.igrp_process_numbers[1];
  if (protocol == RoutingProtocol::Eigrp) return p.eigrp_process_numbers[1];
  return 0;
}

// Routes of a protocol are forgotten when the neighbour has been silent this long (seconds):
// RIP's invalid time 180, IGRP's 270, EIGRP's hold time 15, OSPF's dead interval of the interface
// the route was learned on (40 unless configured).
Int32 silence_limit(char code, const InterfaceEntry& learned_on) {
  switch (code) {
    case 'R':
      return 180;
    case 'I':
      return 270;
    case 'D':
      return 15;
    case 'O':
      return ospf_dead_interval(learned_on);
    default:
      return 0;
  }
}

std::optional<RoutingProtocol> protocol_of_code(char code) {
  for (std::size_t k = 0; k < kProtocolTraits.size(); ++k)
    if (kProtocolTraits[k].code == code) return static_cast<RoutingProtocol>(k);
  return std::nullopt;
}

// The OSPF area of each interface, read from the network statements once per update rather than
// once per route that leaves by it.
class AreaOfInterface {
 public:
  explicit AreaOfInterface(const RouterRecord& r) : r_(r) { areas_.fill(kUnread); }
  Int32 operator()(int index) {
    Int32& area = areas_[static_cast<std::size_t>(index)];
    if (area == kUnread) area = ospf_area_of(r_.protocols, r_.interfaces[index]).value_or(kNoArea);
    return area;
  }

 private:
  static constexpr Int32 kUnread = -2;
  const RouterRecord& r_;
  std::array<Int32, kMaxInterfaces + 1> areas_{};
};

// The base metric of a connected network carried by `protocol`: what its interface costs.
void set_connected_metric(RouteEntry& c, RoutingProtocol protocol, const InterfaceEntry& e,
                          const ProtocolBlock& p, Int32 area) {
  c.bandwidth = interface_bandwidth(e);
  c.delay = interface_delay(e);
  switch (protocol) {
    case RoutingProtocol::Rip:
      c.metric = 0;
      break;
    case RoutingProtocol::Igrp:
      c.metric = igrp_metric(c.bandwidth, c.delay);
      break;
    case RoutingProtocol::Eigrp:
      c.metric = eigrp_metric(c.bandwidth, c.delay);
      break;
    case RoutingProtocol::Ospf:
      c.metric = ospf_interface_cost(e, p.ospf_reference_bandwidth);
      c.area = area;
      break;
  }
}

// What an update says of a route: its network and the figures its metric is made of. The rest of
// the table entry (interface names, ages) stays behind, so that the copies every update makes stay
// small.
RouteEntry advertised(const RouteEntry& route) {
  RouteEntry c;
  c.code = route.code;
  c.distance = route.distance;
  c.network = route.network;
  c.prefix_length = route.prefix_length;
  c.metric = route.metric;
  c.bandwidth = route.bandwidth;
  c.delay = route.delay;
  c.area = route.area;
  c.inter_area = route.inter_area;
  c.external = route.external;
  return c;
}

// Adds `c` to the carried list, or lowers the metric of an entry for the same network. Routes come
// in table order, sorted by network and prefix, and summarising keeps that order: a route after
// the last one carried is new, and only one that is not needs the whole list searched.
void carry(std::vector<RouteEntry>& carried, const RouteEntry& c) {
  const auto key = [](const RouteEntry& e) { return std::pair(e.network, e.prefix_length); };
  if (carried.empty() || key(carried.back()) < key(c)) {
    carried.push_back(c);
    return;
  }
  for (RouteEntry& have : carried) {
    if (key(have) != key(c)) continue;
    if (c.metric < have.metric) have = c;
    return;
  }
  // Out of order: put where it keeps the list sorted, so that the shortcut above stays true.
  carried.insert(
      std::upper_bound(carried.begin(), carried.end(), c,
                       [&](const RouteEntry& a, const RouteEntry& b) { return key(a) < key(b); }),
      c);
}

// The path figures of a received route once the receiving interface is added (IGRP, EIGRP).
struct PathFigures {
  Int32 bandwidth = 0;
  Int32 delay = 0;
};

std::optional<Int32> received_metric(RoutingProtocol protocol, const RouteEntry& in, PathFigures& c,
                                     const InterfaceEntry& e, Int32 reference_mbps) {
  switch (protocol) {
    case RoutingProtocol::Rip:
      if (in.metric + 1 >= kRipInfinity) return std::nullopt;
      return in.metric + 1;
    case RoutingProtocol::Igrp:
    case RoutingProtocol::Eigrp:
      c.bandwidth = std::min(in.bandwidth > 0 ? in.bandwidth : interface_bandwidth(e),
                             interface_bandwidth(e));
      c.delay = in.delay + interface_delay(e);
      return protocol == RoutingProtocol::Igrp ? igrp_metric(c.bandwidth, c.delay)
                                               : eigrp_metric(c.bandwidth, c.delay);
    case RoutingProtocol::Ospf:
      // An external type-2 route keeps the metric it was originated with.
      return is_set(in.external) ? in.metric : in.metric + ospf_interface_cost(e, reference_mbps);
  }
  return std::nullopt;
}

// The messages a real router logs when a neighbour comes or goes.
std::string eigrp_change(const ProtocolBlock& p, const std::string& address,
                         const std::string& interface, std::string_view change) {
  return "%DUAL-5-NBRCHANGE: IP-EIGRP " + std::to_string(p.eigrp_process_numbers[1]) +
         ": Neighbor " + address + " (" + interface + ") is " + std::string(change);
}

std::string ospf_change(const ProtocolBlock& p, const std::string& router_id,
                        const std::string& interface, std::string_view change) {
  return "%OSPF-5-ADJCHG: Process " + std::to_string(p.ospf_process_numbers[1]) + ", Nbr " +
         router_id + " on " + interface + " from " + std::string(change);
}

// A neighbour heard on interface `e`: refreshed, or appended to the EIGRP or OSPF table.
void refresh_neighbor(RouterRecord& r, RoutingProtocol protocol, const InterfaceEntry& e,
                      const PacketRecord& frame, Int32 now, ErrorLog& log) {
  ProtocolBlock& p = r.protocols;
  const bool eigrp = protocol == RoutingProtocol::Eigrp;
  Int16& count = eigrp ? p.eigrp_neighbor_count : p.ospf_neighbor_count;
  const int n = std::clamp<int>(count, 0, kMaxProtocolNeighbors);
  for (int j = 1; j <= n; ++j) {
    if (eigrp && p.eigrp_neighbors[j].address == frame.src_ip) {
      p.eigrp_neighbors[j].last_heard = now;
      return;
    }
    if (!eigrp && p.ospf_neighbors[j].address == frame.src_ip) {
      p.ospf_neighbors[j].last_heard = now;
      p.ospf_neighbors[j].router_id = frame.router_id;
      return;
    }
  }
  const std::uint16_t bit =
      full_table_bit(eigrp ? FullTable::EigrpNeighbors : FullTable::OspfNeighbors);
  if (n >= kMaxProtocolNeighbors) {
    log_full_once(r, bit, eigrp ? "add eigrp neighbors()" : "add ospf neighbors()", log);
    return;
  }
  table_has_room(r, bit);
  count = static_cast<Int16>(n + 1);
  r.routing_bookkeeping.console_messages.push_back(
      eigrp ? eigrp_change(p, frame.src_ip, e.name, "up: new adjacency")
            : ospf_change(p, frame.router_id, e.name, "LOADING to FULL, Loading Done"));
  if (eigrp) {
    EigrpNeighborEntry& x = p.eigrp_neighbors[count];
    x = EigrpNeighborEntry{frame.src_ip, e.name, now, 20, e.subnet_mask, now, e.name};
  } else {
    OspfNeighborEntry& x = p.ospf_neighbors[count];
    // Point-to-point neighbours show priority 0; on a broadcast network the default 1.
    const Int16 priority = e.type == InterfaceType::Ethernet ? 1 : 0;
    x = OspfNeighborEntry{frame.src_ip,    e.name,   now,           now,
                          frame.router_id, priority, e.subnet_mask, e.name};
  }
}

// OSPF advertises a loopback as the host route of its address, whatever its mask (unless `ip ospf
// network point-to-point` makes it advertise its subnet).
void as_host_route(RouteEntry& c, const InterfaceEntry& e) {
  if (const std::optional<Ipv4> a = parse_dotted(e.ip_address)) {
    c.network = *a;
    c.prefix_length = 32;
  }
}

// With `default-information originate`, OSPF advertises the router's own default route (one not
// learned by OSPF) as an external type-2 route of metric 1.
bool originates_default(const RouterRecord& r, const RouteEntry& route) {
  return is_set(r.protocols.ospf_default_originate) && route.network == 0 &&
         route.prefix_length == 0 && route.code != 'O';
}

bool inside_eigrp_summary(const InterfaceEntry& out, const RouteEntry& c) {
  return out.eigrp_summary_length > 0 &&
         summarised_by(c.network, c.prefix_length, out.eigrp_summary_network,
                       out.eigrp_summary_length);
}

// `redistribute static|connected`: the process advertises a static route or a network it does
// not cover. OSPF takes neither the default route (that is `default-information originate`)
// nor, without `subnets`, a network smaller than its class.
bool redistributes(const RouterRecord& r, RoutingProtocol protocol, const RouteEntry& route) {
  const auto it = r.protocols.redistribution.find(traits_of(protocol).code);
  if (it == r.protocols.redistribution.end()) return false;
  const Redistribution& d = it->second;
  if (!(route.code == 'S' ? d.static_routes : route.code == 'C' && d.connected)) return false;
  if (protocol != RoutingProtocol::Ospf) return true;
  if (route.prefix_length == 0) return false;
  return d.subnets || route.prefix_length == classful_length(classful_network(route.network));
}

// A redistributed route as the update carries it: RIP at its `metric` (1 unless given), EIGRP as
// an external route costed by the interface it leaves by, OSPF as external type 2 at 20.
RouteEntry redistributed(const RouterRecord& r, RoutingProtocol protocol, const RouteEntry& route) {
  RouteEntry c = advertised(route);
  switch (protocol) {
    case RoutingProtocol::Rip: {
      const Int32 metric = r.protocols.redistribution.at('R').metric;
      c.metric = (metric > 0 ? metric : 1) - 1;  // each receiver adds its hop
      break;
    }
    case RoutingProtocol::Igrp:  // IGRP takes nothing in: its mode has no `redistribute`
    case RoutingProtocol::Eigrp:
      if (const InterfaceEntry* e = interface_at(r, route.out_index)) {
        c.bandwidth = interface_bandwidth(*e);
        c.delay = interface_delay(*e);
      }
      c.metric = eigrp_metric(c.bandwidth, c.delay);
      c.external = kTrue;
      break;
    case RoutingProtocol::Ospf:
      c.metric = 20;
      c.external = kTrue;
      break;
  }
  return c;
}

RouteEntry external_default() {
  RouteEntry c;
  c.code = 'O';
  c.metric = 1;
  c.external = kTrue;
  return c;
}

template <typename Entry>
bool drop_neighbors_if(std::array<Entry, kMaxProtocolNeighbors + 1>& table, Int16& count,
                       const auto& gone) {
  const int n = std::clamp<int>(count, 0, kMaxProtocolNeighbors);
  int kept = 0;
  for (int j = 1; j <= n; ++j) {
    if (gone(table[j])) continue;
    table[++kept] = table[j];
  }
  for (int j = kept + 1; j <= n; ++j) table[j] = Entry{};
  count = static_cast<Int16>(kept);
  return kept != n;
}

// Split horizon: a network with several equal paths is not sent back out of any interface one of
// its paths leaves by. The paths of one network stand next to each other in the table.
bool leaves_by(const RouterRecord& r, int slot, int index) {
  const RouteEntry& route = r.routes[slot];
  if (route.out_index == index) return true;
  if (route.code == 'O') return false;
  const auto same_network = [&](int k) {
    const RouteEntry& other = r.routes[k];
    return other.network == route.network && other.prefix_length == route.prefix_length;
  };
  const int count = std::clamp<int>(r.route_count, 0, kMaxRoutes);
  for (int k = slot - 1; k >= 1 && same_network(k); --k)
    if (r.routes[k].out_index == index) return true;
  for (int k = slot + 1; k <= count && same_network(k); ++k)
    if (r.routes[k].out_index == index) return true;
  return false;
}

// Link-state flooding hands on every OSPF route a router knows, also one whose network its table
// takes from a protocol of lower distance (an EIGRP route beside OSPF): the OSPF candidates of the
// networks no installed OSPF route carries, except those heard on the interface sent on.
void carry_unused_ospf_candidates(const RouterRecord& r, int index, Int32 out_area,
                                  std::vector<RouteEntry>& carried) {
  // The networks the table takes from OSPF or as connected ones, sorted for lookups.
  std::vector<std::pair<Ipv4, Int16>> by_ospf;
  for (int k = 1; k <= std::clamp<int>(r.route_count, 0, kMaxRoutes); ++k) {
    const RouteEntry& route = r.routes[k];
    if (route.code == 'O' || route.code == 'C')
      by_ospf.emplace_back(route.network, route.prefix_length);
  }
  std::sort(by_ospf.begin(), by_ospf.end());
  for (int k = 1; k <= candidates_in_use(r); ++k) {
    const RouteEntry& candidate = r.learned_routes[k];
    if (candidate.code != 'O' || candidate.out_index == index) continue;
    if (std::binary_search(by_ospf.begin(), by_ospf.end(),
                           std::pair(candidate.network, candidate.prefix_length)))
      continue;
    const InterfaceEntry* e = interface_at(r, candidate.out_index);
    if (e == nullptr || !line_up(*e)) continue;
    RouteEntry c = advertised(candidate);
    if (c.area != out_area && !is_set(c.external)) c.inter_area = kTrue;
    carry(carried, c);
  }
}

}  // namespace

void real_routing::remove_candidate_at(RouterRecord& r, int slot) {
  const int count = candidates_in_use(r);
  for (int k = slot; k < count; ++k) r.learned_routes[k] = std::move(r.learned_routes[k + 1]);
  r.learned_routes[count] = RouteEntry{};
  r.learned_route_count = static_cast<Int16>(count - 1);
}

bool real_covers(const RouterRecord& r, RoutingProtocol protocol, const InterfaceEntry& e) {
  const ProtocolTraits& t = traits_of(protocol);
  if (r.protocols.*t.enabled != kTrue || !line_up(e) || !has_address(e)) return false;
  if (protocol == RoutingProtocol::Ospf) return ospf_area_of(r.protocols, e).has_value();
  return classful_statement_covers(r, t, e);
}

std::string choose_ospf_router_id(const RouterRecord& r) {
  std::optional<Ipv4> loopback, other;
  for (int i = 1; i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const std::optional<Ipv4> a = parse_dotted(e.ip_address);
    if (!a) continue;
    if (e.type == InterfaceType::Loopback) {
      if (!loopback || *a > *loopback) loopback = a;
    } else if (line_up(e) && (!other || *a > *other)) {
      other = a;
    }
  }
  if (loopback) return dotted(*loopback);
  return other ? dotted(*other) : "";
}

std::vector<RouteEntry> real_carried_routes(RouterRecord& r, RoutingProtocol protocol, int index,
                                            ErrorLog& log) {
  const ProtocolTraits& t = traits_of(protocol);
  const InterfaceEntry& out = r.interfaces[index];
  const bool rip = protocol == RoutingProtocol::Rip;
  // RIP (by its version and auto-summary), IGRP always, and EIGRP unless `no auto-summary`.
  const bool eigrp_summarises =
      protocol == RoutingProtocol::Eigrp && !is_set(r.protocols.eigrp_no_auto_summary);
  const bool summarises =
      (rip && rip_summarises(r.protocols)) || protocol == RoutingProtocol::Igrp || eigrp_summarises;
  // EIGRP summarises only the major networks it has interfaces in; others pass on as they came.
  std::set<Ipv4> own_majors;
  for (int i = 1; eigrp_summarises && i <= interfaces_in_use(r); ++i)
    if (is_set(r.interfaces[i].*t.interface_flag))
      own_majors.insert(classful_network(r.interfaces[i].network_value));
  const bool ospf = protocol == RoutingProtocol::Ospf;
  AreaOfInterface area_of(r);
  const Int32 out_area = ospf ? area_of(index) : kNoArea;
  const int count = std::clamp<int>(r.route_count, 0, kMaxRoutes);
  std::vector<RouteEntry> carried;
  carried.reserve(static_cast<std::size_t>(count) + 2);
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& route = r.routes[k];
    RouteEntry c = advertised(route);
    if (route.code == 'C') {
      // Coverage as the sending pass settled it for this update.
      const InterfaceEntry* e = interface_at(r, route.interface_index);
      if (e == nullptr || !line_up(*e) || !has_address(*e)) continue;
      if (e->*t.interface_flag != kTrue) {
        // A network the process does not cover goes out only as a redistributed one.
        if (!redistributes(r, protocol, route)) continue;
        c = redistributed(r, protocol, route);
        carry(carried, c);
        continue;
      }
      // Split horizon: RIP does not tell a network's own routers about it.
      if (rip && route.interface_index == index) continue;
      set_connected_metric(c, protocol, *e, r.protocols,
                           ospf ? area_of(route.interface_index) : kNoArea);
      if (protocol == RoutingProtocol::Ospf && e->type == InterfaceType::Loopback &&
          !is_set(e->ospf_point_to_point))
        as_host_route(c, *e);
    } else if (protocol == RoutingProtocol::Ospf && originates_default(r, route)) {
      c = external_default();
    } else if (route.code == 'S' && redistributes(r, protocol, route)) {
      c = redistributed(r, protocol, route);
    } else if (route.code != t.code || leaves_by(r, k, index) || is_summary_route(route)) {
      continue;  // another protocol's route, split horizon, or a summary its subnets make again
    }
    if (protocol == RoutingProtocol::Ospf && c.area != out_area && !is_set(c.external))
      c.inter_area = kTrue;
    if (rip && !rip_v1_carries(r.protocols, out, c)) continue;
    // `ip summary-address eigrp` on the interface sends one route for all the routes inside it.
    if (protocol == RoutingProtocol::Eigrp && inside_eigrp_summary(out, c)) {
      c.network = out.eigrp_summary_network;
      c.prefix_length = out.eigrp_summary_length;
      carry(carried, c);
      continue;
    }
    const Ipv4 major = classful_network(c.network);
    if (summarises && c.prefix_length > 0 && major != classful_network(out.network_value) &&
        (!eigrp_summarises || own_majors.contains(major))) {
      c.network = classful_network(c.network);
      c.prefix_length = static_cast<Int16>(classful_length(c.network));
    }
    carry(carried, c);
  }
  if (ospf) carry_unused_ospf_candidates(r, index, out_area, carried);
  if (rip) finish_rip_update(r.protocols, out, carried);
  if (protocol == RoutingProtocol::Rip) {
    for (const auto& [network, prefix] : r.routing_bookkeeping.rip_poisoned) {
      RouteEntry poisoned;
      poisoned.network = network;
      poisoned.prefix_length = prefix;
      poisoned.metric = kRipInfinity;
      carried.push_back(poisoned);
    }
  }
  if (carried.size() > static_cast<std::size_t>(kMaxPacketRoutes)) {
    carried.resize(kMaxPacketRoutes);
    log_full_once(r, full_table_bit(FullTable::CarriedRoutes, static_cast<int>(protocol)),
                  t.send_log_name, log);
  }
  return carried;
}

void real_take_update(RouterRecord& r, RoutingProtocol protocol, int index,
                      const PacketRecord& frame, Int32 now, ErrorLog& log) {
  const ProtocolTraits& t = traits_of(protocol);
  const InterfaceEntry* e = interface_at(r, index);
  if (e == nullptr) return;
  // OSPF covers an interface through its area; the area is read once for the whole update.
  const Int32 area_here =
      protocol == RoutingProtocol::Ospf ? ospf_area_of(r.protocols, *e).value_or(kNoArea) : kNoArea;
  const bool covered = protocol == RoutingProtocol::Ospf
                           ? r.protocols.ospf_enabled == kTrue && line_up(*e) && has_address(*e) &&
                                 area_here != kNoArea
                           : real_covers(r, protocol, *e);
  if (!covered) return;
  if (own_as(r.protocols, protocol) != frame.as_number) return;
  if (protocol == RoutingProtocol::Rip && !rip_takes_version(r.protocols, frame.rip_version)) {
    if (debugging_rip(r)) log_rip_ignored(r, frame);
    return;
  }
  // OSPF and EIGRP form no neighbour on a passive interface.
  const bool passive = (e->passive_protocols & (1 << static_cast<int>(protocol))) != 0;
  if (passive && (protocol == RoutingProtocol::Eigrp || protocol == RoutingProtocol::Ospf)) return;
  if (protocol == RoutingProtocol::Ospf) {
    if (area_here != frame.sender_area) return;
    if (frame.router_id.empty() || frame.router_id == r.protocols.ospf_active_router_id) return;
    // Hellos with other timers or another authentication make no neighbour.
    if (frame.ospf_terms != ospf_hello_terms(r.protocols, *e)) return;
  }
  const std::optional<Ipv4> source = parse_dotted(frame.src_ip);
  if (!source) return;
  if (protocol == RoutingProtocol::Rip && debugging_rip(r)) log_rip_received(r, *e, frame);
  if (protocol == RoutingProtocol::Eigrp || protocol == RoutingProtocol::Ospf)
    refresh_neighbor(r, protocol, *e, frame, now, log);

  // Everything this neighbour said before on this interface is stale until the update repeats it.
  // Its candidates are the only ones an update can refresh.
  std::vector<bool> stale(static_cast<std::size_t>(kMaxRoutes) + 1, false);
  using Key = std::pair<Ipv4, Int16>;
  std::vector<std::pair<Key, int>> mine;  // sorted by network and prefix, to be looked up
  for (int k = 1; k <= candidates_in_use(r); ++k) {
    const RouteEntry& c = r.learned_routes[k];
    stale[k] = c.code == t.code && c.out_index == index && c.next_hop == *source;
    if (stale[k]) mine.emplace_back(Key{c.network, c.prefix_length}, k);
  }
  std::sort(mine.begin(), mine.end());
  bool changed = false;
  const Int32 area = area_here;
  for (const RouteEntry& carried : frame.routes) {
    PathFigures path;
    const std::optional<Int32> metric =
        received_metric(protocol, carried, path, *e, r.protocols.ospf_reference_bandwidth);
    if (!metric) continue;
    const Flag inter = protocol == RoutingProtocol::Ospf && !is_set(carried.external) &&
                               (is_set(carried.inter_area) || carried.area != area)
                           ? kTrue
                           : kFalse;
    const Key key{carried.network, carried.prefix_length};
    const auto found = std::lower_bound(mine.begin(), mine.end(), std::pair(key, 0));
    int slot = found != mine.end() && found->first == key ? found->second : 0;
    if (slot == 0) {
      const int count = candidates_in_use(r);
      const std::uint16_t bit = full_table_bit(FullTable::LearnedRoutes);
      if (count >= kMaxRoutes) {
        log_full_once(r, bit, kUpdateRoutesName, log);
        continue;
      }
      table_has_room(r, bit);
      slot = count + 1;
      r.learned_route_count = static_cast<Int16>(slot);
      RouteEntry& n = r.learned_routes[slot];
      n = RouteEntry{};
      n.distance = t.distance;
      n.code = t.code;
      n.network = carried.network;
      n.prefix_length = carried.prefix_length;
      n.interface_index = n.out_index = static_cast<Int16>(index);
      n.interface_name = e->name;
      n.interface_address = frame.src_ip;
      n.next_hop = *source;
      n.learned_at = now;
      n.metric = -1;  // set below
      changed = true;
    }
    stale[slot] = false;
    RouteEntry& c = r.learned_routes[slot];
    if (c.metric != *metric || c.inter_area != inter) changed = true;
    c.metric = *metric;
    c.reported_metric = carried.metric;
    c.bandwidth = path.bandwidth;
    c.delay = path.delay;
    c.area = area;
    c.inter_area = inter;
    c.external = protocol == RoutingProtocol::Ospf || protocol == RoutingProtocol::Eigrp
                     ? carried.external
                     : kFalse;
    // EIGRP's external routes stand at distance 170, its internal ones at 90.
    c.distance = protocol == RoutingProtocol::Eigrp && is_set(carried.external)
                     ? kEigrpExternalDistance
                     : t.distance;
    c.refreshed_at = now;
  }
  for (int k = candidates_in_use(r); k >= 1; --k) {
    if (!stale[k]) continue;
    remove_candidate_at(r, k);
    changed = true;
  }
  if (changed) {
    note_candidates_changed(r);
  } else {
    ++r.routing_bookkeeping.ages_version;
  }
  Calculate_Routing_Table(r, Behaviour::RealRouter);
}

bool drop_unusable_routes(RouterRecord& r, Int32 now) {
  bool dropped = false;
  for (int k = candidates_in_use(r); k >= 1; --k) {
    const RouteEntry& c = r.learned_routes[k];
    if (c.code == 'S' || is_summary_route(c)) continue;  // summaries: refresh_eigrp_summaries
    const InterfaceEntry* e = interface_at(r, c.interface_index);
    bool gone = e == nullptr || !line_up(*e);
    if (!gone && c.code == 'C')
      gone =
          !has_address(*e) || e->network_value != c.network || e->prefix_length != c.prefix_length;
    if (!gone && c.code != 'C') {
      const std::optional<RoutingProtocol> p = protocol_of_code(c.code);
      gone = !p || r.protocols.*traits_of(*p).enabled != kTrue ||
             static_cast<std::int64_t>(now) - c.refreshed_at > silence_limit(c.code, *e);
    }
    if (!gone) continue;
    // RIP tells its neighbours of a lost route once, at metric 16.
    auto& poisoned = r.routing_bookkeeping.rip_poisoned;
    if ((c.code == 'R' || c.code == 'C') && is_set(r.protocols.rip_enabled) &&
        poisoned.size() < static_cast<std::size_t>(kMaxPacketRoutes))
      poisoned.emplace_back(c.network, c.prefix_length);
    remove_candidate_at(r, k);
    dropped = true;
  }
  // Neighbours leave with their line, or when silent past the hold (EIGRP) or dead (OSPF) time.
  const auto interface_named = [&r](const std::string& name) -> const InterfaceEntry* {
    for (int i = 1; i <= interfaces_in_use(r); ++i)
      if (r.interfaces[i].name == name) return &r.interfaces[i];
    return nullptr;
  };
  const auto interface_down = [&](const std::string& name) {
    const InterfaceEntry* e = interface_named(name);
    return e == nullptr || !line_up(*e);
  };
  ProtocolBlock& p = r.protocols;
  std::vector<std::string>& messages = r.routing_bookkeeping.console_messages;
  dropped |= drop_neighbors_if(
      p.eigrp_neighbors, p.eigrp_neighbor_count, [&](const EigrpNeighborEntry& n) {
        const bool down = interface_down(n.local_interface);
        const bool silent = static_cast<std::int64_t>(now) - n.last_heard > 15;
        if (down || silent)
          messages.push_back(
              eigrp_change(p, n.address, n.local_interface,
                           down ? "down: interface down" : "down: holding time expired"));
        return down || silent;
      });
  dropped |=
      drop_neighbors_if(p.ospf_neighbors, p.ospf_neighbor_count, [&](const OspfNeighborEntry& n) {
        const InterfaceEntry* e = interface_named(n.local_interface);
        const bool down = e == nullptr || !line_up(*e);
        const bool silent =
            !down && static_cast<std::int64_t>(now) - n.last_heard > ospf_dead_interval(*e);
        if (down || silent)
          messages.push_back(ospf_change(p, n.router_id, n.local_interface,
                                         down ? "FULL to DOWN, Neighbor Down: Interface down or "
                                                "detached"
                                              : "FULL to DOWN, Neighbor Down: Dead timer expired"));
        return down || silent;
      });
  if (dropped) note_candidates_changed(r);
  return dropped;
}

void reset_ospf_process(RouterRecord& r) {
  ProtocolBlock& p = r.protocols;
  p.ospf_active_router_id.clear();
  drop_neighbors_if(p.ospf_neighbors, p.ospf_neighbor_count, [&](const OspfNeighborEntry& n) {
    r.routing_bookkeeping.console_messages.push_back(
        ospf_change(p, n.router_id, n.local_interface,
                    "FULL to DOWN, Neighbor Down: Interface down or detached"));
    return true;
  });
  for (int k = candidates_in_use(r); k >= 1; --k)
    if (r.learned_routes[k].code == 'O') remove_candidate_at(r, k);
  note_candidates_changed(r);
  Calculate_Routing_Table(r, Behaviour::RealRouter);
}

}  // namespace zorva
