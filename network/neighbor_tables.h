// The EIGRP and OSPF neighbour tables of one router: filled from received updates and aged by the
// maintenance passes. Times are `sim_clock` readings in seconds.
#pragma once

#include "base/types.h"
#include "state/router_record.h"

namespace zorva {

class ErrorLog;

// Every entry whose address equals the frame's source address is marked heard now; without one a
// new entry is appended: address, the interface the sender names, last heard now, round-trip 1123
// and the mask of the interface at `cur_if_index` (the interface last chosen for configuration,
// not the receiving one). A full table (20 entries) takes nothing more; the first refusal is
// logged under "add eigrp neighbors()".
void add_eigrp_neighbors(RouterRecord& r, const PacketRecord& frame, Int32 sim_clock,
                         ErrorLog& log);

// As add_eigrp_neighbors for OSPF: a new entry also gets first heard now, the sender's router ID,
// and the priority and mask of the interface at `cur_if_index`. Logged as "add ospf neighbors()".
void add_ospf_neighbors(RouterRecord& r, const PacketRecord& frame, Int32 sim_clock, ErrorLog& log);

// Remove every neighbour last heard more than 15 seconds before `sim_clock`. After a removal the
// next slot is not examined in the same pass, so the entry that moved up waits for the next one.
void Maintain_Eigrp_Neighbors(RouterRecord& r, Int32 sim_clock);
void Maintain_Ospf_Neighbors(RouterRecord& r, Int32 sim_clock);

}  // namespace zorva
