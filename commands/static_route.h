// The `ip route` command: reads the route the line gives, refuses one that is not a route, and
// hands a good one to the network.
#pragma once

namespace zorva {

struct CommandContext;

// `ip route PREFIX MASK NEXT-HOP [DISTANCE]`. Real-router lines may name an exit interface
// instead of the next hop ("serial0", "s 0"), and `no ip route` removes the route.
void ip_route_command(CommandContext& cmd);

}  // namespace zorva
