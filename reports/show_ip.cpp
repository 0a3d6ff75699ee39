// The `show ip ...` handlers, one per report, each bound to its row of the command tree. The
// real-router behaviour prints the routing table, the protocols and the OSPF and EIGRP
// neighbours as real routers do.
#include "reports/show_ip.h"

#include <optional>
#include <string_view>
#include <utility>

#include "base/number_text.h"
#include "parser/command_context.h"
#include "parser/command_database.h"
#include "parser/network_requests.h"
#include "reports/display_name.h"
#include "reports/eigrp_reports.h"
#include "reports/ip_interface_reports.h"
#include "reports/ip_protocols_report.h"
#include "reports/ospf_reports.h"
#include "reports/report_text.h"
#include "reports/routing_table_report.h"
#include "state/ipv4.h"
#include "state/router_record.h"

namespace zorva {

namespace {

void leave_report(CommandContext& cmd, std::string text) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = std::move(text);
}

bool real_router(const CommandContext& cmd) {
  return cmd.behaviour == Behaviour::RealRouter;
}

// Real-router `show ip route connected|static|rip|igrp|eigrp|ospf`: the routes of one source
// without the legend. A route's line begins with its code and a blank; a "subnetted" header is kept
// above the first route of its network that is kept, and the further paths of a kept route (lines
// that begin with blanks) stay under it.
std::string routes_of_source(const std::string& table, const std::string& source) {
  constexpr std::size_t kSubnetColumn = 8;
  static constexpr std::pair<std::string_view, char> kCodes[] = {
      {"connected", 'C'}, {"static", 'S'}, {"rip", 'R'},
      {"igrp", 'I'},      {"eigrp", 'D'},  {"ospf", 'O'}};
  char code = 0;
  for (const auto& [name, letter] : kCodes)
    if (source == name) code = letter;
  std::string out;
  std::string header;    // the last "is subnetted" line not yet written
  bool keeping = false;  // the last route line was kept
  std::size_t start = 0;
  while (start < table.size()) {
    std::size_t end = table.find("\r\n", start);
    if (end == std::string::npos) end = table.size();
    const std::string line = table.substr(start, end - start);
    start = end + 2;
    if (line.find("subnetted") != std::string::npos && line.rfind(' ', 0) == 0) {
      header = line;
      keeping = false;
    } else if (line.size() > 1 && line[0] == code && (line[1] == ' ' || line[1] == '*')) {
      // A network under a header begins in column 8 ("R       10.1.1.0", "R       10.1.1.0/25"
      // when the masks vary); one that begins further left stands at the top level.
      const std::size_t word = line.find_first_not_of(" *ACDEIOR", 1);
      if (word == std::string::npos || word < kSubnetColumn) header.clear();
      if (!header.empty()) out += header + "\r\n";
      header.clear();
      out += line + "\r\n";
      keeping = true;
    } else if (keeping && line.rfind("  ", 0) == 0 && line.find("via ") != std::string::npos) {
      out += line + "\r\n";
    } else if (!line.empty() && line[0] != ' ') {
      keeping = false;
    }
  }
  return out.empty() ? out : "\r\n" + out;  // no route of the source: nothing at all
}

}  // namespace

// `show ip interface`: every interface, its lines from the command's template; in real-router,
// or the one interface named by type and number (`show ip interface serial 0`).
void show_ip_interface_command(CommandContext& cmd) {
  const std::string name = real_router(cmd) ? interface_named_on_line(cmd.pc, 4) : std::string();
  // The template belongs to `show ip interface` itself, not to the type word after it.
  ParsedCommand first_words = cmd.pc;
  if (!name.empty()) cmd.db.sql_get_command_text(first_words, 3);
  std::string report = build_show_ip_int(cmd.router, first_words.TopText, name);
  if (!name.empty() && report == kLineEnd) report = "\r\n% Invalid interface type and number\r\n";
  leave_report(cmd, std::move(report));
}

void show_ip_interface_brief_command(CommandContext& cmd) {
  leave_report(cmd, real_router(cmd) ? build_real_ip_int_brief(cmd.router)
                                     : build_show_ip_int_brief(cmd.router));
}

// `show ip route`; real-router `show ip route SOURCE` keeps the routes of one source, and
// `show ip route A.B.C.D [MASK]` shows the entry of one network.
void show_ip_route_command(CommandContext& cmd) {
  if (!real_router(cmd)) {
    leave_report(cmd, build_routing_table(cmd.router, cmd.sim_clock));
    return;
  }
  if (const std::optional<Ipv4> address = parse_dotted(cmd.pc.Words[4])) {
    leave_report(cmd, build_real_route_entry(cmd.router, *address, parse_dotted(cmd.pc.Words[5]),
                                             cmd.sim_clock));
    return;
  }
  const std::string table = build_real_routing_table(cmd.router, cmd.sim_clock);
  const std::string source = to_lower(trim(cmd.pc.FullWords[4]));
  leave_report(cmd, source.empty() ? table : routes_of_source(table, source));
}

void show_ip_rip_database_command(CommandContext& cmd) {
  leave_report(cmd, build_real_rip_database(cmd.router, cmd.sim_clock));
}

void show_ip_protocols_command(CommandContext& cmd) {
  leave_report(cmd, real_router(cmd) ? build_real_ip_protocols(cmd.router, cmd.sim_clock)
                                     : build_show_ip_protocols(cmd.router));
}

void show_ip_eigrp_interfaces_command(CommandContext& cmd) {
  leave_report(cmd, build_show_eigrp_interfaces(cmd.router, real_router(cmd)));
}

// `show ip eigrp traffic`: the template, in real-router under the process's own AS number.
void show_ip_eigrp_traffic_command(CommandContext& cmd) {
  const std::string text = cmd.pc.TopText + "\r\n";
  leave_report(cmd, real_router(cmd) ? real_eigrp_traffic(cmd.router, text) : text);
}

// `show ip eigrp neighbors [detail]`. The version line needs a fifth word "details"; the command
// tree spells the only fifth word "detail", so the detail form prints the same table.
void show_ip_eigrp_neighbors_command(CommandContext& cmd) {
  if (real_router(cmd)) {
    leave_report(cmd, build_real_eigrp_neighbors(cmd.router, cmd.sim_clock,
                                                 to_lower(cmd.pc.FullWords[5]) == "detail"));
    return;
  }
  leave_report(
      cmd, build_show_eigrp_neighbors(cmd.router, cmd.sim_clock, cmd.pc.FullWords[5] == "details"));
}

void show_ip_eigrp_topology_command(CommandContext& cmd) {
  if (real_router(cmd)) {
    leave_report(cmd, build_real_eigrp_topology(cmd.router));
    return;
  }
  leave_report(cmd, build_show_eigrp_topology(cmd.router));
}

// Real-router: the process counts the external advertisements of the whole network's database.
void show_ip_ospf_command(CommandContext& cmd) {
  if (real_router(cmd)) {
    cmd.network.print_ospf_process();
    return;
  }
  leave_report(cmd, build_show_ip_ospf(cmd.router));
}

// Real-router: the database depends on the routers this one reaches, which the network knows.
void show_ip_ospf_database_command(CommandContext& cmd) {
  if (real_router(cmd)) {
    cmd.network.print_ospf_database();
    return;
  }
  leave_report(cmd, build_show_ospf_database(cmd.router, cmd.sim_clock));
}

// `show ip ospf interface`, or in real-router one interface named by its type and number
// (`show ip ospf interface serial 0`).
void show_ip_ospf_interface_command(CommandContext& cmd) {
  if (!real_router(cmd)) {
    leave_report(cmd, build_show_ospf_interface(cmd.router));
    return;
  }
  if (to_lower(trim(cmd.pc.FullWords[5])) == "brief") {
    leave_report(cmd, build_real_ospf_interface_brief(cmd.router));
    return;
  }
  leave_report(cmd, build_real_ospf_interface(cmd.router, interface_named_on_line(cmd.pc, 5)));
}

// `show ip ospf neighbor [detail]`. The fifth word is compared as typed: in classic an
// abbreviated "det" prints nothing. Real-router prints its own table and detail.
void show_ip_ospf_neighbor_command(CommandContext& cmd) {
  const std::string& typed5 = cmd.pc.Words[5];
  if (real_router(cmd) && !typed5.empty()) {  // `det` stands for detail on a real router
    leave_report(cmd, build_real_ospf_neighbors_detail(cmd.router, cmd.sim_clock));
    return;
  }
  if (typed5.empty()) {
    leave_report(cmd, real_router(cmd) ? build_real_ospf_neighbors(cmd.router, cmd.sim_clock)
                                       : build_show_ospf_neighbors(cmd.router, cmd.sim_clock));
    return;
  }
  leave_report(
      cmd, typed5 == "detail" ? build_show_ospf_neighbors_detail(cmd.router, cmd.sim_clock) : "");
}

}  // namespace zorva
