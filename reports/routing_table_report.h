// The routing table as `show ip route` prints it.
#pragma once

#include <optional>
#include <string>

#include "base/types.h"

namespace zorva {

struct RouterRecord;
struct RouteEntry;

// The code legend, the gateway-of-last-resort line and one line per route in table order. The
// EIGRP metric shown moves with `sim_clock` (the simulation's seconds clock) and the route's
// position, so it changes every second.
std::string build_routing_table(const RouterRecord& r, Int32 sim_clock);

// The same table as a real router prints it (reports/real_routing_table.cpp): routes grouped under
// their classful networks, every equal-cost path, real metrics, next hops and ages at `sim_clock`.
std::string build_real_routing_table(const RouterRecord& r, Int32 sim_clock);

// Real-router `show ip route A.B.C.D [MASK]` (reports/real_route_entry.cpp): the entry of the
// network that holds the address (the longest prefix; with a mask, exactly that network), how it
// was learned and each path, or "% Network not in table".
std::string build_real_route_entry(const RouterRecord& r, Ipv4 address, std::optional<Ipv4> mask,
                                   Int32 sim_clock);

// Shared by the two real-router route reports: a route's age as real routers print it (hh:mm:ss
// below a day, then days and hours, then weeks), and the name of the interface it leaves by.
std::string route_age_text(long long seconds);
// Seconds since a route was heard of: distance-vector routes age from their last update,
// link-state and EIGRP routes from when they were learned.
long long route_age_seconds(const RouteEntry& e, Int32 now);
std::string route_interface_name(const RouterRecord& r, const RouteEntry& e);

}  // namespace zorva
