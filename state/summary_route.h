// A real router's EIGRP summary route: the classful network it advertises for its subnets across
// a major-network boundary (auto-summary), installed in its own table towards Null0 at distance 5,
// so that an address of that network which no subnet route holds is dropped there.
#pragma once

#include <string_view>

#include "base/types.h"
#include "state/router_record.h"

namespace zorva {

inline constexpr std::string_view kNullInterface = "Null0";
inline constexpr Int16 kSummaryDistance = 5;

inline bool is_summary_route(const RouteEntry& e) {
  return e.interface_name == kNullInterface;
}

}  // namespace zorva
