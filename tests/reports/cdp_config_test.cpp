// The CDP configuration commands: switches, and the timer and holdtime ranges.
#include <gtest/gtest.h>

#include "reports/cdp.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class CdpConfig : public CommandFixture {};

struct PeriodCase {
  const char* word;   // "timer" or "holdtime"
  const char* value;  // the typed value
  bool accepted;      // no message printed
  Int32 stored;       // the value afterwards
};

class CdpPeriods : public CdpConfig, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(CdpPeriods, AcceptInRangeAndRefuseOutside) {
  const PeriodCase& c = GetParam();
  run(std::string("cdp ") + c.word + " " + c.value, {"cdp", c.word}, kModeGlobal);
  const Int32 got = std::string(c.word) == "timer" ? router().cdp_timer : router().cdp_holdtime;
  EXPECT_EQ(got, c.stored) << c.word << " " << c.value;
  if (c.accepted) {
    EXPECT_FALSE(output_pending());
  } else {
    EXPECT_EQ(output(), "% Invalid input detected at '^' marker.\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    CdpConfig, CdpPeriods,
    ::testing::Values(PeriodCase{"timer", "5", true, 5}, PeriodCase{"timer", "254", true, 254},
                      PeriodCase{"timer", "4", false, 60}, PeriodCase{"timer", "255", false, 60},
                      PeriodCase{"timer", "30.6", true, 31}, PeriodCase{"timer", "abc", false, 60},
                      PeriodCase{"holdtime", "10", true, 10},
                      PeriodCase{"holdtime", "255", true, 255},
                      PeriodCase{"holdtime", "9", false, 180},
                      PeriodCase{"holdtime", "256", false, 180}));

TEST_F(CdpConfig, NoTimerWithoutNumberComplainsAndRestoresTheDefault) {
  router().cdp_timer = 30;
  run("no cdp timer", {"cdp", "timer"}, kModeGlobal);
  EXPECT_EQ(output(), "% Invalid input detected at '^' marker.\r\n");
  EXPECT_EQ(router().cdp_timer, 60);
  router().cdp_holdtime = 100;
  run("no cdp holdtime 50", {"cdp", "holdtime"});
  EXPECT_EQ(router().cdp_holdtime, 180);
}

TEST_F(CdpConfig, SwitchesFollowTheNoForm) {
  run("no cdp run", {"cdp", "run"}, kModeGlobal);
  run("no cdp advertise-v2", {"cdp", "advertise-v2"});
  EXPECT_FALSE(is_set(router().cdp_run));
  EXPECT_FALSE(is_set(router().cdp_advertise_v2));
  run("cdp run", {"cdp", "run"});
  EXPECT_TRUE(is_set(router().cdp_run));
}

TEST_F(CdpConfig, EnableActsOnTheSelectedInterface) {
  select_interface(2);
  run("no cdp enable", {"cdp", "enable"});
  EXPECT_FALSE(is_set(interface(2).cdp_enable));
  EXPECT_TRUE(is_set(interface(1).cdp_enable));
  run("cdp enable", {"cdp", "enable"});
  EXPECT_TRUE(is_set(interface(2).cdp_enable));
}

}  // namespace
}  // namespace zorva::testing
