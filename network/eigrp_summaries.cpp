// EIGRP's summaries in the real-router behaviour, each kept in the table towards Null0: the
// automatic ones (the classful network a router advertises for its subnets across a
// major-network boundary) and those an interface's `ip summary-address eigrp` asks for.
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "network/real_routing.h"
#include "network/real_routing_basics.h"
#include "network/routing_table.h"
#include "state/ipv4.h"
#include "state/route_metrics.h"
#include "state/summary_route.h"

namespace zorva {

using namespace real_routing;

namespace {

using Prefix = std::pair<Ipv4, Int16>;

// The manual summaries of the covered interfaces, each at the best metric of the EIGRP routes and
// covered networks inside it; one with nothing inside is not made.
std::map<Prefix, RouteEntry> manual_summaries(const RouterRecord& r) {
  std::map<Prefix, RouteEntry> found;
  std::set<Prefix> wanted;
  for (int i = 1; i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.eigrp_summary_length > 0 && real_covers(r, RoutingProtocol::Eigrp, e))
      wanted.insert({e.eigrp_summary_network, e.eigrp_summary_length});
  }
  const auto offer = [&](const RouteEntry& inside, Ipv4 network, Int16 length) {
    for (const Prefix& summary : wanted) {
      if (!summarised_by(network, length, summary.first, summary.second)) continue;
      auto [at, fresh] = found.try_emplace(summary, inside);
      if (!fresh && inside.metric < at->second.metric) at->second = inside;
    }
  };
  for (int i = 1; !wanted.empty() && i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!real_covers(r, RoutingProtocol::Eigrp, e)) continue;
    RouteEntry subnet;
    subnet.bandwidth = interface_bandwidth(e);
    subnet.delay = interface_delay(e);
    subnet.metric = eigrp_metric(subnet.bandwidth, subnet.delay);
    offer(subnet, e.network_value, e.prefix_length);
  }
  for (int k = 1; !wanted.empty() && k <= candidates_in_use(r); ++k) {
    const RouteEntry& c = r.learned_routes[k];
    if (c.code == 'D' && !is_summary_route(c)) offer(c, c.network, c.prefix_length);
  }
  return found;
}

}  // namespace

void refresh_eigrp_summaries(RouterRecord& r, Int32 now) {
  const ProtocolBlock& p = r.protocols;
  // Each major network with a subnet EIGRP carries, at the best metric of those subnets, and the
  // major networks of the covered interfaces.
  std::map<Ipv4, RouteEntry> automatic;  // the best subnet of each major network
  std::set<Ipv4> covered_majors;
  const auto offer = [&automatic](Ipv4 major, const RouteEntry& subnet) {
    auto [at, fresh] = automatic.try_emplace(major, subnet);
    if (!fresh && subnet.metric < at->second.metric) at->second = subnet;
  };
  const bool summarising = is_set(p.eigrp_enabled) && !is_set(p.eigrp_no_auto_summary);
  for (int i = 1; summarising && i <= interfaces_in_use(r); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!real_covers(r, RoutingProtocol::Eigrp, e)) continue;
    const Ipv4 major = classful_network(e.network_value);
    covered_majors.insert(major);
    if (e.prefix_length <= classful_length(major)) continue;
    RouteEntry subnet;
    subnet.bandwidth = interface_bandwidth(e);
    subnet.delay = interface_delay(e);
    subnet.metric = eigrp_metric(subnet.bandwidth, subnet.delay);
    offer(major, subnet);
  }
  for (int k = 1; summarising && k <= candidates_in_use(r); ++k) {
    const RouteEntry& c = r.learned_routes[k];
    const Ipv4 major = classful_network(c.network);
    if (c.code != 'D' || is_summary_route(c) || c.prefix_length <= classful_length(major) ||
        !covered_majors.contains(major))
      continue;
    offer(major, c);
  }
  // A summary is made only where a covered interface lies outside its major network.
  std::erase_if(automatic, [&](const auto& item) {
    return std::none_of(covered_majors.begin(), covered_majors.end(),
                        [&](Ipv4 major) { return major != item.first; });
  });
  std::map<Prefix, RouteEntry> components = manual_summaries(r);
  for (const auto& [major, best] : automatic)
    components.try_emplace({major, static_cast<Int16>(classful_length(major))}, best);
  bool changed = false;
  for (int k = candidates_in_use(r); k >= 1; --k) {
    const RouteEntry& c = r.learned_routes[k];
    if (!is_summary_route(c)) continue;
    const auto wanted = components.find({c.network, c.prefix_length});
    if (wanted != components.end() && wanted->second.metric == c.metric) {
      components.erase(wanted);  // already in place, its age running on
      continue;
    }
    remove_candidate_at(r, k);
    changed = true;
  }
  for (const auto& [summary, best] : components) {
    const int count = candidates_in_use(r);
    if (count >= kMaxRoutes) break;
    RouteEntry& n = r.learned_routes[count + 1];
    n = RouteEntry{};
    n.code = 'D';
    n.distance = kSummaryDistance;
    n.network = summary.first;
    n.prefix_length = summary.second;
    n.metric = best.metric;
    n.bandwidth = best.bandwidth;
    n.delay = best.delay;
    n.interface_name = std::string(kNullInterface);
    n.learned_at = n.refreshed_at = now;
    r.learned_route_count = static_cast<Int16>(count + 1);
    changed = true;
  }
  if (changed) note_candidates_changed(r);
}

}  // namespace zorva
