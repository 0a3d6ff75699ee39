// The routing table as `show ip route` prints it.
#pragma once

#include <string>

#include "base/types.h"

namespace zorva {

struct RouterRecord;

// The code legend, the gateway-of-last-resort line and one line per route in table order. The
// EIGRP metric shown moves with `sim_clock` (the simulation's seconds clock) and the route's
// position, so it changes every second.
std::string build_routing_table(const RouterRecord& r, Int32 sim_clock);

// The same table as a real router prints it (reports/real_routing_table.cpp): routes grouped under
// their classful networks, every equal-cost path, real metrics, next hops and ages at `sim_clock`.
std::string build_real_routing_table(const RouterRecord& r, Int32 sim_clock);

}  // namespace zorva
