// The routing table of one router: candidates in `learned_routes` are added or refreshed by
// update_routes, aged by Maintain_Routing_Table, and `routes` is rebuilt from them by choosing,
// for each network, the candidate with the lowest administrative distance.
#pragma once

#include <string>
#include <vector>

#include "base/behaviour.h"
#include "base/types.h"
#include "state/router_record.h"

namespace zorva {

class ErrorLog;

// The route forwarding takes for `destination`: the longest prefix that matches; of equally long
// ones, the first in the table. nullptr when none matches.
const RouteEntry* longest_match(const RouterRecord& r, Ipv4 destination);

// The interface a static route leaves by: the connected route that holds its next hop, or, when
// none does, the interface that was being configured when the route was entered.
int static_route_interface(const RouterRecord& r, const RouteEntry& route, Ipv4 next_hop);

// Adds one candidate, or refreshes (age 0, nothing else) every candidate with the same distance,
// network, prefix length and interface name. A full table (80 candidates) takes nothing more; the
// first refusal is logged under "Update Routes()".
void update_routes(RouterRecord& r, Ipv4 network, const std::string& interface_name,
                   Int16 prefix_length, Int16 distance, char code, Int32 metric,
                   const std::string& interface_address, Int16 interface_index, ErrorLog& log);

// The routes of one received update, all through the same interface with the same distance: the
// same as update_routes for each route in turn, in order. The candidates already learned that way
// are picked out once per update, so each route is compared with those only.
void update_routes_through(RouterRecord& r, const std::vector<RouteEntry>& routes,
                           const std::string& interface_name, Int16 distance, char code,
                           Int32 metric, const std::string& interface_address,
                           Int16 interface_index, ErrorLog& log);

// One aging pass: every candidate's age rises by 3 (static routes stay at 0) and a candidate older
// than 24 is removed. After a removal the next slot is not examined in the same pass, so the
// candidate that moved up into the freed slot ages on the next pass only.
void Maintain_Routing_Table(RouterRecord& r);

// Rebuilds `routes` from the candidates, or leaves it as it is when no candidate has changed since
// the last rebuild (the result is the same either way).
// In the real-router behaviour the choice is that of choose_real_routes (network/real_routing.h).
void Calculate_Routing_Table(RouterRecord& r, Behaviour behaviour = Behaviour::Classic);

// Rebuilds `routes` whether or not anything has changed.
void rebuild_routing_table(RouterRecord& r, Behaviour behaviour = Behaviour::Classic);

// For code that edits `learned_routes` other than through this file (for example removing a
// static route): makes the next Calculate_Routing_Table rebuild.
void note_candidates_changed(RouterRecord& r);

// Refreshes the connected candidate of every interface that is up with an address, then runs
// Calculate_Routing_Table.
// In the real-router behaviour a connected route's metric is 0 and it is stamped with `now`.
void Routes_For_Connected_Interfaces(RouterRecord& r, ErrorLog& log,
                                     Behaviour behaviour = Behaviour::Classic, Int32 now = 0);

}  // namespace zorva
