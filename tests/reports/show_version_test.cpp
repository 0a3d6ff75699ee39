// The version report: uptime wording, interface summary and the filled-in template.
#include <gtest/gtest.h>

#include "reports/reports.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

struct UptimeCase {
  long long seconds;  // simulated seconds since start-up
  const char* text;   // the uptime text expected
};

class UptimeText : public ::testing::TestWithParam<UptimeCase> {};

TEST_P(UptimeText, WordsDaysHoursAndMinutes) {
  EXPECT_EQ(uptime_text(GetParam().seconds), GetParam().text) << GetParam().seconds;
}

INSTANTIATE_TEST_SUITE_P(
    ShowVersion, UptimeText,
    ::testing::Values(
        UptimeCase{0, "0 minutes"}, UptimeCase{30, "0 minutes"}, UptimeCase{59, "0 minutes"},
        UptimeCase{60, "1 minute"}, UptimeCase{90, "1 minute"}, UptimeCase{119, "1 minute"},
        UptimeCase{120, " 2 minutes"}, UptimeCase{150, " 2 minutes"},
        UptimeCase{3599, " 59 minutes"}, UptimeCase{3600, "1 hour, 0 minutes"},
        UptimeCase{3700, "1 hour, 1 minute"}, UptimeCase{7199, "1 hour,  59 minutes"},
        UptimeCase{7500, " 2 hours,  5 minutes"}, UptimeCase{86399, " 23 hours,  59 minutes"},
        UptimeCase{86400, "1 day, 0 minutes"}, UptimeCase{90000, "1 day, 1 hour, 0 minutes"},
        UptimeCase{172800, " 2 days, 0 minutes"},
        UptimeCase{3 * 86400 + 2 * 3600 + 180, " 3 days,  2 hours,  3 minutes"}));

class ShowVersion : public CommandFixture {
 protected:
  ShowVersion() : CommandFixture(2, 1, 1) {}
};

TEST_F(ShowVersion, SummaryListsEthernetThenSerialThenBriWithoutLineEnd) {
  EXPECT_EQ(interface_summary(router()),
            "1 Ethernet/IEEE 802.3 interface(s)\r\n2 Serial network interface(s)\r\n"
            "1 ISDN Basic Rate interface(s)");
}

TEST_F(ShowVersion, SummaryLeavesOutAbsentTypes) {
  RouterRecord r = router();
  r.interface_count = 2;  // the two serial interfaces only
  EXPECT_EQ(interface_summary(r), "2 Serial network interface(s)\r\n");
}

TEST_F(ShowVersion, FillsEveryPlaceholderAndAddsTheRegister) {
  router().hostname = "Lab";
  router().config_register = "0x2142";
  const std::string out =
      build_show_version(router(), "up TTTTTT|HHHHHH uptime TTTTTT|XXXXXX|hhhhhh", 3700);
  EXPECT_EQ(out,
            "\r\nup 1 hour, 1 minute|Lab uptime 1 hour, 1 minute|1 Ethernet/IEEE 802.3 "
            "interface(s)\r\n2 Serial network interface(s)\r\n1 ISDN Basic Rate interface(s)|"
            "hhhhhh\r\n\r\nConfiguration register is 0x2142\r\n");
}

TEST_F(ShowVersion, ShowCommandUsesTheTemplateAndTheClock) {
  sim_.sim_clock = 150;
  ParsedCommand pc = parsed_line("show version", {"show", "version"});
  pc.TopText = "Uptime is TTTTTT";
  sim_.parsed = pc;
  exec_cmd(sim_, sim_.parsed);
  EXPECT_EQ(output(), "\r\nUptime is  2 minutes\r\n\r\nConfiguration register is 0X2102\r\n");
}

}  // namespace
}  // namespace zorva::testing
