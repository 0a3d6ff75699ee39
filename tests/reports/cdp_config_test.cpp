// The CDP configuration commands: switches, and the timer and holdtime ranges.
#include <gtest/gtest.h>

#include "reports/cdp.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class CdpConfig : public CommandFixture {};

TEST_F(CdpConfig, PeriodsAreAcceptedInRangeRoundedAndRefusedOutside) {
  struct Case {
    const char* word;   // "timer" or "holdtime"
    const char* value;  // the typed value
    Int32 stored;       // the value afterwards; refused values leave the default
  };
  const Case cases[] = {
      {"timer", "5", 5},        {"timer", "254", 254},    {"timer", "30.6", 31},
      {"timer", "4", 60},       {"timer", "255", 60},     {"timer", "abc", 60},
      {"holdtime", "10", 10},   {"holdtime", "255", 255}, {"holdtime", "9", 180},
      {"holdtime", "256", 180},
  };
  for (const Case& c : cases) {
    router().cdp_timer = 60;
    router().cdp_holdtime = 180;
    run(std::string("cdp ") + c.word + " " + c.value, {"cdp", c.word}, kModeGlobal);
    const bool timer = std::string(c.word) == "timer";
    EXPECT_EQ(timer ? router().cdp_timer : router().cdp_holdtime, c.stored) << c.word << c.value;
    const bool refused = c.stored == (timer ? 60 : 180);
    EXPECT_EQ(output(), refused ? "% Invalid input detected at '^' marker.\r\n" : "")
        << c.word << " " << c.value;
  }
}

TEST_F(CdpConfig, NoFormRestoresTheDefaultAndComplainsWithoutANumber) {
  router().cdp_timer = 30;
  run("no cdp timer", {"cdp", "timer"}, kModeGlobal);
  EXPECT_EQ(output(), "% Invalid input detected at '^' marker.\r\n");
  EXPECT_EQ(router().cdp_timer, 60);
  router().cdp_holdtime = 100;
  run("no cdp holdtime 50", {"cdp", "holdtime"});
  EXPECT_EQ(router().cdp_holdtime, 180);
}

TEST_F(CdpConfig, SwitchesFollowTheNoFormAndEnableActsOnTheSelectedInterface) {
  run("no cdp run", {"cdp", "run"}, kModeGlobal);
  run("no cdp advertise-v2", {"cdp", "advertise-v2"});
  EXPECT_FALSE(is_set(router().cdp_run));
  EXPECT_FALSE(is_set(router().cdp_advertise_v2));
  run("cdp run", {"cdp", "run"});
  EXPECT_TRUE(is_set(router().cdp_run));

  select_interface(2);
  run("no cdp enable", {"cdp", "enable"});
  EXPECT_FALSE(is_set(interface(2).cdp_enable));
  EXPECT_TRUE(is_set(interface(1).cdp_enable));
  run("cdp enable", {"cdp", "enable"});
  EXPECT_TRUE(is_set(interface(2).cdp_enable));
}

}  // namespace
}  // namespace zorva::testing
