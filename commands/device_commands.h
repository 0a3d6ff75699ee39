// Commands that set the router's identity and access: hostname, banner motd, line passwords and
// local users.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

// `hostname` name (case kept); `no hostname` restores "Router".
void hostname_command(CommandContext& cmd);
// `banner motd` d: hands the keyboard to banner entry until the delimiter's first character.
void banner_command(CommandContext& cmd);
// `password` p in a line mode: the console, vty or aux password.
void password_command(CommandContext& cmd);
// `username` name `password` p: a new entry, at most five; later users overwrite the fifth.
void username_command(CommandContext& cmd);

}  // namespace zorva
