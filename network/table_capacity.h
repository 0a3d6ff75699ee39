// Tables that refuse entries when full. A refused entry is logged as "Subscript out of range" under
// the adding procedure's name, once per spell of fullness: the bit in the record's routing
// bookkeeping stays set until that table has room again. A stored table has room again when it
// takes an entry; a protocol's routing updates when a whole sending pass cuts none of them.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/error_log.h"
#include "state/router_record.h"

namespace zorva {

enum class FullTable : std::uint16_t {
  LearnedRoutes = 1u << 0,   // learned_routes, 80 candidates
  EigrpNeighbors = 1u << 1,  // eigrp_neighbors, 20 entries
  OspfNeighbors = 1u << 2,   // ospf_neighbors, 20 entries
  CarriedRoutes = 1u << 3,   // 50 routes in each update of a protocol; one bit per protocol (3..6)
  CdpNeighbors = 1u << 7,    // cdp_neighbors, 50 entries
};

inline std::uint16_t full_table_bit(FullTable table, int shift = 0) {
  return static_cast<std::uint16_t>(static_cast<std::uint16_t>(table) << shift);
}

// Logs the refusal unless this spell of fullness has been logged already.
inline void log_full_once(RouterRecord& r, std::uint16_t bit, std::string_view procedure,
                          ErrorLog& log) {
  std::uint16_t& logged = r.routing_bookkeeping.full_logged;
  if ((logged & bit) != 0) return;
  logged = static_cast<std::uint16_t>(logged | bit);
  log.log(procedure, RuntimeError::SubscriptOutOfRange);
}

// The table has room again: a later refusal starts a new spell and is logged again.
inline void table_has_room(RouterRecord& r, std::uint16_t bit) {
  std::uint16_t& logged = r.routing_bookkeeping.full_logged;
  logged = static_cast<std::uint16_t>(logged & ~bit);
}

}  // namespace zorva
