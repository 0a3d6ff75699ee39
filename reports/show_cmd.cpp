// The `show` commands whose text needs no report of its own: a word that reports nothing, the
// reports that are the command's template in the command database, and `show arp`, whose table
// the network prints after the command.
#include "parser/command_context.h"
#include "parser/network_requests.h"
#include "reports/show_commands.h"
#include "state/router_record.h"

namespace zorva {

void show_cmd(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer.clear();
}

void show_template_command(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = cmd.pc.TopText + "\r\n";
}

void show_arp_command(CommandContext& cmd) {
  show_cmd(cmd);
  cmd.network.print_arp_table();
}

}  // namespace zorva
