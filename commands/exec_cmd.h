// The command dispatcher: carries out one resolved command line against `current_router`, the
// simulation's working copy of the record of the router that typed it.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

class Simulation;

// Chooses the action by the first command word as the database spells it, changes
// sim.current_router and leaves any answer in its output buffer or pending action. FullWords
// 1..6 of `pc` are cleared afterwards. Unknown first words are ignored.
void exec_cmd(Simulation& sim, ParsedCommand& pc);

}  // namespace zorva
