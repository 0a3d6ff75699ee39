// The real-router OSPF link-state database of one router, as `show ip ospf database` prints it.
// The engine exchanges routes rather than advertisements, so the database is read off the
// routers the asking router can reach through full adjacencies: in each of its areas, a router
// link advertisement per router of the area, a network link advertisement per Ethernet segment
// from its designated router, the summaries its area border routers send in, and an external
// advertisement per router that originates a default route. An advertisement's age and sequence
// number count from when its router last originated it: anew whenever what it says changes, and
// every 30 minutes.
#include <algorithm>
#include <optional>
#include <set>
#include <span>
#include <vector>

#include "network/network.h"
#include "network/real_routing_basics.h"
#include "reports/ospf_database_report.h"
#include "reports/ospf_reports.h"
#include "router/output.h"
#include "state/ipv4.h"
#include "state/ospf_segment.h"
#include "state/route_metrics.h"

namespace zorva {

using namespace real_routing;

namespace {

constexpr Int32 kRefreshSeconds = 1800;  // a router refreshes its advertisements every 30 minutes

bool ospf_running(const RouterRecord& r) {
  return is_set(r.protocols.ospf_enabled) && !r.protocols.ospf_active_router_id.empty();
}

// The area of an interface that takes part in OSPF: up, addressed and covered by a network
// statement.
std::optional<Int32> ospf_area(const RouterRecord& r, const InterfaceEntry& e) {
  if (!line_up(e) || !has_address(e)) return std::nullopt;
  return ospf_area_of(r.protocols, e);
}

const InterfaceEntry* interface_named(const RouterRecord& r, const std::string& name) {
  for (int i = 1; i <= interfaces_in_use(r); ++i)
    if (r.interfaces[i].name == name) return &r.interfaces[i];
  return nullptr;
}

// The neighbours r has on interfaces of `area` (any area when none is given).
std::vector<const OspfNeighborEntry*> neighbors_in(const RouterRecord& r,
                                                   std::optional<Int32> area) {
  std::vector<const OspfNeighborEntry*> found;
  const int n = std::clamp<int>(r.protocols.ospf_neighbor_count, 0, kMaxProtocolNeighbors);
  for (int j = 1; j <= n; ++j) {
    const OspfNeighborEntry& nb = r.protocols.ospf_neighbors[j];
    const InterfaceEntry* e = interface_named(r, nb.local_interface);
    if (e == nullptr) continue;
    const std::optional<Int32> a = ospf_area(r, *e);
    if (a && (!area || *a == *area)) found.push_back(&nb);
  }
  return found;
}

std::set<Int32> areas_of(const RouterRecord& r) {
  std::set<Int32> areas;
  for (int i = 1; i <= interfaces_in_use(r); ++i)
    if (const std::optional<Int32> a = ospf_area(r, r.interfaces[i])) areas.insert(*a);
  return areas;
}

// A router's links in one area: a stub network for each of its interfaces there, and a
// point-to-point link as well for each serial line with a neighbour on it.
int link_count(const RouterRecord& r, Int32 area) {
  int links = 0;
  for (int i = 1; i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (ospf_area(r, e) != area) continue;
    ++links;
    if (e.type == InterfaceType::Serial)
      for (const OspfNeighborEntry* nb : neighbors_in(r, area))
        if (nb->local_interface == e.name) ++links;
  }
  return links;
}

// The network an OSPF interface advertises: a loopback its host address.
std::pair<Ipv4, Int16> advertised_network(const InterfaceEntry& e) {
  if (e.type == InterfaceType::Loopback && !is_set(e.ospf_point_to_point))
    return {parse_dotted(e.ip_address).value_or(0), 32};
  return {e.network_value, e.prefix_length};
}

// What a router's advertisements say, as a number: its router ID, each interface OSPF covers
// (as its last sending pass settled it) with its address, and its neighbours. Read on every
// routing tick, so it parses nothing.
std::uint64_t origin_digest(const RouterRecord& r) {
  std::uint64_t h = 1469598103934665603ull;
  const auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  const auto mix_text = [&mix](const std::string& text) {
    for (char c : text) mix(static_cast<unsigned char>(c));
    mix(0);
  };
  mix_text(r.protocols.ospf_active_router_id);
  for (int i = 1; i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!is_set(e.ospf_state) || !line_up(e)) continue;
    mix(static_cast<std::uint64_t>(i));
    mix(e.network_value);
    mix(static_cast<std::uint64_t>(e.prefix_length));
  }
  const int n = std::clamp<int>(r.protocols.ospf_neighbor_count, 0, kMaxProtocolNeighbors);
  for (int j = 1; j <= n; ++j) {
    mix_text(r.protocols.ospf_neighbors[j].router_id);
    mix_text(r.protocols.ospf_neighbors[j].local_interface);
  }
  return h;
}

}  // namespace

Router* Network::router_with_address(const std::string& address) const {
  for (int n = 1; n <= router_count_; ++n) {
    Router* r = router(n);
    if (r == nullptr) continue;
    for (int i = 1; i <= interfaces_in_use(r->record); ++i)
      if (r->record.interfaces[i].ip_address == address) return r;
  }
  return nullptr;
}

void Network::note_ospf_origin(const Router& r) {
  if (!ospf_running(r.record)) return;
  if (ospf_origins_.size() <= static_cast<std::size_t>(r.number))
    ospf_origins_.resize(static_cast<std::size_t>(r.number) + 1);
  OspfOrigin& o = ospf_origins_[static_cast<std::size_t>(r.number)];
  const std::uint64_t digest = origin_digest(r.record);
  if (o.originated > 0 && digest == o.digest) return;
  o = {digest, sim_clock_, o.originated + 1};
}

// An advertisement of router x: its age and sequence number count from its last origination and
// go on every 30 minutes, when a real router refreshes it.
LinkStateLine Network::origin_line(const Router& x, const std::string& link_id) const {
  const std::size_t n = static_cast<std::size_t>(x.number);
  const OspfOrigin o = n < ospf_origins_.size() ? ospf_origins_[n] : OspfOrigin{};
  const Int32 lived = std::max<Int32>(0, sim_clock_ - o.changed_at);
  return {link_id, x.record.protocols.ospf_active_router_id, lived % kRefreshSeconds,
          std::max<Int32>(0, o.originated - 1) + lived / kRefreshSeconds, 0};
}

// The routers r reaches through full adjacencies in `area` (every area when none is given), r
// first.
std::vector<const Router*> Network::ospf_routers_from(const Router& r,
                                                      std::optional<Int32> area) const {
  std::vector<const Router*> found = {&r};
  for (std::size_t k = 0; k < found.size(); ++k) {
    for (const OspfNeighborEntry* nb : neighbors_in(found[k]->record, area)) {
      const Router* other = router_with_address(nb->address);
      if (other == nullptr || !ospf_running(other->record)) continue;
      if (std::find(found.begin(), found.end(), other) == found.end()) found.push_back(other);
    }
  }
  return found;
}

OspfDatabaseView Network::ospf_database_of(const Router& r) const {
  OspfDatabaseView view;
  if (!ospf_running(r.record)) return view;
  view.router_id = r.record.protocols.ospf_active_router_id;
  view.process = r.record.protocols.ospf_process_numbers[1];
  for (const Int32 area : areas_of(r.record)) {
    AreaLinkStates states;
    states.area = area;
    for (const Router* x : ospf_routers_from(r, area)) {
      LinkStateLine router_links = origin_line(*x, x->record.protocols.ospf_active_router_id);
      router_links.link_count = link_count(x->record, area);
      states.routers.push_back(router_links);
      append_network_links(*x, area, states.networks);
      append_summaries(*x, area, states.summaries);
    }
    view.areas.push_back(std::move(states));
  }
  for (const Router* x : ospf_routers_from(r, std::nullopt)) {
    const RouterRecord& xr = x->record;
    if (!is_set(xr.protocols.ospf_default_originate)) continue;
    const auto routes = std::span(xr.routes).subspan(
        1, static_cast<std::size_t>(std::clamp<int>(xr.route_count, 0, kMaxRoutes)));
    if (std::none_of(routes.begin(), routes.end(), [](const RouteEntry& route) {
          return route.network == 0 && route.prefix_length == 0 && route.code != 'O';
        }))
      continue;
    LinkStateLine external = origin_line(*x, "0.0.0.0");
    external.link_count = xr.protocols.ospf_process_numbers[1];
    view.externals.push_back(external);
  }
  return view;
}

// The network links of the Ethernet segments in `area` where x is the designated router and has
// a neighbour.
void Network::append_network_links(const Router& x, Int32 area,
                                   std::vector<LinkStateLine>& out) const {
  const RouterRecord& xr = x.record;
  for (int i = 1; i <= interfaces_in_use(xr); ++i) {
    const InterfaceEntry& e = xr.interfaces[i];
    if (e.type != InterfaceType::Ethernet || ospf_area(xr, e) != area) continue;
    const std::vector<SegmentMember> members = ospf_segment_members(xr, e);
    if (members.size() > 1 && members[0].id_text == xr.protocols.ospf_active_router_id)
      out.push_back(origin_line(x, e.ip_address));
  }
}

// What x, when it is an area border router (in the backbone and in another area), sends into
// `area`: a summary of each network it reaches in its other areas. Into the backbone it sends
// only the networks of its own other areas; into another area also what the backbone brought.
void Network::append_summaries(const Router& x, Int32 area, std::vector<LinkStateLine>& out) const {
  const RouterRecord& xr = x.record;
  const std::set<Int32> areas = areas_of(xr);
  if (areas.size() < 2 || !areas.contains(0)) return;
  std::set<std::pair<Ipv4, Int16>> networks;
  for (int i = 1; i <= interfaces_in_use(xr); ++i) {
    const std::optional<Int32> a = ospf_area(xr, xr.interfaces[i]);
    if (a && *a != area) networks.insert(advertised_network(xr.interfaces[i]));
  }
  for (int k = 1; k <= std::clamp<int>(xr.route_count, 0, kMaxRoutes); ++k) {
    const RouteEntry& route = xr.routes[static_cast<std::size_t>(k)];
    if (route.code != 'O' || is_set(route.external) || route.area == area) continue;
    if (area == 0 && is_set(route.inter_area)) continue;
    networks.insert({route.network, route.prefix_length});
  }
  for (const auto& [network, length] : networks) out.push_back(origin_line(x, dotted(network)));
}

std::string Network::ospf_database_text(const Router& r) const {
  return build_real_show_ospf_database(ospf_database_of(r));
}

std::string Network::ospf_process_text(const Router& r) const {
  return build_real_show_ip_ospf(r.record, ospf_database_of(r).externals);
}

}  // namespace zorva
