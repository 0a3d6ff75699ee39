// Saving, printing and erasing the configuration: copy, write, erase.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

// `copy running-config startup-config`: saves the running configuration silently.
void copy_command(CommandContext& cmd);
// `write` and `write memory` save like copy; `write terminal` prints the running configuration.
void write_command(CommandContext& cmd);
// `erase startup-config`: forgets the saved configuration.
void erase_command(CommandContext& cmd);

}  // namespace zorva
