// The show cdp reports where typing cannot reach: names and ports too long for their columns, a
// negative remaining hold time, a neighbour without an address. The rest is in net_cdp.out.
#include "reports/cdp_reports.h"

#include <gtest/gtest.h>

#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

class CdpReports : public ::testing::Test {
 protected:
  CdpReports() {
    r_.cdp_run = kTrue;
    r_.cdp_timer = 60;
    r_.cdp_holdtime = 180;
  }

  CdpNeighborEntry& add_neighbor(const std::string& device, const std::string& port,
                                 const std::string& address, Int32 received_at) {
    CdpNeighborEntry& n = r_.cdp_neighbors[++r_.cdp_neighbor_count];
    n.info = {kTrue, "1", device, "", port, "1700", "R", address};
    n.received_at = received_at;
    return n;
  }

  RouterRecord r_;
};

// The detail block of a neighbour named R2 on Serial0 with `hold` seconds left.
std::string detail_block(const std::string& address_line, const std::string& hold) {
  return "\r\n-------------------------\r\n"
         "Device ID: R2\r\n"
         "Entry address(es):\r\n" +
         address_line +
         "Platform: Kolvo 1700 , Capabilities: Router\r\n"
         "Interface: Serial0, Port ID (outgoing port): Serial0\r\n"
         "Holdtime: " +
         hold +
         " sec\r\n\r\n"
         "Version :\r\n"
         "Kolvo Operating System Software\r\n"
         "Software, Version 12.0(16), RELEASE SOFTWARE (fc2)\r\n\r\n"
         "Compiled Fri 02-Mar-01 17:34 by kperl\r\n\r\n";
}

TEST_F(CdpReports, TableCutsLongNamesAndNeverShowsNegativeHold) {
  add_neighbor("ABCDEFGHIJKLMNOPQRSTUVW", "Serial0", "10.1.1.2", 19);  // -1 left: shows 0
  add_neighbor("R3", "Ethernet0123456789", "", 21);                    // 1 s left
  r_.cdp_run = kFalse;  // stored neighbours are still listed
  EXPECT_EQ(cdp_neighbor_table(r_, 200),
            "\r\nCapability Codes: R - Router, T - Trans Bridge, B - Source Route Bridge\r\n"
            "S -Switch, H - Host, i - IGMP, r - Repeater\r\n"
            "Device ID        Local Intrfce     Holdtme    Capability  Platform  Port ID\r\n"
            "ABCDEFGHIJKLMNOPQRSSerial0         0             R        1700      Serial0\r\n"
            "R3                 Ethernet0123456 1             R        1700      "
            "Ethernet0123456789\r\n");
}

TEST_F(CdpReports, DetailShowsTheWholeNameAndTheAddressOnlyWhenKnown) {
  add_neighbor("R2", "Serial0", "10.1.1.2", 100);
  add_neighbor("R2", "Serial0", "", 0);
  const std::string both =
      detail_block("  IP address: 10.1.1.2\r\n", " 80") + detail_block("", " 0");
  EXPECT_EQ(cdp_detail_blocks(r_, 200, nullptr), both);
  r_.cdp_neighbors[1].info.device_id = "ABCDEFGHIJKLMNOPQRSTUVW";
  EXPECT_NE(cdp_detail_blocks(r_, 200, nullptr).find("Device ID: ABCDEFGHIJKLMNOPQRSTUVW\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
