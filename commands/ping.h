// The `ping` and `traceroute` commands: check the address and ask the network to ping or trace
// it; the echo requests go out once the command is done. In the real-router behaviour `ping`
// without an address asks its questions first (the console carries the dialogue).
#pragma once

#include <string>

namespace zorva {

struct CommandContext;

// The time to live a ping starts with: every forwarding router lowers it by one, so a ping
// crosses any topology of up to 50 routers and a forwarding loop still ends.
inline constexpr short kPingTtl = 255;

// An address the address check accepts is pinged (NetworkRequests::ping); anything else prints "%
// Unrecognized host or address, or protocol not running.". In the real-router behaviour an empty
// address starts the ping questions instead.
void do_ping(CommandContext& cmd, std::string address);

// Real-router `traceroute ADDRESS`; classic accepts the command and does nothing.
void traceroute_command(CommandContext& cmd);

}  // namespace zorva
