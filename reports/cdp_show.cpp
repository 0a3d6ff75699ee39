// `show cdp ...`: the report the command's third word selects, left for the console to print.
#include "parser/command_context.h"
#include "reports/cdp.h"
#include "reports/cdp_reports.h"
#include "reports/show_commands.h"
#include "state/router_record.h"

namespace zorva {

void cdp_show(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = cdp_show_report(cmd.router, cmd.pc, cmd.sim_clock);
  cmd.pc.FullWords[3].clear();  // whatever the branch, the third word is spent
}

}  // namespace zorva
