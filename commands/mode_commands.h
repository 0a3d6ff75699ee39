// Commands that only move the router between CLI modes: configure terminal, disable, exit, end,
// logout, line, reload.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

class Simulation;

void configure_command(Simulation& sim, ParsedCommand& pc);
void disable_command(Simulation& sim, ParsedCommand& pc);
void exit_command(Simulation& sim, ParsedCommand& pc);
void end_command(Simulation& sim, ParsedCommand& pc);
void logout_command(Simulation& sim, ParsedCommand& pc);
void line_command(Simulation& sim, ParsedCommand& pc);
// Leaves user mode with a reload pending; the console asks the question and boots.
void reload_command(Simulation& sim, ParsedCommand& pc);

}  // namespace zorva
