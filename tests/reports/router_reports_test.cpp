// The router-wide reports where typing cannot reach: uptime wording at its boundaries, the history
// filled exactly, a count beyond it, source lines of addresses too long to type, and the routing
// table's gateway line. Route lines of every code and the history after its wrap are in the
// scenario transcripts (net_rip, net_ospf, net_igrp_eigrp, net_static_routes, show_history).
#include <gtest/gtest.h>

#include "reports/ip_protocols_report.h"
#include "reports/reports.h"
#include "reports/routing_table_report.h"
#include "tests/support/record_fixture.h"

namespace zorva::testing {
namespace {

TEST(UptimeText, WordsDaysHoursAndMinutesAtTheirBoundaries) {
  const std::pair<long long, const char*> cases[] = {
      {59, "0 minutes"},
      {60, "1 minute"},
      {119, "1 minute"},
      {120, " 2 minutes"},
      {7199, "1 hour,  59 minutes"},
      {86399, " 23 hours,  59 minutes"},
      {86400, "1 day, 0 minutes"},
      {90000, "1 day, 1 hour, 0 minutes"},
      {172800, " 2 days, 0 minutes"},
      {3 * 86400 + 2 * 3600 + 180, " 3 days,  2 hours,  3 minutes"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(uptime_text(seconds), text) << seconds;
}

class ShowHistory : public RecordFixture {
 protected:
  void remember(int n) {
    for (int i = 1; i <= n; ++i) router().history.exec_lines[i] = "cmd" + std::to_string(i);
    router().history.exec_count = static_cast<Int16>(n);
  }
  std::string report() { return build_show_history(router(), log_); }
};

TEST_F(ShowHistory, EmptyHistoryIsEmptyAndExactlyTheSizeStartsWithAnEmptyLine) {
  EXPECT_EQ(report(), "");
  remember(10);
  std::string expected = "\r\n";
  for (int i = 1; i <= 10; ++i) expected += "\r\n  cmd" + std::to_string(i);
  EXPECT_EQ(report(), expected);
}

TEST_F(ShowHistory, CountBeyondTheHistoryIsLoggedNotRead) {
  remember(100);
  router().history.exec_count = 102;
  const std::string r = report();
  EXPECT_EQ(r.substr(r.size() - 8), "  cmd100");  // lines 93..100 listed, 101 and 102 logged
  EXPECT_NE(log_text().find("build show history() - 9 - "), std::string::npos);
}

RouteEntry& add_route(RouterRecord& r, char code, Ipv4 network, Int16 prefix,
                      const std::string& via, Int16 distance = 0) {
  RouteEntry& route = r.routes[++r.route_count];
  route.code = code;
  route.network = network;
  route.prefix_length = prefix;
  route.interface_address = via;
  route.distance = distance;
  return route;
}

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(IpProtocolsReport, SourceLinesAreTwentyOneWideAndTwentyForOspf) {
  RouterRecord r;
  r.protocols.rip_enabled = r.protocols.ospf_enabled = kTrue;
  add_route(r, 'R', 0, 8, "10.1.1.2", 120).age = 7;
  add_route(r, 'R', 0, 8, "10.10.100.100.1.2.33", 120).age = 25;  // 20 characters
  add_route(r, 'R', 0, 8, "10.10.100.100.1.2.333", 120).age = 9;  // 21 characters
  add_route(r, 'O', 0, 8, "10.1.1.3", 110).age = 10;
  add_route(r, 'O', 0, 8, "10.10.100.100.1.2.33", 110).age = 0;
  const std::string t = build_show_ip_protocols(r);
  EXPECT_TRUE(has(t,
                  "  Routing Information Sources:\r\n"
                  "    10.1.1.2              120      00:00:07\r\n"
                  "    10.10.100.100.1.2.33  120      00:00:25\r\n"
                  "    10.10.100.100.1.2.333 120      00:00:09\r\n"
                  "  Distance: (default is 120)\r\n"));
  EXPECT_TRUE(has(t,
                  "    Gateway         Distance      Last Update\r\n"
                  "    10.1.1.3             110      00:00:10\r\n"
                  "    10.10.100.100.1.2.33 110      00:00:00\r\n"
                  "  Distance: (default is 110)"));
}

constexpr const char* kLegend =
    "\r\n"
    "Codes: C - connected, S - static, I - IGRP, R - RIP, M - mobile, B - BGP\r\n"
    "       D - EIGRP, EX - EIGRP external, O - OSPF, IA - OSPF inter area\r\n"
    "       E1 - OSPF external type 1, E2 - OSPF external type 2, E - EGP\r\n"
    "       i - IS-IS, L1 - IS-IS level-1, L2 - IS-IS level-2, * - candidate default\r\n"
    "       U - per-user static route\r\n";

TEST(RoutingTableReport, FirstStaticDefaultGivesTheGatewayWithoutTheEmptyLine) {
  RouterRecord r;
  add_route(r, 'C', 0, 0, "Ethernet0");  // a connected 0.0.0.0 is no default
  add_route(r, 'S', 0, 0, "10.1.1.2", 1);
  add_route(r, 'S', 0, 0, "10.1.1.3", 1);
  EXPECT_EQ(build_routing_table(r, 0), std::string(kLegend) +
                                           "Gateway of last resort is to network 0.0.0.0\r\n"
                                           "C      0.0.0.0/0 is directly connected, Ethernet0\r\n"
                                           "S      0.0.0.0/0 [1/0] via 10.1.1.2\r\n"
                                           "S      0.0.0.0/0 [1/0] via 10.1.1.3\r\n");
}

}  // namespace
}  // namespace zorva::testing
