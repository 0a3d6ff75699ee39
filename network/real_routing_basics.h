// Small facts about a router record that the real-router routing files share: how many
// interfaces and candidates are in use, whether an interface's line is up and has an address, the
// interface at an index, and the removal of one candidate. Kept in their own namespace so that
// they never meet the files' private helpers of the same names.
#pragma once

#include <algorithm>
#include <string>

#include "state/router_record.h"

namespace zorva::real_routing {

inline int interfaces_in_use(const RouterRecord& r) {
  return std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
}

inline int candidates_in_use(const RouterRecord& r) {
  return std::clamp<int>(r.learned_route_count, 0, kMaxRoutes);
}

inline bool line_up(const InterfaceEntry& e) {
  return e.line_protocol == LinkState::Up && !is_set(e.shutdown);
}

// An address is anything but blanks; checked without building a trimmed copy, since the routing
// passes ask it for every route of every update.
inline bool has_address(const InterfaceEntry& e) {
  return e.ip_address.find_first_not_of(" \t") != std::string::npos;
}

inline const InterfaceEntry* interface_at(const RouterRecord& r, int index) {
  return index >= 1 && index <= interfaces_in_use(r) ? &r.interfaces[index] : nullptr;
}

// Removes candidate `slot` of the learned routes, closing the gap.
void remove_candidate_at(RouterRecord& r, int slot);

}  // namespace zorva::real_routing
