// The user-facing half of CDP: the configuration commands (`cdp run`, `cdp timer`, `cdp holdtime`,
// `cdp advertise-v2`, and `cdp enable` on an interface, each also with `no`) and the `show cdp`
// reports.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

// Carries out a `cdp` command on cmd.router. A timer outside 5..254 seconds or a holdtime
// outside 10..255 prints the invalid-input message and keeps the old value; `no` restores the
// default after that check.
void exec_cdp(CommandContext& cmd);

// Leaves the `show cdp ...` report named by the command's third word in cmd.router's output
// buffer, then clears that word.
void cdp_show(CommandContext& cmd);

}  // namespace zorva
