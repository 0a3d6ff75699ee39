// The OSPF routers on one broadcast segment as a real router sees them from its interface there,
// in the order the segment elects them: the designated router first, then the backup. The
// highest router ID wins; the interfaces' priorities are not weighed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/ipv4.h"

namespace zorva {

struct InterfaceEntry;
struct RouterRecord;

struct SegmentMember {
  Ipv4 id = 0;
  std::string id_text;  // the router ID as written
  std::string address;  // its address on the segment
};

// The router itself and the neighbours heard on interface `e`, designated router first.
std::vector<SegmentMember> ospf_segment_members(const RouterRecord& r, const InterfaceEntry& e);

// "DR", "BDR" or "DROTHER": where the router with ID `id_text` stands among `members`.
std::string_view ospf_segment_role(const std::vector<SegmentMember>& members,
                                   std::string_view id_text);

}  // namespace zorva
