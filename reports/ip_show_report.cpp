// The choice of `show ip ...` report by the third, fourth and fifth words.
#include "reports/ip_show_report.h"

#include <string_view>
#include <utility>

#include "base/number_text.h"
#include "reports/eigrp_reports.h"
#include "reports/ip_interface_reports.h"
#include "reports/ip_protocols_report.h"
#include "reports/ospf_reports.h"
#include "reports/routing_table_report.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// The reports whose whole text is the command's template.
std::string template_report(const ParsedCommand& pc) {
  return pc.TopText + "\r\n";
}

std::string eigrp_report(const RouterRecord& r, const ParsedCommand& pc, Int32 sim_clock,
                         const std::string& w4, bool real) {
  const std::string& w5 = pc.FullWords[5];
  if (real && w4 == "neighbors") return build_real_eigrp_neighbors(r, sim_clock);
  if (w4 == "traffic") return template_report(pc);
  if (w4 == "topology") return build_show_eigrp_topology(r);
  if (w4 == "interfaces") return build_show_eigrp_interfaces(r);
  if (w4 == "neighbors") {
    // The version line needs a fifth word "details"; the command tree spells the only fifth word
    // "detail", so `show ip eigrp neighbors detail` prints the same table as the plain command.
    return build_show_eigrp_neighbors(r, sim_clock, w5 == "details");
  }
  return "";
}

std::string ospf_report(RouterRecord& r, const ParsedCommand& pc, Int32 sim_clock,
                        const std::string& w4, bool real) {
  if (real && w4 == "neighbor" && pc.Words[5].empty())
    return build_real_ospf_neighbors(r, sim_clock);
  if (w4.empty()) return build_show_ip_ospf(r);
  if (w4 == "database") return build_show_ospf_database(r, sim_clock);
  if (w4 == "interface") return build_show_ospf_interface(r);
  if (w4 == "neighbor") {
    // The fifth word is compared as typed: an abbreviated "det" prints nothing.
    const std::string& t5 = pc.Words[5];
    if (t5.empty()) return build_show_ospf_neighbors(r, sim_clock);
    if (t5 == "detail") return build_show_ospf_neighbors_detail(r, sim_clock);
    return "";
  }
  if (w4 == "request-list" || w4 == "retransmission-list" || w4 == "summary-address" ||
      w4 == "virtual-links")
    return template_report(pc);
  return "";
}

// Real-router `show ip route connected|static|rip|igrp|eigrp|ospf`: the routes of one source
// without the legend. A route's line begins with its code and a blank; a "subnetted" header is kept
// above the first route of its network that is kept, and the further paths of a kept route (lines
// that begin with blanks) stay under it.
std::string routes_of_source(const std::string& table, const std::string& source) {
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
      // A network written with its prefix length stands at the top level, under no header.
      const std::size_t word = line.find_first_not_of(" *ACDEIOR", 1);
      const std::string network = word == std::string::npos ? "" : line.substr(word, 19);
      if (network.substr(0, network.find(' ')).find('/') != std::string::npos) header.clear();
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

std::string ip_show_report(RouterRecord& r, const ParsedCommand& pc, Int32 sim_clock,
                           Behaviour behaviour) {
  const bool real = behaviour == Behaviour::RealRouter;
  const std::string w3 = to_lower(trim(pc.FullWords[3]));
  const std::string w4 = to_lower(trim(pc.FullWords[4]));
  if (w3 == "interface") {
    if (w4.empty()) return build_show_ip_int(r, pc.TopText);
    if (w4 == "brief") return build_show_ip_int_brief(r);
    return "";
  }
  if (w3 == "route") {
    if (!real) return build_routing_table(r, sim_clock);
    const std::string table = build_real_routing_table(r, sim_clock);
    return w4.empty() ? table : routes_of_source(table, w4);
  }
  if (w3 == "protocols")
    return real ? build_real_ip_protocols(r, sim_clock) : build_show_ip_protocols(r);
  if (w3 == "eigrp") return eigrp_report(r, pc, sim_clock, w4, real);
  if (w3 == "ospf") return ospf_report(r, pc, sim_clock, w4, real);
  return "";
}

}  // namespace zorva
