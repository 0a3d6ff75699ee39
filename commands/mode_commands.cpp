// Mode transitions: configure terminal, disable, exit, end, logout, line, reload.
#include "commands/mode_commands.h"

#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/console_login.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

void configure_command(CommandContext& cmd) {
  if (full_word(cmd.pc, 2) == "terminal") set_mode(cmd, kModeGlobal);
}

void disable_command(CommandContext& cmd) {
  set_mode(cmd, kModeUser);
}

namespace {

// A real router's `exit` or `logout` in user or privileged mode ends the console session: the
// console waits for RETURN, then logs in again (asking the console line's password when `login`
// is set).
void end_session(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  set_mode(cmd, kModeUser);
  r.password_tries = 0;
  r.password_state = kSessionEnded;
  set_output(r, "\r\n" + r.hostname + " con0 is now available\r\n\r\n\r\n\r\n\r\n\r\n" +
                    "Press RETURN to get started.\r\n");
}

}  // namespace

// One level up: privileged to user, global to privileged, any configuration sub-mode to global.
// In the logged-out and user modes there is nowhere to go; a real router ends the session there
// and in privileged mode.
void exit_command(CommandContext& cmd) {
  const int mode = cmd.router.mode;
  if (real_router(cmd) && mode <= kModePrivileged) {
    end_session(cmd);
  } else if (mode == kModePrivileged) {
    set_mode(cmd, kModeUser);
  } else if (mode == kModeGlobal) {
    set_mode(cmd, kModePrivileged);
  } else if (mode > kModeGlobal) {
    set_mode(cmd, kModeGlobal);
  }
}

void end_command(CommandContext& cmd) {
  set_mode(cmd, kModePrivileged);
}

void logout_command(CommandContext& cmd) {
  if (real_router(cmd) && cmd.router.mode <= kModePrivileged)
    end_session(cmd);
  else if (cmd.router.mode == kModePrivileged)
    set_mode(cmd, kModeUser);
}

// From global configuration or any of its sub-modes.
void line_command(CommandContext& cmd) {
  if (cmd.router.mode < kModeGlobal) return;
  const std::string line = full_word(cmd.pc, 2);
  if (line == "console") {
    set_mode(cmd, kModeConsole);
  } else if (line == "vty") {
    set_mode(cmd, kModeVty);
    // `line vty 0 15` configures the sixteen lines a real router has, and its configuration
    // lists them as two groups.
    if (cmd.behaviour == Behaviour::RealRouter && word(cmd.pc, 4) == "15")
      cmd.router.vty_last_line = 15;
  } else if (line == "aux") {
    set_mode(cmd, kModeAux);
  }
}

void reload_command(CommandContext& cmd) {
  cmd.router.pending_action = PendingAction::Reload;
  set_mode(cmd, kModeUser);
}

}  // namespace zorva
