// Mode transitions: configure terminal, disable, exit, end, logout, line, reload.
#include "commands/mode_commands.h"

#include "commands/command_support.h"
#include "shell/simulation.h"
#include "state/mode_tables.h"

namespace zorva {

void configure_command(Simulation& sim, ParsedCommand& pc) {
  if (full_word(pc, 2) == "terminal") set_mode(sim, kModeGlobal);
}

void disable_command(Simulation& sim, ParsedCommand&) {
  set_mode(sim, kModeUser);
}

// One level up: privileged to user, global to privileged, any configuration sub-mode to global.
// In the logged-out and user modes there is nowhere to go.
void exit_command(Simulation& sim, ParsedCommand&) {
  const int mode = sim.current_router.mode;
  if (mode == kModePrivileged) {
    set_mode(sim, kModeUser);
  } else if (mode == kModeGlobal) {
    set_mode(sim, kModePrivileged);
  } else if (mode > kModeGlobal) {
    set_mode(sim, kModeGlobal);
  }
}

void end_command(Simulation& sim, ParsedCommand&) {
  set_mode(sim, kModePrivileged);
}

void logout_command(Simulation& sim, ParsedCommand&) {
  if (sim.current_router.mode == kModePrivileged) set_mode(sim, kModeUser);
}

void line_command(Simulation& sim, ParsedCommand& pc) {
  if (sim.current_router.mode != kModeGlobal) return;
  const std::string line = full_word(pc, 2);
  if (line == "console") {
    set_mode(sim, kModeConsole);
  } else if (line == "vty") {
    set_mode(sim, kModeVty);
  } else if (line == "aux") {
    set_mode(sim, kModeAux);
  }
}

void reload_command(Simulation& sim, ParsedCommand&) {
  sim.current_router.pending_action = "RELOAD";
  set_mode(sim, kModeUser);
}

}  // namespace zorva
