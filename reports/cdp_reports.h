// The `show cdp ...` reports, built from the CDP settings, the interfaces and the neighbour table.
#pragma once

#include <string>

#include "base/types.h"
#include "parser/parsed_command.h"

namespace zorva {

struct RouterRecord;
struct CdpNeighborEntry;

// The text of the `show cdp` report named by FullWords 3 (trimmed, any case): "" for the global
// settings, "neighbors" (the table, or the detail blocks when FullWords 4 is "detail" in any case),
// "interface", "entry" (FullWords 4 "*" for every neighbour, otherwise the neighbours whose device
// ID equals RawWords 4 exactly) and "traffic"; "" for anything else. `sim_clock` gives the
// remaining hold times. The caller empties FullWords 3 of the command afterwards.
std::string cdp_show_report(const RouterRecord& r, const ParsedCommand& pc, Int32 sim_clock);

// Seconds a neighbour is still held: holdtime − sim_clock + received_at, or 0 once that is
// negative.
long long cdp_remaining_hold(const RouterRecord& r, const CdpNeighborEntry& n, Int32 sim_clock);

}  // namespace zorva
