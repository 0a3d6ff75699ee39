// The `show` commands whose text needs no report of its own: a word that reports nothing, the
// reports that are the command's template in the command database, and `show arp`, whose table
// the network prints after the command.
#include <algorithm>

#include "base/router_calendar.h"
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

// `show clock`: the template in classic; a real router's calendar clock, starred until `clock
// set` has set it.
void show_clock_command(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter) {
    show_template_command(cmd);
    return;
  }
  const RouterRecord& r = cmd.router;
  const std::int64_t now = static_cast<std::int64_t>(cmd.sim_clock) + r.clock_offset;
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer =
      std::string("\r\n") + (is_set(r.clock_set) ? "" : "*") + calendar_text(now) + "\r\n";
}

void show_hosts_command(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter) {
    show_template_command(cmd);
    return;
  }
  const NameServices& names = cmd.router.names;
  const bool lookup = is_set(names.domain_lookup);
  std::string out = "\r\nDefault domain is ";
  out += names.domain_name.empty() ? "not set" : names.domain_name;
  out += lookup ? "\r\nName/address lookup uses domain service\r\nName servers are 255.255.255.255"
                : "\r\nName/address lookup uses static mappings";
  out += "\r\n\r\nHost                     Flags      Age Type   Address(es)\r\n";
  for (const HostEntry& h : names.hosts) {
    std::string row = h.name;
    row.resize(std::max<std::size_t>(row.size() + 1, 25), ' ');
    out += row + "(perm, OK)  0   IP    " + h.address + "\r\n";
  }
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = out;
}

// `show debugging`: the debugging a real router has on, under the heading of its kind.
void show_debugging_command(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter) {
    show_cmd(cmd);  // classic reports nothing here
    return;
  }
  const RouterRecord& r = cmd.router;
  std::string out = "\r\n";
  std::string heading;
  for (const std::string& name : r.debugging) {
    const std::string kind = name.rfind("PPP", 0) == 0     ? "PPP:"
                             : name.rfind("CDP", 0) == 0   ? "CDP:"
                             : name.rfind("EIGRP", 0) == 0 ? "EIGRP:"
                                                           : "IP routing:";
    if (kind != heading) out += kind + "\r\n";
    heading = kind;
    out += "  " + name + " debugging is on\r\n";
  }
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = std::move(out);
}

void show_arp_command(CommandContext& cmd) {
  show_cmd(cmd);
  cmd.network.print_arp_table();
}

}  // namespace zorva
