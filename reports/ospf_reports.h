// The `show ip ospf` reports built from the OSPF neighbour table, the interfaces and the first
// OSPF network statement.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/types.h"
#include "reports/ospf_database_report.h"

namespace zorva {

struct RouterRecord;

// One row per neighbour: router ID, priority, state, time since last heard, address, interface.
std::string build_show_ospf_neighbors(const RouterRecord& r, Int32 sim_clock);

// A block of six lines per neighbour.
std::string build_show_ospf_neighbors_detail(const RouterRecord& r, Int32 sim_clock);

// The process summary. Apart from the process number it is fixed text, and it is printed whether
// or not OSPF is configured.
std::string build_show_ip_ospf(const RouterRecord& r);

// Picks the router identifier from the interfaces (see ospf_router_id_of), stores it in
// r.ospf_router_id and returns it.
std::string get_ospf_router_id(RouterRecord& r);

// A block per interface that is up and has an address. Refreshes r.ospf_router_id.
std::string build_show_ospf_interface(RouterRecord& r);

// The router and network link states, one row per neighbour, aged from when each was first
// heard. Refreshes r.ospf_router_id.
std::string build_show_ospf_database(RouterRecord& r, Int32 sim_clock);

// `show ip ospf neighbor` as a real router prints it (reports/real_neighbor_reports.cpp): each
// neighbour's router ID, priority, FULL state with its role on the network, the dead time left,
// its address and the interface it was heard on.
std::string build_real_ospf_neighbors(const RouterRecord& r, Int32 sim_clock);
// `show ip ospf neighbor detail` as a real router prints it: a block per neighbour with its area
// and interface, priority, the network's designated routers, dead timer and uptime.
std::string build_real_ospf_neighbors_detail(const RouterRecord& r, Int32 sim_clock);

// `show ip ospf interface` as a real router prints it (reports/real_ospf_interface.cpp): a block
// per up interface that a network statement puts in an area.
std::string build_real_ospf_interface(const RouterRecord& r, std::string_view only = {});

// `show ip ospf interface brief`: one line per interface OSPF runs on, with its process, area,
// address, cost, state and neighbour count.
std::string build_real_ospf_interface_brief(const RouterRecord& r);

// `show ip ospf` as a real router prints it: the process with the router ID it runs with, then
// each area with the number of interfaces in it (reports/real_ospf_interface.cpp).
std::string build_real_show_ip_ospf(const RouterRecord& r,
                                    const std::vector<LinkStateLine>& externals);

}  // namespace zorva
