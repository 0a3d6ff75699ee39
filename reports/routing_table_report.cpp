// The routing table: legend, gateway line and one line per route.
#include "reports/routing_table_report.h"

#include <algorithm>

#include "base/number_text.h"
#include "reports/ipv4_text.h"
#include "reports/report_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kCodeLegend =
    "Codes: C - connected, S - static, I - IGRP, R - RIP, M - mobile, B - BGP\r\n"
    "       D - EIGRP, EX - EIGRP external, O - OSPF, IA - OSPF inter area\r\n"
    "       E1 - OSPF external type 1, E2 - OSPF external type 2, E - EGP\r\n"
    "       i - IS-IS, L1 - IS-IS level-1, L2 - IS-IS level-2, * - candidate default\r\n"
    "       U - per-user static route\r\n";

// Learned routes carry no real age; every one shows the same.
constexpr std::string_view kFixedAge = ", 00:00:21, ";

// The metric a learned route shows. The EIGRP figure is not the stored metric but a number that
// moves with the clock and the route's place in the table, so the table looks alive.
long long shown_metric(const RouteEntry& route, int position, Int32 sim_clock) {
  if (route.code == 'D') return sim_clock % 10000 + 8 + position;
  return route.metric;
}

void append_route_line(std::string& out, const RouteEntry& route, int position, Int32 sim_clock) {
  out.push_back(route.code);
  out.append(6, ' ');
  out.append(dotted(route.network));
  out.append("/");
  out.append(plain_number(route.prefix_length));
  const std::string distance = plain_number(route.distance);
  if (route.code == 'C') {
    add_line(out, " is directly connected, ", route.interface_address);
  } else if (route.code == 'S') {
    add_line(out, " [", distance, "/0] via ", route.interface_address);
  } else {
    add_line(out, " [", distance, "/", plain_number(shown_metric(route, position, sim_clock)),
             "] via ", route.interface_address, kFixedAge, route.interface_name);
  }
}

}  // namespace

std::string build_routing_table(const RouterRecord& r, Int32 sim_clock) {
  const int count = std::clamp<int>(r.route_count, 0, kMaxRoutes);
  std::string out(kLineEnd);
  out.append(kCodeLegend);
  const auto first = r.routes.begin() + 1;
  const auto last = first + count;
  const auto gateway = std::find_if(
      first, last, [](const RouteEntry& route) { return route.code == 'S' && route.network == 0; });
  if (gateway != last) {
    add_line(out, "Gateway of last resort is to network ", dotted(gateway->network));
  } else {
    out.append(kLineEnd);
    add_line(out, "Gateway of last resort is not set");
  }
  for (int i = 1; i <= count; ++i) append_route_line(out, r.routes[i], i, sim_clock);
  return out;
}

}  // namespace zorva
