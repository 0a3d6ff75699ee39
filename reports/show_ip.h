// The `show ip ...` reports (routing table, protocols, interfaces, OSPF and EIGRP tables).
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

// Builds the `show ip` report named by the command's third word into cmd.router's output
// buffer. The routing reports are not built yet: for now the buffer stays empty.
void ipshow(CommandContext& cmd);

}  // namespace zorva
