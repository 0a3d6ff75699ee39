// The real-router OSPF commands beyond `router ospf` and `network`: the process's router ID,
// the origination of the default route, and the process reset that makes a new router ID count.
#pragma once

namespace zorva {

struct CommandContext;

// `router-id A.B.C.D` (`no router-id` forgets it). A running process keeps its ID until
// `clear ip ospf process`, and says so.
void ospf_router_id_command(CommandContext& cmd);

// `default-information originate`: OSPF advertises this router's default route as external.
void ospf_default_information_command(CommandContext& cmd);
void ospf_auto_cost_command(CommandContext& cmd);

// `area N authentication [message-digest]`: simple or message-digest authentication in area N.
void ospf_area_command(CommandContext& cmd);

// `clear ip ospf process`: leaves its question for the console, which resets on "yes".
void clear_ospf_command(CommandContext& cmd);

}  // namespace zorva
