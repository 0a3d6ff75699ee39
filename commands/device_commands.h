// Commands that set the router's identity and access: hostname, banner motd, line passwords and
// local users.
#pragma once

#include "parser/parsed_command.h"

namespace zorva {

class Simulation;

// `hostname` name (case kept); `no hostname` restores "Router".
void hostname_command(Simulation& sim, ParsedCommand& pc);
// `banner motd` d: hands the keyboard to banner entry until the delimiter's first character.
void banner_command(Simulation& sim, ParsedCommand& pc);
// `password` p in a line mode: the console, vty or aux password.
void password_command(Simulation& sim, ParsedCommand& pc);
// `username` name `password` p: a new entry, at most five; later users overwrite the fifth.
void username_command(Simulation& sim, ParsedCommand& pc);

}  // namespace zorva
