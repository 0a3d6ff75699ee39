// Routing-protocol configuration: `router rip|igrp|eigrp|ospf` (entering the router modes, or
// switching a protocol off with `no`) and the `network` statements of those modes. Static routes
// are entered by the console after the command (pending action "IPROUTE").
#pragma once

#include <string>

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

void router_command(CommandContext& cmd);
void network_command(CommandContext& cmd);

// Adds the classful network of `address` to the protocol's list, once. An invalid address prints
// the invalid-input message. A full list (10 networks) refuses further ones and logs it.
void add_rip_network(CommandContext& cmd, std::string address);
void add_igrp_network(CommandContext& cmd, std::string address);
void add_eigrp_network(CommandContext& cmd, std::string address);

// Adds `network` `wildcard` `area` `area` to the OSPF networks, once per network address.
// A full list (15 networks) refuses further ones and logs it.
void add_ospf_network(CommandContext& cmd, std::string network, std::string wildcard,
                      std::string area);

}  // namespace zorva
