// The `show ip ...` reports (routing table, protocols, interfaces, OSPF and EIGRP tables).
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

// Leaves the `show ip` report named by the command's third and later words in cmd.router's
// output buffer; an unknown combination leaves it empty.
void ipshow(CommandContext& cmd);

}  // namespace zorva
