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
                         const std::string& w4) {
  const std::string& w5 = pc.FullWords[5];
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
                        const std::string& w4) {
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

// Real-router `show ip route connected|static|rip|igrp|eigrp|ospf`: the routes of one source, the
// lines of the table that begin with its code, without the legend.
std::string routes_of_source(const std::string& table, const std::string& source) {
  static constexpr std::pair<std::string_view, char> kCodes[] = {
      {"connected", 'C'}, {"static", 'S'}, {"rip", 'R'},
      {"igrp", 'I'},      {"eigrp", 'D'},  {"ospf", 'O'}};
  char code = 0;
  for (const auto& [name, letter] : kCodes)
    if (source == name) code = letter;
  std::string out;
  std::size_t start = 0;
  while (start < table.size()) {
    std::size_t end = table.find("\r\n", start);
    if (end == std::string::npos) end = table.size();
    // A route's line is its code and a blank; the legend's "Codes:" line is not a route.
    if (end > start + 1 && table[start] == code && table[start + 1] == ' ')
      out += table.substr(start, end - start) + "\r\n";
    start = end + 2;
  }
  return out.empty() ? out : "\r\n" + out;  // no route of the source: nothing at all
}

}  // namespace

std::string ip_show_report(RouterRecord& r, const ParsedCommand& pc, Int32 sim_clock) {
  const std::string w3 = to_lower(trim(pc.FullWords[3]));
  const std::string w4 = to_lower(trim(pc.FullWords[4]));
  if (w3 == "interface") {
    if (w4.empty()) return build_show_ip_int(r, pc.TopText);
    if (w4 == "brief") return build_show_ip_int_brief(r);
    return "";
  }
  if (w3 == "route") {
    std::string table = build_routing_table(r, sim_clock);
    if (pc.behaviour != Behaviour::RealRouter || w4.empty()) return table;
    return routes_of_source(table, w4);
  }
  if (w3 == "protocols") return build_show_ip_protocols(r);
  if (w3 == "eigrp") return eigrp_report(r, pc, sim_clock, w4);
  if (w3 == "ospf") return ospf_report(r, pc, sim_clock, w4);
  return "";
}

}  // namespace zorva
