// Saving, printing and erasing the configuration: copy, write, erase.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

class Simulation;

// `copy running-config startup-config`: saves the running configuration silently.
void copy_command(Simulation& sim, ParsedCommand& pc);
// `write` and `write memory` save like copy; `write terminal` prints the running configuration.
void write_command(Simulation& sim, ParsedCommand& pc);
// `erase startup-config`: forgets the saved configuration.
void erase_command(Simulation& sim, ParsedCommand& pc);

}  // namespace zorva
