// The real-router RIP settings (`version`, `auto-summary`, `default-information originate`,
// `ip summary-address rip` on an interface), and `passive-interface` and `maximum-paths` in every
// routing mode, and `redistribute static|connected` in RIP, EIGRP and OSPF. Classic
// takes these lines and changes nothing, as it always has.
#pragma once

namespace zorva {

struct CommandContext;

void rip_version_command(CommandContext& cmd);
void auto_summary_command(CommandContext& cmd);
void default_information_command(CommandContext& cmd);
void ip_summary_address_command(CommandContext& cmd);
void passive_interface_command(CommandContext& cmd);
void maximum_paths_command(CommandContext& cmd);
void redistribute_command(CommandContext& cmd);

}  // namespace zorva
