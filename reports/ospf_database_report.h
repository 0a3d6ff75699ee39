// A real router's `show ip ospf database`: the link-state advertisements the router holds, by
// area (router links, network links of designated routers, summaries from area border routers),
// then the external ones (default routes), each with its age, sequence number and checksum.
#pragma once

#include <string>
#include <vector>

#include "base/types.h"

namespace zorva {

// One advertisement as the report prints it.
struct LinkStateLine {
  std::string link_id;
  std::string advertising_router;
  Int32 age = 0;       // seconds
  Int32 sequence = 0;  // counted from 0x80000001
  int link_count = 0;  // router links: the links; external: the tag (the originator's process)
};

struct AreaLinkStates {
  Int32 area = 0;
  std::vector<LinkStateLine> routers;    // type 1
  std::vector<LinkStateLine> networks;   // type 2
  std::vector<LinkStateLine> summaries;  // type 3
};

struct OspfDatabaseView {
  std::string router_id;
  Int32 process = 0;
  std::vector<AreaLinkStates> areas;     // in ascending order
  std::vector<LinkStateLine> externals;  // type 5
};

// The checksum the report prints for an advertisement of `type` ('1', '2', '3' or '5').
unsigned link_state_checksum(const LinkStateLine& l, char type);

// The report; each section lists its advertisements in the order of their link IDs. A router
// whose OSPF process has no router ID yet prints nothing.
std::string build_real_show_ospf_database(const OspfDatabaseView& view);

}  // namespace zorva
