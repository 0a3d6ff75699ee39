// Real-router `debug`, `undebug` and `no debug`: each switch a real router knows says that its
// debugging is on or off; `debug ip rip` also makes the routing engine print the RIP updates the
// router sends and receives. `undebug all` and `no debug all` turn everything off.
#pragma once

namespace zorva {

struct CommandContext;

void debug_command(CommandContext& cmd);

}  // namespace zorva
