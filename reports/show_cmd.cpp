// The show dispatcher: picks the report by the command's second word as the database spells it.
#include "base/error_log.h"
#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/cdp.h"
#include "reports/real_router_config.h"
#include "reports/reports.h"
#include "reports/show_ip.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// Reports whose whole text is the command's template in the command database.
bool is_template_report(const std::string& word) {
  return word == "flash" || word == "clock" || word == "hosts" || word == "users";
}

}  // namespace

void show_cmd(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  r.output_pending = kTrue;
  r.output_buffer.clear();
  const std::string what = to_lower(trim(cmd.pc.FullWords[2]));
  if (is_template_report(what)) {
    r.output_buffer = cmd.pc.TopText + "\r\n";
  } else if (what == "arp") {
    r.pending_action = PendingAction::ShowArp;
  } else if (what == "version") {
    r.output_buffer = build_show_version(r, cmd.pc.TopText, cmd.sim_clock);
  } else if (what == "history") {
    r.output_buffer = build_show_history(r, cmd.log);
  } else if (what == "protocols") {
    r.output_buffer = build_show_protocols(r);
  } else if (what == "running-config") {
    r.output_buffer = cmd.behaviour == Behaviour::RealRouter ? show_real_router_running_config(r)
                                                             : build_running_config(r);
  } else if (what == "startup-config") {
    const bool real_saved = cmd.behaviour == Behaviour::RealRouter && !r.startup_config.empty();
    r.output_buffer = real_saved ? show_real_router_startup_config(r.startup_config)
                      : r.startup_config.empty()
                          ? "%% Non-volatile configuration memory is not present\r\n"
                          : r.startup_config;
  } else if (what == "interfaces") {
    r.output_buffer = build_show_interfaces(r);
  } else if (what == "ip") {
    ipshow(cmd);
  } else if (what == "cdp") {
    cdp_show(cmd);
  }
}

}  // namespace zorva
