// hostname, banner motd, line passwords and local users.
#include "commands/device_commands.h"

#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

void hostname_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  // A bare "hostname" sets the empty name: the prompt is then the mode's suffix alone.
  r.hostname = is_set(cmd.pc.Negated) ? "Router" : raw_word(cmd.pc, 2);
}

void banner_command(CommandContext& cmd) {
  if (full_word(cmd.pc, 2) != "motd") return;
  RouterRecord& r = cmd.router;
  r.pending_action = PendingAction::Banner;
  r.prompt.clear();
  r.banner_delimiter = word(cmd.pc, 3);
  std::string text = "\r\nEnter the text followed by the '";
  text += r.banner_delimiter.substr(0, 1);
  text += "' to finish\r\n";
  set_output(r, std::move(text));
}

void password_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  switch (r.mode) {
    case kModeConsole:
      r.console_password = word(cmd.pc, 2);
      break;
    case kModeVty:
      r.vty_password = word(cmd.pc, 2);
      break;
    case kModeAux:
      r.aux_password = word(cmd.pc, 2);
      break;
    default:
      break;
  }
}

void username_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  if (r.username_count < 0) r.username_count = 0;
  if (r.username_count < kMaxUsers) ++r.username_count;
  const int i = r.username_count;
  r.usernames[i] = word(cmd.pc, 2);
  r.user_passwords[i] = word(cmd.pc, 4);
}

}  // namespace zorva
