// Real-router settings that change no classic behaviour: service password-encryption, the
// terminal lines' exec-timeout, logging synchronous and login, passive-interface, RIP's version
// and auto-summary. Each is kept so that the configuration shows it; in classic each is accepted
// and changes nothing, as before.
#pragma once

namespace zorva {

struct CommandContext;

void service_command(CommandContext& cmd);
void line_setting_command(CommandContext& cmd);
void passive_interface_command(CommandContext& cmd);
void rip_version_command(CommandContext& cmd);
void auto_summary_command(CommandContext& cmd);

}  // namespace zorva
