#include "lab/settle.h"

#include <algorithm>
#include <cmath>

namespace zorva {

namespace {

// One second: the smallest step at which the routers' timers change anything.
constexpr SimMillis kStep = 1000;
// The CDP timer ticks every five seconds and first advertises after period / 12 ticks.
constexpr SimMillis kCdpTick = 5000;

void add(std::string& out, const std::string& text) {
  out += text;
  out += '\x1f';
}

// Everything the routers learn and checks look at, as one text to compare from step to step.
std::string learned_state(Simulation& sim) {
  std::string s;
  for (int n = 1; n <= sim.router_count; ++n) {
    const RouterRecord& r = sim.router(n)->record;
    add(s, std::to_string(n));
    for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i) {
      add(s, std::string(text_of(r.interfaces[i].status)));
      add(s, std::string(text_of(r.interfaces[i].line_protocol)));
    }
    for (int k = 1; k <= std::min<int>(r.route_count, kMaxRoutes); ++k) {
      const RouteEntry& e = r.routes[k];
      add(s, std::string(1, e.code) + std::to_string(e.network) + "/" +
                 std::to_string(e.prefix_length) + " " + std::to_string(e.metric) + " " +
                 e.interface_address);
    }
    const ProtocolBlock& p = r.protocols;
    for (int k = 1; k <= std::min<int>(p.ospf_neighbor_count, kMaxProtocolNeighbors); ++k)
      add(s, p.ospf_neighbors[k].address);
    for (int k = 1; k <= std::min<int>(p.eigrp_neighbor_count, kMaxProtocolNeighbors); ++k)
      add(s, p.eigrp_neighbors[k].address);
    for (int k = 1; k <= std::min<int>(r.cdp_neighbor_count, kMaxCdpNeighbors); ++k)
      add(s, r.cdp_neighbors[k].info.device_id);
  }
  return s;
}

// The time until every router that runs CDP has advertised once: before it, a neighbour table
// that is still empty only looks settled.
SimMillis first_cdp_round(Simulation& sim) {
  SimMillis longest = 0;
  for (int n = 1; n <= sim.router_count; ++n) {
    const RouterRecord& r = sim.router(n)->record;
    if (!is_set(r.cdp_run)) continue;
    const double ticks = std::max(1.0, std::ceil(static_cast<double>(r.cdp_timer) / 12.0));
    longest = std::max(longest, static_cast<SimMillis>(ticks) * kCdpTick);
  }
  return longest;
}

}  // namespace

SimMillis settle_network(Simulation& sim) {
  const SimMillis at_least = std::min(first_cdp_round(sim), kSettleLimit);
  std::string last = learned_state(sim);
  SimMillis ran = 0, quiet = 0;
  while (ran < kSettleLimit && (quiet < kSettleQuiet || ran < at_least)) {
    sim.scheduler.advance(kStep);
    ran += kStep;
    std::string now = learned_state(sim);
    quiet = now == last ? quiet + kStep : 0;
    last = std::move(now);
  }
  return ran;
}

}  // namespace zorva
