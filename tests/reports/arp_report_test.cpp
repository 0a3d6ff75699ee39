// show arp: learned entries, then the router's own addressed Ethernet interfaces, with the
// address padded to 24 characters.
#include "reports/arp_report.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

constexpr const char* kHeader =
    "\r\nProtocol  Address          Age (min)  Hardware Addr   Type   Interface\r\n";

TEST(ArpReport, EmptyCacheListsOnlyInterfacesWithBothAddresses) {
  RouterRecord r;
  add_interface(r, "SERIAL", "Serial0", "up", "10.9.9.9");  // no hardware address
  add_interface(r, "ETHERNET", "Ethernet0", "up", "10.1.1.1").mac_address = "000C.1234.5678";
  add_interface(r, "ETHERNET", "Ethernet1", "up").mac_address = "000C.1234.9999";
  EXPECT_EQ(build_show_arp({}, r),
            std::string(kHeader) +
                "Internet  10.1.1.1                -   000C.1234.5678  ARPA   Ethernet0\r\n");
}

TEST(ArpReport, LearnedEntriesComeFirstAndSkipEmptyHardwareAddresses) {
  RouterRecord r;
  add_interface(r, "ETHERNET", "Ethernet0", "up", "10.1.1.1").mac_address = "000C.0000.0001";
  const std::array<ArpEntry, 3> cache{{
      {"000C.0000.0002", "10.1.1.2", 0, "Ethernet0"},
      {"", "10.1.1.3", 0, "Ethernet0"},
      {"000C.0000.0004", "123456789012345678901234", 0, "Ethernet0"},  // no room for padding
  }};
  EXPECT_EQ(build_show_arp(cache, r),
            std::string(kHeader) +
                "Internet  10.1.1.2                0   000C.0000.0002  ARPA   Ethernet0\r\n"
                "Internet  1234567890123456789012340   000C.0000.0004  ARPA   Ethernet0\r\n"
                "Internet  10.1.1.1                -   000C.0000.0001  ARPA   Ethernet0\r\n");
}

}  // namespace
}  // namespace zorva::testing
