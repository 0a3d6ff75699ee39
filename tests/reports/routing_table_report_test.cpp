// show ip route: legend, the gateway line with and without a static default, and the route lines
// of each code, including the EIGRP metric that moves with the clock.
#include "reports/routing_table_report.h"

#include <gtest/gtest.h>

#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

constexpr const char* kLegend =
    "\r\n"
    "Codes: C - connected, S - static, I - IGRP, R - RIP, M - mobile, B - BGP\r\n"
    "       D - EIGRP, EX - EIGRP external, O - OSPF, IA - OSPF inter area\r\n"
    "       E1 - OSPF external type 1, E2 - OSPF external type 2, E - EGP\r\n"
    "       i - IS-IS, L1 - IS-IS level-1, L2 - IS-IS level-2, * - candidate default\r\n"
    "       U - per-user static route\r\n";

constexpr Ipv4 k10_1_1_0 = 0x0A010100;

TEST(RoutingTableReport, WithoutAStaticDefaultAnEmptyLineThenNotSet) {
  RouterRecord r;
  EXPECT_EQ(build_routing_table(r, 0),
            std::string(kLegend) + "\r\nGateway of last resort is not set\r\n");
  add_route(r, 'R', 0, 0, "10.1.1.2", 120);  // a default learned by RIP is no static one
  EXPECT_NE(build_routing_table(r, 0).find("\r\n\r\nGateway of last resort is not set\r\n"),
            std::string::npos);
}

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

TEST(RoutingTableReport, RouteLinesByCodeAndNoDefaultWithoutStaticZero) {
  RouterRecord r;
  add_route(r, 'R', k10_1_1_0, 24, "10.2.2.2", 120).metric = 3;
  RouteEntry& d = add_route(r, 'D', 0xAC100000, 16, "10.3.3.3", 90);
  d.metric = 999999;  // not shown: the EIGRP figure is derived from the clock
  d.interface_name = "Serial1";
  add_route(r, 'O', 0xC0A80100, 24, "10.4.4.4", 110).metric = 74;
  add_route(r, 'I', 0x0B000000, 8, "10.5.5.5", 100).metric = 8576;
  add_route(r, 'S', k10_1_1_0, 24, "10.9.9.9", 1);  // static, but no default
  r.routes[1].interface_name = "Ethernet0";
  r.routes[3].interface_name = "Serial0";
  r.routes[4].interface_name = "Serial2";
  // sim_clock 123456: 3456 + 8 + position 2.
  EXPECT_EQ(build_routing_table(r, 123456).substr(std::string(kLegend).size()),
            "\r\nGateway of last resort is not set\r\n"
            "R      10.1.1.0/24 [120/3] via 10.2.2.2, 00:00:21, Ethernet0\r\n"
            "D      172.16.0.0/16 [90/3466] via 10.3.3.3, 00:00:21, Serial1\r\n"
            "O      192.168.1.0/24 [110/74] via 10.4.4.4, 00:00:21, Serial0\r\n"
            "I      11.0.0.0/8 [100/8576] via 10.5.5.5, 00:00:21, Serial2\r\n"
            "S      10.1.1.0/24 [1/0] via 10.9.9.9\r\n");
}

}  // namespace
}  // namespace zorva::testing
