// The interface reports beyond the interfaces and paging transcripts: display names by per-type
// ordinal, BRI blocks, and the one-interface lookup that finds nothing.
#include <gtest/gtest.h>

#include "reports/display_name.h"
#include "reports/reports.h"
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

TEST_F(ShowInterfaces, AllInterfacesInTableOrderWithTheBriLast) {
  const std::string r = build_show_interfaces(router());
  EXPECT_EQ(r.rfind("\r\nSerial0 is ", 0), 0u);
  const std::size_t s1 = r.find("\r\nSerial1 is ");
  const std::size_t e0 = r.find("\r\nEthernet0 is ");
  EXPECT_LT(s1, e0);
  EXPECT_NE(r.find("\r\nBri0 is administratively down, line protocol is down\r\n"
                   "  Hardware is BRI\r\n"),
            std::string::npos);
  EXPECT_LT(e0, r.find("\r\nBri0 is "));
}

TEST_F(ShowInterfaces, SpecificUsesTheOrdinalNotTheStoredNumber) {
  interface(1).number = "5";
  interface(2).number = "0";
  interface(2).description = "second serial";
  EXPECT_NE(specific("serial", "1").find("Description: second serial"), std::string::npos);
  EXPECT_NE(specific("SeRiAl", "1.9").find("Description: second serial"), std::string::npos);
}

TEST_F(ShowInterfaces, SpecificWithoutAMatchIsAnEmptyLineAndANonNumberIsLogged) {
  const std::pair<const char*, const char*> misses[] = {
      {"serial", "2"}, {"fddi", "0"}, {"serial", "x"}, {"serial", ""}};
  for (const auto& [type, number] : misses)
    EXPECT_EQ(specific(type, number), "\r\n") << type << " " << number;
  EXPECT_NE(log_text().find("build show interfaces specific() - 13 - "), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
