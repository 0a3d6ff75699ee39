// The OSPF reports beyond net_ospf.out: neighbour columns with a long router ID, the interface
// block leaving out interfaces that are down, and the database ages.
#include "reports/ospf_reports.h"

#include <gtest/gtest.h>

#include "state/ospf_router_id.h"
#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

OspfNeighborEntry& add_neighbor(RouterRecord& r, const std::string& router_id,
                                const std::string& address, const std::string& interface) {
  OspfNeighborEntry& n = r.protocols.ospf_neighbors[++r.protocols.ospf_neighbor_count];
  n.router_id = router_id;
  n.address = address;
  n.interface = interface;
  n.priority = 1;
  return n;
}

TEST(OspfReports, NeighborRowsKeepPriorityAtSixteen) {
  RouterRecord r;
  add_neighbor(r, "2.2.2.2", "10.1.1.2", "Ethernet0").last_heard = 95;
  add_neighbor(r, "1234567890123456", "10.1.1.3", "Serial0").priority = 12;
  const std::string text = build_show_ospf_neighbors(r, 100);
  EXPECT_EQ(text,
            "\r\nNeighbor ID     Pri   State           Dead Time   Address         Interface\r\n"
            "2.2.2.2         1     FULL/           00:00:05    10.1.1.2         Ethernet0\r\n"
            "123456789012345612     FULL/           00:01:40    10.1.1.3         Serial0\r\n");
}

TEST(OspfReports, ProcessReportNamesTheFixedIdentifierAndInterfacesTheChosenOne) {
  RouterRecord r;
  r.protocols.ospf_process_numbers[1] = 64;
  r.protocols.ospf_networks[1].area = "0";
  r.protocols.ospf_networks[2].area = "5";
  add_interface(r, "ETHERNET", "Ethernet0", "up", "10.1.1.1", 24).ospf_cost = 10;
  add_interface(r, "SERIAL", "Serial0", "up", "192.168.1.1", 30);
  add_interface(r, "SERIAL", "Serial1", "down", "172.16.1.1");
  EXPECT_EQ(build_show_ip_ospf(r).rfind("\r\n Routing Process \"ospf 64\" with ID 2.2.2.1\r\n", 0),
            0u);
  const std::string text = build_show_ospf_interface(r);
  EXPECT_EQ(
      text.rfind("\r\nEthernet0 is up, line protocol is up\r\n"
                 "  Internet Address 10.1.1.1/24 , Area 0\r\n"
                 "  Process ID 64, Router ID 192.168.1.1, Network Type BROADCAST, Cost: 10\r\n",
                 0),
      0u);
  EXPECT_NE(text.find("  Internet Address 192.168.1.1/30 , Area 0\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Serial1"), std::string::npos);
}

std::string database_header(const std::string& rid) {
  return "\r\n\r\n       OSPF Router with ID (" + rid +
         ") (Process ID 2)\r\n"
         "\r\n                Router Link States (Area 1)\r\n\r\n"
         "Link ID         ADV Router      Age         Seq#       Checksum Link count\r\n";
}

constexpr const char* kNetHeader =
    "\r\n                Net Link States (Area 1)\r\n\r\n"
    "Link ID         ADV Router      Age         Seq#       Checksum\r\n";

TEST(OspfReports, DatabaseAgesPadBelowOneHundred) {
  RouterRecord r;
  r.protocols.ospf_process_numbers[1] = 2;
  r.protocols.ospf_networks[1].area = "1";
  add_interface(r, "SERIAL", "Serial0", "up", "10.1.1.1");
  add_neighbor(r, "", "10.1.1.2", "Serial0").first_heard = 195;
  add_neighbor(r, "", "10.1.1.6", "Serial1").first_heard = 50;
  add_neighbor(r, "", "10.1.1.10", "Serial2").first_heard = 100;
  EXPECT_EQ(build_show_ospf_database(r, 200),
            database_header("10.1.1.1") +
                "10.1.1.2        10.1.1.2         5         0x80000003 0x9084   1\r\n"
                "10.1.1.6        10.1.1.6        150         0x80000003 0x9084   1\r\n"
                "10.1.1.10       10.1.1.10       100         0x80000003 0x9084   1\r\n" +
                kNetHeader + "10.1.1.2        10.1.1.2         5         0x80000003 0x9084\r\n");
}

}  // namespace
}  // namespace zorva::testing
