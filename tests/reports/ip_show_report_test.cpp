// The choice of show ip report by the words of the command: which words pick which report, which
// words are compared as typed, and which combinations print nothing.
#include "reports/ip_show_report.h"

#include <gtest/gtest.h>

#include "reports/eigrp_reports.h"
#include "reports/ip_interface_reports.h"
#include "reports/ip_protocols_report.h"
#include "reports/ospf_reports.h"
#include "reports/routing_table_report.h"
#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

constexpr Int32 kClock = 1234;

class IpShowReport : public ::testing::Test {
 protected:
  IpShowReport() {
    add_interface(r_, "ETHERNET", "Ethernet0", "up", "10.1.1.1");
    r_.protocols.eigrp_enabled = r_.protocols.rip_enabled = kTrue;
    r_.protocols.ospf_neighbors[1].address = "10.1.1.2";
    r_.protocols.ospf_neighbor_count = 1;
    add_route(r_, 'D', 0x0A000000, 8, "10.1.1.3", 90);
  }

  // FullWords 3..5 as the database spells them, Words 5 as typed.
  std::string show(const std::string& w3, const std::string& w4 = "", const std::string& w5 = "",
                   const std::string& typed5 = "") {
    ParsedCommand pc;
    pc.TopText = "TEMPLATE";
    pc.FullWords[1] = "show";
    pc.FullWords[2] = "ip";
    pc.FullWords[3] = w3;
    pc.FullWords[4] = w4;
    pc.FullWords[5] = w5;
    pc.Words[5] = typed5;
    return ip_show_report(r_, pc, kClock);
  }

  RouterRecord r_;
};

TEST_F(IpShowReport, WordsPickTheirReport) {
  EXPECT_EQ(show(" Interface "), build_show_ip_int(r_, "TEMPLATE"));
  EXPECT_EQ(show("interface", "brief"), build_show_ip_int_brief(r_));
  EXPECT_EQ(show("route"), build_routing_table(r_, kClock));
  EXPECT_EQ(show("protocols"), build_show_ip_protocols(r_));
  EXPECT_EQ(show("eigrp", "topology"), build_show_eigrp_topology(r_));
  EXPECT_EQ(show("eigrp", "interfaces"), build_show_eigrp_interfaces(r_));
  EXPECT_EQ(show("eigrp", "neighbors"), build_show_eigrp_neighbors(r_, kClock, false));
  EXPECT_EQ(show("eigrp", "neighbors", "detail", "detail"), show("eigrp", "neighbors"));
  EXPECT_EQ(show("ospf"), build_show_ip_ospf(r_));
  EXPECT_EQ(show("ospf", "neighbor"), build_show_ospf_neighbors(r_, kClock));
  EXPECT_EQ(show("ospf", "neighbor", "detail", "detail"),
            build_show_ospf_neighbors_detail(r_, kClock));
  EXPECT_NE(show("ospf", "database").find("(10.1.1.1)"), std::string::npos);
  EXPECT_EQ(r_.ospf_router_id, "10.1.1.1");
}

TEST_F(IpShowReport, FixedListsPrintTheTemplateAndOtherWordsNothing) {
  for (const char* w4 : {"request-list", "retransmission-list", "summary-address", "virtual-links"})
    EXPECT_EQ(show("ospf", w4), "TEMPLATE\r\n") << w4;
  EXPECT_EQ(show("eigrp", "traffic"), "TEMPLATE\r\n");
  EXPECT_EQ(show("interface", "ethernet"), "");
  EXPECT_EQ(show("ospf", "neighbor", "detail", "det"), "");  // the fifth word is compared as typed
  EXPECT_EQ(show("eigrp"), "");
  EXPECT_EQ(show("arp"), "");
}

}  // namespace
}  // namespace zorva::testing
