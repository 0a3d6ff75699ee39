// The command dispatcher: carries out one resolved command line on the record of the router that
// typed it.
#pragma once

#include "parser/command_context.h"

namespace zorva {

struct CommandContext;

// Chooses the action by the first command word as the database spells it, changes cmd.router and
// leaves any answer in its output buffer or pending action. FullWords 1..6 of cmd.pc are cleared
// afterwards. Unknown first words are ignored.
void exec_cmd(CommandContext& cmd);

}  // namespace zorva
