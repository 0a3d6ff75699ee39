// show ip interface and its brief table: state lines, template placement, column positions.
#include "reports/ip_interface_reports.h"

#include <gtest/gtest.h>

#include "tests/reports/report_records.h"

namespace zorva::testing {
namespace {

constexpr const char* kBriefHeader =
    "\r\nInterface              IP-Address      OK? Method Status                Protocol\r\n";

// The rows of a brief table, header removed.
std::string brief_rows(const RouterRecord& r) {
  const std::string text = build_show_ip_int_brief(r);
  EXPECT_EQ(text.rfind(kBriefHeader, 0), 0u);
  return text.substr(std::string(kBriefHeader).size());
}

TEST(IpInterfaceReport, TemplateFollowsOnlyAddressedInterfacesAndShutdownSaysSo) {
  RouterRecord r;
  add_interface(r, "SERIAL", "Serial0", "down");
  add_interface(r, "ETHERNET", "Ethernet0", "up", "10.1.1.1", 24).shutdown = kTrue;
  add_interface(r, "SERIAL", "Serial1", "up", "172.16.0.1", 30);
  EXPECT_EQ(build_show_ip_int(r, "  TEMPLATE"),
            "\r\n"
            "Serial0 is down, line protocol is down\r\n"
            "Ethernet0 is administratively down, line protocol is down\r\n"
            "  Internet protocol processing disabled\r\n"
            "  Internet address is 10.1.1.1/24\r\n"
            "  TEMPLATE\r\n"
            "Serial1 is up, line protocol is up\r\n"
            "  Internet address is 172.16.0.1/30\r\n"
            "  TEMPLATE\r\n");
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

}  // namespace
}  // namespace zorva::testing
