#include "state/ospf_segment.h"

#include <algorithm>

#include "state/router_record.h"

namespace zorva {

std::vector<SegmentMember> ospf_segment_members(const RouterRecord& r, const InterfaceEntry& e) {
  const ProtocolBlock& p = r.protocols;
  const std::string& own = p.ospf_active_router_id;
  std::vector<SegmentMember> members = {{parse_dotted(own).value_or(0), own, e.ip_address}};
  for (int j = 1; j <= std::clamp<int>(p.ospf_neighbor_count, 0, kMaxProtocolNeighbors); ++j) {
    const OspfNeighborEntry& n = p.ospf_neighbors[j];
    if (n.local_interface == e.name)
      members.push_back({parse_dotted(n.router_id).value_or(0), n.router_id, n.address});
  }
  std::stable_sort(members.begin(), members.end(),
                   [](const SegmentMember& a, const SegmentMember& b) { return a.id > b.id; });
  return members;
}

std::string_view ospf_segment_role(const std::vector<SegmentMember>& members,
                                   std::string_view id_text) {
  if (!members.empty() && members[0].id_text == id_text) return "DR";
  if (members.size() > 1 && members[1].id_text == id_text) return "BDR";
  return "DROTHER";
}

}  // namespace zorva
