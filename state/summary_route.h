// A real router's EIGRP summary route: the classful network it advertises for its subnets across
// a major-network boundary (auto-summary), or the prefix an interface's `ip summary-address
// eigrp` names, installed in its own table towards Null0 at distance 5, so that an address of it
// which no more specific route holds is dropped there.
#pragma once

#include <string_view>

#include "base/types.h"
#include "state/ipv4.h"
#include "state/router_record.h"

namespace zorva {

inline constexpr std::string_view kNullInterface = "Null0";
inline constexpr Int16 kSummaryDistance = 5;

inline bool is_summary_route(const RouteEntry& e) {
  return e.interface_name == kNullInterface;
}

// Whether the prefix `network`/`length` is one a summary stands for: more specific than the
// summary and inside it.
inline bool summarised_by(Ipv4 network, int length, Ipv4 summary, int summary_length) {
  return length > summary_length && (network & mask_for_length(summary_length)) == summary;
}

}  // namespace zorva
