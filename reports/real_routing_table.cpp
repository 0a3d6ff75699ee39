// `show ip route` as a real router prints it: the code legend, the gateway of last resort, and the
// routes grouped under their classful network ("10.0.0.0/24 is subnetted, 3 subnets"), each
// network with all its equal-cost paths, metrics, next hops, ages and outgoing interfaces.
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/report_text.h"
#include "reports/routing_table_report.h"
#include "state/ipv4.h"
#include "state/router_record.h"
#include "state/summary_route.h"

namespace zorva {

namespace {

constexpr std::string_view kRealLegend =
    "Codes: C - connected, S - static, I - IGRP, R - RIP, M - mobile, B - BGP\r\n"
    "       D - EIGRP, EX - EIGRP external, O - OSPF, IA - OSPF inter area \r\n"
    "       N1 - OSPF NSSA external type 1, N2 - OSPF NSSA external type 2\r\n"
    "       E1 - OSPF external type 1, E2 - OSPF external type 2, E - EGP\r\n"
    "       i - IS-IS, L1 - IS-IS level-1, L2 - IS-IS level-2, ia - IS-IS inter area\r\n"
    "       * - candidate default, U - per-user static route, o - ODR\r\n"
    "       P - periodic downloaded static route\r\n";

constexpr std::size_t kSubnetCodeWidth = 8;   // "C       10.1.1.0 ..." under a subnetted header
constexpr std::size_t kNetworkCodeWidth = 5;  // "C    192.168.1.0/24 ..."
constexpr std::string_view kHeaderIndent = "     ";

bool is_default(const RouteEntry& e) {
  return e.network == 0 && e.prefix_length == 0;
}

// "C", "S*", "O IA", "O E2", "O*E2", "D EX", "D*EX": the letter, a star for a candidate default
// (else a blank before an external kind), the OSPF or EIGRP kind.
std::string code_text(const RouteEntry& e) {
  std::string code(1, e.code);
  if (is_default(e))
    code += '*';
  else if (is_set(e.external))
    code += ' ';
  if (is_set(e.external)) code += e.code == 'D' ? "EX" : "E2";
  if (is_set(e.inter_area)) code += " IA";
  return code;
}

// What follows the network of one path: "is directly connected, Serial0" or
// "[120/1] via 10.1.1.2, 00:00:12, Serial0".
std::string path_text(const RouterRecord& r, const RouteEntry& e, Int32 now) {
  if (is_summary_route(e))
    return "is a summary, " + route_age_text(static_cast<long long>(now) - e.learned_at) + ", " +
           std::string(kNullInterface);
  const bool exit_static = e.code == 'S' && !e.interface_name.empty();
  if (e.code == 'C' || exit_static) return "is directly connected, " + route_interface_name(r, e);
  std::string text =
      "[" + plain_number(e.distance) + "/" + plain_number(e.metric) + "] via " + dotted(e.next_hop);
  if (e.code == 'S') return text;
  return text + ", " + route_age_text(route_age_seconds(e, now)) + ", " +
         route_interface_name(r, e);
}

// One network with its paths: the first on the code's line, the others beneath its "[".
void append_network(std::string& out, const RouterRecord& r, const std::vector<RouteEntry>& paths,
                    std::size_t code_width, bool with_prefix, Int32 now) {
  const RouteEntry& first = paths.front();
  std::string line;
  append_padded(line, code_text(first), code_width);
  line += dotted(first.network);
  if (with_prefix) line += "/" + plain_number(first.prefix_length);
  line += ' ';
  const std::size_t indent = line.size();
  add_line(out, line, path_text(r, first, now));
  for (std::size_t k = 1; k < paths.size(); ++k)
    add_line(out, std::string(indent, ' '), path_text(r, paths[k], now));
}

using Paths = std::vector<RouteEntry>;

}  // namespace

// A route's age as real routers print it: hh:mm:ss below a day, then days and hours, then weeks.
std::string route_age_text(long long seconds) {
  seconds = std::max(0LL, seconds);
  if (seconds < 86400) return elapsed_text(seconds);
  if (seconds < 7 * 86400)
    return std::to_string(seconds / 86400) + "d" + (seconds % 86400 / 3600 < 10 ? "0" : "") +
           std::to_string(seconds % 86400 / 3600) + "h";
  return std::to_string(seconds / (7 * 86400)) + "w" + std::to_string(seconds / 86400 % 7) + "d";
}

long long route_age_seconds(const RouteEntry& e, Int32 now) {
  const bool periodic = e.code == 'R' || e.code == 'I';
  return static_cast<long long>(now) - (periodic ? e.refreshed_at : e.learned_at);
}

std::string route_interface_name(const RouterRecord& r, const RouteEntry& e) {
  if (!e.interface_name.empty()) return e.interface_name;
  const int i = e.out_index;
  return i >= 1 && i <= std::min<int>(r.interface_count, kMaxInterfaces) ? r.interfaces[i].name
                                                                         : "";
}

std::string build_real_routing_table(const RouterRecord& r, Int32 now) {
  const int count = std::clamp<int>(r.route_count, 0, kMaxRoutes);
  // Networks with their paths, keyed by (network, prefix); the table holds the paths of one
  // network next to each other.
  std::map<std::pair<Ipv4, int>, Paths> networks;
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& e = r.routes[k];
    networks[{e.network, e.prefix_length}].push_back(e);
  }
  std::string out(kLineEnd);
  out.append(kRealLegend);
  out.append(kLineEnd);
  const auto gateway = networks.find({0, 0});
  if (gateway != networks.end()) {
    const RouteEntry& d = gateway->second.front();
    add_line(out, "Gateway of last resort is ", dotted(d.next_hop), " to network 0.0.0.0");
  } else {
    add_line(out, "Gateway of last resort is not set");
  }
  out.append(kLineEnd);

  // Classful networks in address order; routes shorter than their class (the default route and
  // summaries) stand alone, and the default route comes last.
  std::map<Ipv4, std::vector<const Paths*>> majors;
  std::vector<const Paths*> alone;
  for (const auto& [key, paths] : networks) {
    if (key.second < classful_length(key.first)) {
      if (key.second != 0) alone.push_back(&paths);
    } else {
      majors[classful_network(key.first)].push_back(&paths);
    }
  }
  for (const auto& [major, members] : majors) {
    const int class_length = classful_length(major);
    const bool subnetted = std::any_of(members.begin(), members.end(), [&](const Paths* p) {
      return p->front().prefix_length > class_length;
    });
    if (!subnetted) {
      for (const Paths* p : members) append_network(out, r, *p, kNetworkCodeWidth, true, now);
      continue;
    }
    std::set<int> masks;
    for (const Paths* p : members) masks.insert(p->front().prefix_length);
    const std::string n = plain_number(static_cast<long long>(members.size()));
    if (masks.size() == 1) {
      add_line(out, kHeaderIndent, dotted(major), "/", plain_number(*masks.begin()),
               " is subnetted, ", n, " subnets");
    } else {
      add_line(out, kHeaderIndent, dotted(major), "/", plain_number(class_length),
               " is variably subnetted, ", n, " subnets, ",
               plain_number(static_cast<long long>(masks.size())), " masks");
    }
    for (const Paths* p : members)
      append_network(out, r, *p, kSubnetCodeWidth, masks.size() > 1, now);
  }
  for (const Paths* p : alone) append_network(out, r, *p, kNetworkCodeWidth, true, now);
  if (gateway != networks.end())
    append_network(out, r, gateway->second, kNetworkCodeWidth, true, now);
  return out;
}

}  // namespace zorva
