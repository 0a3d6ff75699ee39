// What `debug ip rip` prints on a real router: each update it sends ("RIP: sending v2 update to
// 224.0.0.9 via Serial0 (10.1.1.1)" and its entries) and each it receives, with the metric as it
// travels on the wire. The lines wait in the router's console messages for the engine to print.
#pragma once

#include "state/router_record.h"

namespace zorva {

// Whether the router has `debug ip rip` on.
bool debugging_rip(const RouterRecord& r);

void log_rip_sent(RouterRecord& r, const InterfaceEntry& out, const PacketRecord& update);
void log_rip_received(RouterRecord& r, const InterfaceEntry& in, const PacketRecord& update);
// An update of a version the router does not take.
void log_rip_ignored(RouterRecord& r, const PacketRecord& update);

}  // namespace zorva
