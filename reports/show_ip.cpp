// `show ip ...`: the report the command's words select, left for the console to print.
#include "reports/show_ip.h"

#include "parser/command_context.h"
#include "reports/ip_show_report.h"
#include "reports/show_commands.h"
#include "state/router_record.h"

namespace zorva {

void ipshow(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = ip_show_report(cmd.router, cmd.pc, cmd.sim_clock, cmd.behaviour);
}

}  // namespace zorva
