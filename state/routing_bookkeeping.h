// What the network engine remembers about one router's tables besides the tables themselves. It is
// bookkeeping, not router state: no command sets it and no report prints it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/types.h"

namespace zorva {

struct RoutingBookkeeping {
  // Raised by the routing engine whenever it adds or removes a candidate of `learned_routes`.
  // Code that edits the candidates directly instead calls note_candidates_changed
  // (network/routing_table.h).
  std::uint32_t candidates_version = 0;
  // Raised when only the ages of candidates changed: the selection stands, and the installed
  // routes take the new ages from the candidates they were copied from.
  std::uint32_t ages_version = 0;
  std::uint32_t built_ages_version = 0;
  // For each installed route 1..route_count, the candidate it was copied from.
  std::array<Int16, 81> installed_from{};
  // The candidates_version, learned_route_count and route_count of the last rebuild of `routes`;
  // while all three still hold, a rebuild would produce the same table and is skipped.
  std::uint32_t built_version = 0;
  Int16 built_candidates = -1;  // -1: no rebuild has happened yet
  Int16 built_routes = -1;
  // One bit per table that refuses entries when full (FullTable in network/table_capacity.h): set
  // when a refusal has been logged, cleared when that table has room again, so that a full
  // table is logged once and not on every refused entry.
  std::uint16_t full_logged = 0;
  // Real-router behaviour: a digest of the installed table, so that a change shows; a change asks
  // for a triggered update at the router's next routing tick.
  std::uint64_t table_digest = 0;
  bool triggered = false;
  // RIP routes lost since the last RIP update (network, prefix length), sent once at metric 16.
  std::vector<std::pair<Ipv4, Int16>> rip_poisoned;
  // Real-router console messages of neighbour changes ("%OSPF-5-ADJCHG: ...") waiting for the
  // network engine to print them on the router's console.
  std::vector<std::string> console_messages;
};

}  // namespace zorva
