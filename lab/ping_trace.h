// Pings for checks, and where a failed one broke. A check's ping is the one the console sends,
// sent at once: the echo request crosses the network and any reply comes back before the call
// returns, so the check moves no clock and prints nothing on the router's console. Where it broke
// is worked out from the routers' tables, hop by hop as forwarding chooses, and said in one line.
#pragma once

#include <string>

#include "simulation/simulation.h"

namespace zorva {

// Sends router `from`'s echo request to `address` (dotted) and tells whether the reply came back.
bool ping_now(Simulation& sim, int from, const std::string& address);

// Where a ping from router `from` to `address` stops, such as "no route to 10.1.1.9 at router 2",
// "line down at router 2's Serial0" or "no reply route: router 3 has no route to 10.1.1.1"; ""
// when the tables show no break.
std::string where_ping_breaks(Simulation& sim, int from, const std::string& address);

}  // namespace zorva
