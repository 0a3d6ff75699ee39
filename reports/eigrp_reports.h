// The `show ip eigrp` reports built from the EIGRP neighbour table and the interfaces.
#pragma once

#include <string>

#include "base/types.h"

namespace zorva {

struct RouterRecord;

// The neighbour table (printed whether or not EIGRP is configured). `sim_clock` gives the uptime
// column; `details` adds a version line under each neighbour.
std::string build_show_eigrp_neighbors(const RouterRecord& r, Int32 sim_clock, bool details);

// Two topology entries per neighbour: the classful summary and the connected subnet. Empty when
// EIGRP is not configured.
std::string build_show_eigrp_topology(const RouterRecord& r);

// One line per interface that is up and has an address; a real router's only for those the
// process sends hellos on (covered, not passive), with the neighbours heard on each. Empty when
// EIGRP is not configured.
std::string build_show_eigrp_interfaces(const RouterRecord& r, bool real);

// `show ip eigrp neighbors` as a real router prints it (reports/real_neighbor_reports.cpp): the
// table of the real AS number, each neighbour on the interface it was heard on, with the hold
// time left and its uptime; `detail` adds each neighbour's version line with the number of
// prefixes heard from it.
std::string build_real_eigrp_neighbors(const RouterRecord& r, Int32 sim_clock, bool detail);

// `show ip eigrp topology` as a real router prints it (reports/real_eigrp_topology.cpp): every
// network EIGRP knows, passive, with its successors, its feasible distance, and each path as
// "via 10.1.12.2 (FD/RD), Serial0" or "via Connected, Ethernet0".
std::string build_real_eigrp_topology(const RouterRecord& r);

// Real-router `show ip eigrp traffic`: the classic text under the real AS number; nothing while
// no EIGRP network is configured.
std::string real_eigrp_traffic(const RouterRecord& r, const std::string& classic_text);

}  // namespace zorva
