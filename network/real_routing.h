// The real-router rules of the routing engine: which interfaces a protocol covers (and, for OSPF,
// in which area), what an update carries, how a received update replaces what its sender said
// before, how the table is chosen (lowest distance, then lowest metric, up to four equal paths; a
// static route only while its next hop is reachable) and how routes over a line that went down
// leave at once. The classic rules stay where they were; the engine asks the behaviour at each
// of these points and calls one or the other.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/types.h"
#include "network/routing_protocols.h"
#include "state/router_record.h"

namespace zorva {

class ErrorLog;

// The protocol is switched on and covers the interface, which is up with an address.
bool real_covers(const RouterRecord& r, RoutingProtocol protocol, const InterfaceEntry& e);

// The OSPF router ID as a real router chooses it: the highest loopback address, else the highest
// address of an interface that is up; "" when there is none.
std::string choose_ospf_router_id(const RouterRecord& r);

// The routes an update of `protocol` sent on interface `index` carries: the connected networks of
// the interfaces the sending pass flagged as covered, at their base metric and the protocol's own
// routes not learned on that interface (split horizon). RIP and IGRP summarise a network of another
// class to its class. RIP adds the routes lost since its last update at metric 16.
std::vector<RouteEntry> real_carried_routes(RouterRecord& r, RoutingProtocol protocol, int index,
                                            ErrorLog& log);

// A routing update arrived on interface `index`: taken only when the protocol covers that
// interface and the sender is in the same AS (IGRP, EIGRP) or area (OSPF). Its routes replace
// every route learned before from the same neighbour on that interface; the next hop is the
// neighbour's address.
void real_take_update(RouterRecord& r, RoutingProtocol protocol, int index,
                      const PacketRecord& frame, Int32 now, ErrorLog& log);

// Rebuilds `routes`: for each network and prefix the usable candidates of the lowest distance,
// then of the lowest metric, at most four. Sets the triggered-update mark when the table changed.
void choose_real_routes(RouterRecord& r);

// Removes what can no longer be used: routes and neighbours over an interface that is not up, a
// connected route whose interface has another network now, the routes of a protocol switched
// off, and learned routes and neighbours not heard for their protocol's invalid or dead time.
// The RIP routes it removed are kept to be sent once at metric 16. True when anything went.
bool drop_unusable_routes(RouterRecord& r, Int32 now);

// EIGRP's automatic summaries: for each major network with a subnet EIGRP carries, while some
// covered interface lies outside it, a route to Null0 at distance 5 and the subnets' best metric;
// none after `no auto-summary`. Called on every routing tick.
void refresh_eigrp_summaries(RouterRecord& r, Int32 now);

// `clear ip ospf process` answered yes: the process forgets its router ID, its neighbours (each
// logged as gone) and its routes, and starts again (choosing its router ID anew) at its next
// update.
void reset_ospf_process(RouterRecord& r);

}  // namespace zorva
