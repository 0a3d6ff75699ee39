// The dispatcher: carries out one resolved command line on the record of the router that typed it.
#pragma once

namespace zorva {

struct CommandContext;

// Runs the handler the command tree binds to the line (the parser put it in `cmd.pc.handler`);
// a complete line whose path names no handler changes nothing, as words the router does not act
// on do.
void exec_cmd(CommandContext& cmd);

}  // namespace zorva
