// The user-facing half of CDP: the configuration commands (`cdp run`, `cdp timer`, `cdp holdtime`,
// `cdp advertise-v2`, and `cdp enable` on an interface, each also with `no`) and the `show cdp`
// reports.
#pragma once

namespace zorva {

struct CommandContext;

// Carries out a `cdp` command on cmd.router. A timer outside 5..254 seconds or a holdtime
// outside 10..255 prints the invalid-input message and keeps the old value; `no` restores the
// default after that check.
void exec_cdp(CommandContext& cmd);

// The `show cdp ...` reports, each bound to its row of the command tree: the global settings,
// `entry`, `interface`, `neighbors`, `neighbors detail` and `traffic`.
void show_cdp_command(CommandContext& cmd);
void show_cdp_entry_command(CommandContext& cmd);
void show_cdp_interface_command(CommandContext& cmd);
void show_cdp_neighbors_command(CommandContext& cmd);
void show_cdp_neighbors_detail_command(CommandContext& cmd);
void show_cdp_traffic_command(CommandContext& cmd);

}  // namespace zorva
