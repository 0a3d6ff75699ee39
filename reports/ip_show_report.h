// The choice of `show ip ...` report from the words of the parsed command.
#pragma once

#include <string>

#include "base/behaviour.h"
#include "base/types.h"
#include "parser/parsed_command.h"

namespace zorva {

struct RouterRecord;

// The text of the `show ip` report that the command names, or "" for any other combination. Reads
// FullWords 3, 4 and 5 (the words as the command database spells them) and Words 5 (the fifth word
// as typed, so `show ip ospf neighbor detail` needs "detail" in full), and TopText for the reports
// whose text or per-interface lines are the command's template. The OSPF interface and database
// reports store the OSPF router ID in `r`. The real-router behaviour prints the routing table,
// the protocols and the OSPF and EIGRP neighbours as real routers do.
std::string ip_show_report(RouterRecord& r, const ParsedCommand& pc, Int32 sim_clock,
                           Behaviour behaviour = Behaviour::Classic);

}  // namespace zorva
