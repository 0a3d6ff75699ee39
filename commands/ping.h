// The `ping` command: checks the address and asks the network to ping it; the echo requests go
// out once the command is done, and the result is printed a simulated second later.
#pragma once

#include <string>

namespace zorva {

struct CommandContext;

// The time to live a ping starts with: every forwarding router lowers it by one, so a ping
// crosses any topology of up to 50 routers and a forwarding loop still ends.
inline constexpr short kPingTtl = 255;

// An address the address check accepts is pinged (NetworkRequests::ping); anything else prints "%
// Unrecognized host or address, or protocol not running.".
void do_ping(CommandContext& cmd, std::string address);

}  // namespace zorva
