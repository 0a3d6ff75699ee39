// Commands that only move the router between CLI modes: configure terminal, disable, exit, end,
// logout, line, reload.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

void configure_command(CommandContext& cmd);
void disable_command(CommandContext& cmd);
void exit_command(CommandContext& cmd);
void end_command(CommandContext& cmd);
void logout_command(CommandContext& cmd);
void line_command(CommandContext& cmd);
// Leaves user mode with a reload pending; the console asks the question and boots.
void reload_command(CommandContext& cmd);

}  // namespace zorva
