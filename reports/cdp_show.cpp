// The `show cdp ...` handlers, one per report, each bound to its row of the command tree and
// leaving its report for the console to print.
#include <string>
#include <utility>

#include "parser/command_context.h"
#include "reports/cdp.h"
#include "reports/cdp_reports.h"
#include "state/router_record.h"

namespace zorva {

namespace {

void leave_report(CommandContext& cmd, std::string text) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = std::move(text);
}

}  // namespace

void show_cdp_command(CommandContext& cmd) {
  leave_report(cmd, cdp_global_report(cmd.router));
}

// `show cdp entry *` lists every neighbour; `show cdp entry NAME` the ones of that exact name.
void show_cdp_entry_command(CommandContext& cmd) {
  const std::string* device = cmd.pc.FullWords[4] == "*" ? nullptr : &cmd.pc.RawWords[4];
  leave_report(cmd, cdp_detail_blocks(cmd.router, cmd.sim_clock, device));
}

void show_cdp_interface_command(CommandContext& cmd) {
  leave_report(cmd, cdp_interface_report(cmd.router));
}

void show_cdp_neighbors_command(CommandContext& cmd) {
  leave_report(cmd, cdp_neighbor_table(cmd.router, cmd.sim_clock));
}

void show_cdp_neighbors_detail_command(CommandContext& cmd) {
  leave_report(cmd, cdp_detail_blocks(cmd.router, cmd.sim_clock, nullptr));
}

void show_cdp_traffic_command(CommandContext& cmd) {
  leave_report(cmd, cdp_traffic_report());
}

}  // namespace zorva
