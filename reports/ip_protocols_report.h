// The routing-protocol summary printed by `show ip protocols`.
#pragma once

#include <string>

namespace zorva {

struct RouterRecord;

// One section per enabled protocol, in the order RIP, IGRP, EIGRP, OSPF: fixed timer and filter
// lines, the configured networks and the routes learned from each source. Every line ends with
// CR LF except the last line of the OSPF section.
std::string build_show_ip_protocols(const RouterRecord& r);

}  // namespace zorva
