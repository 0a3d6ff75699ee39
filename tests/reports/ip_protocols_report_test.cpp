// show ip protocols beyond net_rip, net_ospf and net_igrp_eigrp: the RIP interface list with a BRI
// and with every line down, and the source lines at their two widths.
#include "reports/ip_protocols_report.h"

#include <gtest/gtest.h>

#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(IpProtocolsReport, RipListsEveryInterfaceWithLineProtocolUp) {
  RouterRecord r;
  r.protocols.rip_enabled = kTrue;
  r.protocols.rip_networks[1] = "10.0.0.0";
  r.protocols.rip_network_count = 1;
  add_interface(r, "SERIAL", "Serial0", "up");
  add_interface(r, "SERIAL", "Serial1", "down");
  add_interface(r, "ETHERNET", "Ethernet0", "up");
  add_interface(r, "BRI", "Bri0", "up");
  EXPECT_TRUE(has(build_show_ip_protocols(r),
                  "    Interface        Send  Recv   Key-chain\r\n"
                  "    Serial0          1     1 2\r\n"
                  "    Ethernet0        1     1 2\r\n"
                  "    Bri0             1     1 2\r\n"
                  "  Routing for Networks:\r\n"
                  "    10.0.0.0\r\n"
                  "  Routing Information Sources:\r\n"));
  for (int i = 1; i <= r.interface_count; ++i) r.interfaces[i].line_protocol = LinkState::Down;
  EXPECT_TRUE(has(build_show_ip_protocols(r),
                  "    Interface        Send  Recv   Key-chain\r\n  Routing for Networks:\r\n"));
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

}  // namespace
}  // namespace zorva::testing
