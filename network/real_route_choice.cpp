// The real-router choice of the routing table: for each network the usable candidates of the
// lowest distance, then of the lowest metric, at most four; a static route by its exit interface
// or by the route holding its next hop. A change of the table asks for a triggered update.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "network/real_routing.h"
#include "network/real_routing_basics.h"
#include "state/ipv4.h"
#include "state/route_metrics.h"
#include "state/summary_route.h"

namespace zorva {

using namespace real_routing;

namespace {

// The installed route (not static) with the longest prefix holding `address`, or nothing.
const RouteEntry* resolving_candidate(const RouterRecord& r, Ipv4 address,
                                      const std::vector<bool>& usable) {
  const RouteEntry* best = nullptr;
  for (int k = 1; k <= candidates_in_use(r); ++k) {
    const RouteEntry& c = r.learned_routes[k];
    if (!usable[k] || c.code == 'S') continue;
    if ((address & mask_for_length(c.prefix_length)) != c.network) continue;
    if (best == nullptr || c.prefix_length > best->prefix_length) best = &c;
  }
  return best;
}

std::uint64_t digest_of(const RouterRecord& r) {
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  for (int k = 1; k <= r.route_count; ++k) {
    const RouteEntry& e = r.routes[k];
    mix(e.network);
    mix(static_cast<std::uint64_t>(e.prefix_length));
    mix(static_cast<std::uint64_t>(e.metric));
    mix(static_cast<std::uint64_t>(e.code));
    mix(e.next_hop);
    mix(static_cast<std::uint64_t>(e.out_index));
  }
  return h;
}

}  // namespace

void choose_real_routes(RouterRecord& r) {
  const int count = candidates_in_use(r);
  std::vector<bool> usable(static_cast<std::size_t>(count) + 1, false);
  std::vector<Int16> out(static_cast<std::size_t>(count) + 1, 0);
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& c = r.learned_routes[k];
    if (c.code == 'S') continue;
    const InterfaceEntry* e = interface_at(r, c.out_index);
    usable[k] = is_summary_route(c) || (e != nullptr && line_up(*e));
    out[k] = c.out_index;
  }
  // A static route leaves by its exit interface while that is up, or by the route that holds its
  // next hop; without one it stays out of the table.
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& c = r.learned_routes[k];
    if (c.code != 'S') continue;
    if (!c.interface_name.empty()) {
      const InterfaceEntry* e = interface_at(r, c.out_index);
      usable[k] = e != nullptr && line_up(*e);
      out[k] = c.out_index;
    } else if (const RouteEntry* via = resolving_candidate(r, c.next_hop, usable)) {
      usable[k] = true;
      out[k] = via->out_index;
    }
  }
  std::vector<int> order;
  for (int k = 1; k <= count; ++k)
    if (usable[k]) order.push_back(k);
  std::stable_sort(order.begin(), order.end(), [&r](int a, int b) {
    const RouteEntry& x = r.learned_routes[a];
    const RouteEntry& y = r.learned_routes[b];
    if (x.network != y.network) return x.network < y.network;
    return x.prefix_length < y.prefix_length;
  });
  r.route_count = 0;
  for (std::size_t g = 0; g < order.size();) {
    std::size_t end = g;
    const RouteEntry& first = r.learned_routes[order[g]];
    while (end < order.size() && r.learned_routes[order[end]].network == first.network &&
           r.learned_routes[order[end]].prefix_length == first.prefix_length)
      ++end;
    Int16 best_distance = r.learned_routes[order[g]].distance;
    for (std::size_t k = g; k < end; ++k)
      best_distance = std::min(best_distance, r.learned_routes[order[k]].distance);
    Int32 best_metric = 0;
    bool any = false;
    for (std::size_t k = g; k < end; ++k) {
      const RouteEntry& c = r.learned_routes[order[k]];
      if (c.distance != best_distance) continue;
      if (!any || c.metric < best_metric) best_metric = c.metric;
      any = true;
    }
    int paths = 0;
    int most = kDefaultEqualPaths;
    for (std::size_t k = g; k < end && paths < most; ++k) {
      const int slot = order[k];
      const RouteEntry& c = r.learned_routes[slot];
      if (c.distance != best_distance || c.metric != best_metric) continue;
      most = equal_paths_kept(r.protocols, c.code);
      ++paths;
      r.route_count = static_cast<Int16>(r.route_count + 1);
      RouteEntry& installed = r.routes[r.route_count];
      installed = c;
      installed.out_index = out[slot];
      if (c.code == 'S') installed.interface_index = out[slot];
      r.routing_bookkeeping.installed_from[r.route_count] = static_cast<Int16>(slot);
    }
    g = end;
  }
  RoutingBookkeeping& b = r.routing_bookkeeping;
  const std::uint64_t digest = digest_of(r);
  if (digest != b.table_digest) b.triggered = true;
  b.table_digest = digest;
}

}  // namespace zorva
