// The handlers of the `show` commands, one per report, each in the file of the report it prints.
// The command tree binds them to their rows; each sets the output pending and leaves the report in
// the record's output buffer.
#pragma once

namespace zorva {

struct CommandContext;

// The start of every show report: the output pending and empty. Bound on its own, it answers
// `show` followed by a word that reports nothing here.
void show_cmd(CommandContext& cmd);
// Reports whose whole text is the command's template in the command database (flash, clock ...).
void show_template_command(CommandContext& cmd);
void show_clock_command(CommandContext& cmd);
void show_debugging_command(CommandContext& cmd);
// `show hosts`: the template in classic; a real router's domain, lookup and host table.
void show_hosts_command(CommandContext& cmd);
// `show arp`: the network prints the ARP table after the command's output.
void show_arp_command(CommandContext& cmd);
void show_version_command(CommandContext& cmd);
void show_history_command(CommandContext& cmd);
void show_protocols_command(CommandContext& cmd);
void show_running_config_command(CommandContext& cmd);
void show_startup_config_command(CommandContext& cmd);
void show_interfaces_command(CommandContext& cmd);
void show_interfaces_description_command(CommandContext& cmd);
// `show interfaces TYPE NUMBER`: the one interface.
void show_interface_command(CommandContext& cmd);
// Real-router `show controllers serial NUMBER`.
void show_controllers_serial_command(CommandContext& cmd);
// The `show ip ...` and `show cdp ...` reports are in show_ip.h and cdp.h.

}  // namespace zorva
