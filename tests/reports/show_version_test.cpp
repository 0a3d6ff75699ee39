// The version report: uptime wording at the boundaries the uptime transcript does not reach, the
// interface summary with a BRI, and the filled-in template.
#include <gtest/gtest.h>

#include "reports/reports.h"
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

class ShowVersion : public RecordFixture {
 protected:
  ShowVersion() : RecordFixture(2, 1, 1) {}
};

TEST_F(ShowVersion, SummaryListsEthernetSerialBriAndLeavesOutAbsentTypes) {
  EXPECT_EQ(interface_summary(router()),
            "1 Ethernet/IEEE 802.3 interface(s)\r\n2 Serial network interface(s)\r\n"
            "1 ISDN Basic Rate interface(s)");
  RouterRecord r = router();
  r.interface_count = 2;  // the two serial interfaces only
  EXPECT_EQ(interface_summary(r), "2 Serial network interface(s)\r\n");
}

}  // namespace
}  // namespace zorva::testing
