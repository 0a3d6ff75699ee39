// The `ping` command: checks the address and prepares the echo request; the console sends it
// after the command (pending action "PINGING") and prints the result.
#pragma once

#include <string>

namespace zorva {

struct CommandContext;

// The time to live a ping starts with: every forwarding router lowers it by one, so a ping
// crosses any topology of up to 50 routers and a forwarding loop still ends.
inline constexpr short kPingTtl = 255;

// An address the address check accepts becomes the prepared request in the record's ping_packet;
// anything else prints "% Unrecognized host or address, or protocol not running.".
void do_ping(CommandContext& cmd, std::string address);

}  // namespace zorva
