// The routing-protocol summary printed by `show ip protocols`.
#pragma once

#include <string>

#include "base/types.h"

namespace zorva {

struct RouterRecord;

// One section per enabled protocol, in the order RIP, IGRP, EIGRP, OSPF: fixed timer and filter
// lines, the configured networks and the routes learned from each source. Every line ends with
// CR LF except the last line of the OSPF section.
std::string build_show_ip_protocols(const RouterRecord& r);

// The same summary as a real router prints it (reports/real_protocols_report.cpp), with each
// neighbour heard from and the time since its last update at `sim_clock`.
std::string build_real_ip_protocols(const RouterRecord& r, Int32 sim_clock);

// `show ip rip database` as a real router prints it (reports/real_protocols_report.cpp).
std::string build_real_rip_database(const RouterRecord& r, Int32 sim_clock);

}  // namespace zorva
