// Selecting an interface (`interface`) and the commands of the interface configuration modes:
// ip address, shutdown, description, encapsulation, ppp authentication, ip ospf priority and cost.
// They all act on the interface the last successful `interface` command selected.
#pragma once

#include <string>

#include "parser/parsed_command.h"
#include "state/record_enums.h"

namespace zorva {

struct CommandContext;

// What `parse_interface` found for a typed interface name.
struct InterfaceLookup {
  bool found = false;                        // an interface of that type and number exists
  InterfaceType type = InterfaceType::None;  // from the first letter; None for any other
  double number = 0;  // the port number read from the name or from the word after it
  int index = 0;      // position of the interface in the table when found
};

// Reads an interface name as typed: e0, ethernet0, "ethernet 0", s1, "serial 1". A name with two
// digits glued to it (serial10) is refused. Prints "Invalid Command" when nothing matches.
InterfaceLookup parse_interface(CommandContext& cmd, const std::string& name,
                                const std::string& second);

// Gives the selected interface an address and mask, or prints "% Incomplete command." when the
// mask is missing or the address or mask is not valid. Both texts may be trimmed in place.
void ip_address_set_interface(CommandContext& cmd, std::string& address, std::string& mask);

// The dispatcher's handlers for the interface words.
void interface_command(CommandContext& cmd);
void shutdown_command(CommandContext& cmd);
void description_command(CommandContext& cmd);
void encapsulation_command(CommandContext& cmd);
void ppp_command(CommandContext& cmd);
void ip_ospf_command(CommandContext& cmd);

// `bandwidth` kbit/s and `delay` tens of microseconds: the real-router behaviour's metrics of the
// interface (`no` restores the type's default). Classic takes the lines and changes nothing.
void bandwidth_command(CommandContext& cmd);
void delay_command(CommandContext& cmd);

// Real-router only: `clock rate N` on a serial interface (`no clock rate` removes it), and
// `no ip address`, which leaves the selected interface without an address.
void clock_command(CommandContext& cmd);
void clear_ip_address(CommandContext& cmd);

}  // namespace zorva
