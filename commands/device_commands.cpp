// hostname, banner motd, line passwords and local users.
#include "commands/device_commands.h"

#include "commands/command_support.h"
#include "shell/simulation.h"
#include "state/mode_tables.h"

namespace zorva {

void hostname_command(Simulation& sim, ParsedCommand& pc) {
  RouterRecord& r = sim.current_router;
  // The tree lets "hostname" end so that "no hostname" can; a bare "hostname" names nothing.
  if (!is_set(pc.Negated) && raw_word(pc, 2).empty()) {
    set_output(r, "\r\n% Incomplete command.\r\n");
    return;
  }
  r.hostname = is_set(pc.Negated) ? "Router" : raw_word(pc, 2);
}

void banner_command(Simulation& sim, ParsedCommand& pc) {
  if (full_word(pc, 2) != "motd") return;
  RouterRecord& r = sim.current_router;
  r.pending_action = "BANNER";
  r.prompt.clear();
  r.banner_delimiter = word(pc, 3);
  std::string text = "\r\nEnter the text followed by the '";
  text += r.banner_delimiter.substr(0, 1);
  text += "' to finish\r\n";
  set_output(r, std::move(text));
}

void password_command(Simulation& sim, ParsedCommand& pc) {
  RouterRecord& r = sim.current_router;
  switch (r.mode) {
    case kModeConsole:
      r.console_password = word(pc, 2);
      break;
    case kModeVty:
      r.vty_password = word(pc, 2);
      break;
    case kModeAux:
      r.aux_password = word(pc, 2);
      break;
    default:
      break;
  }
}

void username_command(Simulation& sim, ParsedCommand& pc) {
  RouterRecord& r = sim.current_router;
  if (r.username_count < 0) r.username_count = 0;
  if (r.username_count < kMaxUsers) ++r.username_count;
  const int i = r.username_count;
  r.usernames[i] = word(pc, 2);
  r.user_passwords[i] = word(pc, 4);
}

}  // namespace zorva
