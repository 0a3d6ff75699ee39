// The `ping` command's entry point. Sending echo requests through the patch panel belongs to the
// network engine, which is not built yet: for now the command is accepted and prints nothing.
#pragma once

#include <string>

namespace zorva {

struct CommandContext;

// Pings `address` from the router in cmd.router.
void do_ping(CommandContext& cmd, const std::string& address);

}  // namespace zorva
