// Real-router settings that change no classic behaviour: service password-encryption and the
// terminal lines' exec-timeout, logging synchronous and login. Each is kept so that the
// configuration shows it; in classic each is accepted and changes nothing, as before.
// (passive-interface, version and auto-summary are the routing modes' own: commands/rip_config.h.)
#pragma once

namespace zorva {

struct CommandContext;

void service_command(CommandContext& cmd);
void line_setting_command(CommandContext& cmd);

// Real-router EXEC settings of the console session: `clock set` (reached through the `clock`
// handler) and `terminal length`.
void clock_set_command(CommandContext& cmd);
void terminal_command(CommandContext& cmd);

// Real-router names for addresses (commands/ip_names.cpp): `ip host NAME A.B.C.D`,
// `ip domain-name NAME` and `ip domain-lookup`, each undone by its `no` form.
void ip_names_command(CommandContext& cmd);

}  // namespace zorva
