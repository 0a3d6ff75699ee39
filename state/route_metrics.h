// The metrics of the real-router behaviour: the bandwidth, delay and OSPF cost of an interface
// (its type's defaults unless `bandwidth`, `delay` or `ip ospf cost` set them), the OSPF area it
// is in, and the composite IGRP and EIGRP metric of a path.
#pragma once

#include <cstdint>
#include <optional>

#include "base/types.h"

namespace zorva {

struct InterfaceEntry;
struct ProtocolBlock;

inline constexpr Int32 kRipInfinity = 16;       // a RIP metric of 16 hops is unreachable
inline constexpr Int16 kDefaultEqualPaths = 4;  // equal paths a protocol keeps unless told

// The equal paths kept for one network by the protocol whose routes carry `code` ('R', 'I', 'D',
// 'O'): its `maximum-paths`, else four.
Int16 equal_paths_kept(const ProtocolBlock& p, char code);

// kbit/s: serial 1544, Ethernet 10 000, BRI 64, loopback 8 000 000, or the configured value.
Int32 interface_bandwidth(const InterfaceEntry& e);

// Tens of microseconds: serial 2000, Ethernet 100, BRI 2000, loopback 500, or the configured value.
Int32 interface_delay(const InterfaceEntry& e);

// The reference bandwidth (100 Mbit/s unless `auto-cost reference-bandwidth` changed it) / the
// bandwidth, at least 1 (64 serial, 10 Ethernet, 1562 BRI, 1 loopback at 100), unless `ip ospf
// cost` gave one.
Int32 ospf_interface_cost(const InterfaceEntry& e, Int32 reference_mbps = 100);

// The area of the first OSPF network statement whose wildcard covers the interface's address.
std::optional<Int32> ospf_area_of(const ProtocolBlock& p, const InterfaceEntry& e);

// IGRP with the default weights: 10^7 / the lowest bandwidth (kbit/s) + the sum of the delays
// (tens of microseconds). EIGRP is 256 times that. Both stop at the largest 32-bit value.
Int32 igrp_metric(Int32 lowest_bandwidth, Int32 delay_sum);
Int32 eigrp_metric(Int32 lowest_bandwidth, Int32 delay_sum);

}  // namespace zorva
