// The CDP configuration commands beyond net_cdp.out: a timer that is no number, the timer's no
// form, advertise-v2 and cdp enable.
#include <gtest/gtest.h>

#include "reports/cdp.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class CdpConfig : public CommandFixture {};

// The range ends of cdp timer (5..254) and cdp holdtime (10..255), the rounding of 30.6, no cdp
// holdtime and the complaint of no cdp timer are in net_cdp.out.
TEST_F(CdpConfig, ANonNumberIsRefusedAndNoCdpTimerRestoresTheDefault) {
  router().cdp_timer = 30;
  run("cdp timer abc", {"cdp", "timer"}, kModeGlobal);
  EXPECT_EQ(output(), "% Invalid input detected at '^' marker.\r\n");
  EXPECT_EQ(router().cdp_timer, 30);
  run("no cdp timer", {"cdp", "timer"});
  EXPECT_EQ(router().cdp_timer, 60);
}

TEST_F(CdpConfig, SwitchesFollowTheNoFormAndEnableActsOnTheSelectedInterface) {
  run("no cdp advertise-v2", {"cdp", "advertise-v2"}, kModeGlobal);
  EXPECT_FALSE(is_set(router().cdp_advertise_v2));

  select_interface(2);
  run("no cdp enable", {"cdp", "enable"});
  EXPECT_FALSE(is_set(interface(2).cdp_enable));
  EXPECT_TRUE(is_set(interface(1).cdp_enable));
  run("cdp enable", {"cdp", "enable"});
  EXPECT_TRUE(is_set(interface(2).cdp_enable));
}

}  // namespace
}  // namespace zorva::testing
