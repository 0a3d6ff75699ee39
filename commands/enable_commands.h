// The `enable` command in its three forms: entering privileged mode (or starting the password
// dialogue), and setting the enable password and the enable secret in global configuration.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

void enable_commands(CommandContext& cmd);

}  // namespace zorva
