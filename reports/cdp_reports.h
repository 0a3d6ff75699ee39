// The `show cdp ...` reports, built from the CDP settings, the interfaces and the neighbour table.
#pragma once

#include <string>

#include "base/types.h"

namespace zorva {

struct RouterRecord;
struct CdpNeighborEntry;

// `show cdp`: the global settings, or "% CDP is not enabled".
std::string cdp_global_report(const RouterRecord& r);
// `show cdp neighbors`: the table, its columns cut to their widths.
std::string cdp_neighbor_table(const RouterRecord& r, Int32 sim_clock);
// The detail blocks of every neighbour (`show cdp neighbors detail`, `show cdp entry *`), or of
// those whose device ID is exactly `device`, case kept (`show cdp entry NAME`).
std::string cdp_detail_blocks(const RouterRecord& r, Int32 sim_clock, const std::string* device);
// `show cdp interface`: the CDP-enabled interfaces, or "CDP not running".
std::string cdp_interface_report(const RouterRecord& r);
// `show cdp traffic`: fixed counters.
std::string cdp_traffic_report();

// Seconds a neighbour is still held: holdtime − sim_clock + received_at, or 0 once that is
// negative.
long long cdp_remaining_hold(const RouterRecord& r, const CdpNeighborEntry& n, Int32 sim_clock);

}  // namespace zorva
