// The interface reports where typing cannot reach: a one-interface lookup by ordinal and its
// misses, the brief table's address field at its width, and show arp's padding and order. What a
// student sees of them is in interfaces.out, bri_reports.out and net_arp.out.
#include <gtest/gtest.h>

#include <array>

#include "reports/arp_report.h"
#include "reports/display_name.h"
#include "reports/ip_interface_reports.h"
#include "reports/reports.h"
#include "tests/reports/report_records.h"
#include "tests/support/record_fixture.h"

namespace zorva::testing {
namespace {

// Serial0, Serial1, Ethernet0, Bri0.
class ShowInterfaces : public RecordFixture {
 protected:
  ShowInterfaces() : RecordFixture(2, 1, 1) {}
  std::string specific(const std::string& type, const std::string& number) {
    return build_show_interfaces_specific(router(), type, number, log_);
  }
};

TEST_F(ShowInterfaces, SpecificWithoutAMatchIsAnEmptyLineAndANonNumberIsLogged) {
  const std::pair<const char*, const char*> misses[] = {
      {"serial", "2"}, {"fddi", "0"}, {"serial", "x"}, {"serial", ""}};
  for (const auto& [type, number] : misses)
    EXPECT_EQ(specific(type, number), "\r\n") << type << " " << number;
  EXPECT_NE(log_text().find("build show interfaces specific() - 13 - "), std::string::npos);
}

constexpr const char* kBriefHeader =
    "\r\nInterface              IP-Address      OK? Method Status                Protocol\r\n";

// The rows of a brief table, header removed.
std::string brief_rows(const RouterRecord& r) {
  const std::string text = build_show_ip_int_brief(r);
  EXPECT_EQ(text.rfind(kBriefHeader, 0), 0u);
  return text.substr(std::string(kBriefHeader).size());
}

TEST(IpInterfaceReport, BriefAddressFieldIsSeventeenWideAndNeverCut) {
  struct Case {
    const char* address;
    std::size_t yes_at;  // where "YES" begins
  };
  const Case cases[] = {{"1.2.3.4", 41},
                        {"10.10.10.10.10.1", 41},
                        {"10.10.10.10.10.10", 41},
                        {"10.10.10.10.10.100", 42}};
  for (const Case& c : cases) {
    RouterRecord r;
    add_interface(r, "ETHERNET", "Ethernet0", "up", c.address);
    const std::string row = brief_rows(r);
    EXPECT_EQ(row.find("YES"), c.yes_at) << c.address;
    EXPECT_EQ(row.substr(24, std::string(c.address).size()), c.address);
  }
}

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
