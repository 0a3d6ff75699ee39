// The student's clock speed: the speeds and skips hand the scheduler the right amount of time, and
// a network run at 60x goes through exactly the same events as one run at 1x.
#include "simulation/clock_speed.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/rip_ospf_chain.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

TEST(ClockSpeed, FactorsCycleAndRejectOthers) {
  ClockSpeed c;
  EXPECT_EQ(c.factor(), 1);  // the default stays real time
  c.next_factor();
  EXPECT_EQ(c.factor(), 10);
  c.next_factor();
  EXPECT_EQ(c.factor(), 60);
  c.next_factor();
  EXPECT_EQ(c.factor(), 1);
  EXPECT_FALSE(c.set_factor(30));
  EXPECT_EQ(c.factor(), 1);
  EXPECT_TRUE(c.set_factor(60));
  EXPECT_EQ(c.factor_text(), "60x");
}

TEST(ClockSpeed, RealTimeIsMultipliedAndLongPausesAreCapped) {
  ClockSpeed c;
  c.set_factor(10);
  EXPECT_EQ(c.simulated_ms(20), 200);
  EXPECT_EQ(c.simulated_ms(0), 0);
  EXPECT_EQ(c.simulated_ms(-5), 0);  // a clock that went backwards runs nothing
  EXPECT_EQ(c.simulated_ms(10 * 60000), ClockSpeed::kLongestRealStepMs * 10);

  Scheduler s;
  int fired = 0;
  s.add_timer("second", 1000, [&fired] { ++fired; });
  c.run_real(s, 250);  // 2.5 simulated seconds
  EXPECT_EQ(s.now(), 2500);
  EXPECT_EQ(fired, 2);
  ClockSpeed::skip_minutes(s, 5);
  EXPECT_EQ(s.now(), 2500 + 300000);
  EXPECT_EQ(fired, 302);
}

TEST(ClockSpeed, ClockTextCarriesHours) {
  EXPECT_EQ(clock_text(0), "00:00:00");
  EXPECT_EQ(clock_text(3 * 3600 + 25 * 60 + 7), "03:25:07");
  EXPECT_EQ(clock_text(125 * 3600), "125:00:00");
}

// Everything a student could see: the three transcripts and routing tables, and the clock.
std::string snapshot(testing::TestSimulation& t) {
  std::string s = "clock " + std::to_string(t.sim->sim_clock) + "\n";
  for (int n = 1; n <= 3; ++n) {
    s += "--- Router" + std::to_string(n) + "\n" + t.transcript(n);
    const RouterRecord& rec = t.router(n).record;
    for (int i = 1; i <= rec.route_count; ++i) {
      const RouteEntry& r = rec.routes[static_cast<std::size_t>(i)];
      s += std::string(1, r.code) + " " + std::to_string(r.network) + "/" +
           std::to_string(r.prefix_length) + " " + std::to_string(r.metric) + " " +
           r.interface_name + "\n";
    }
  }
  return s;
}

// Runs three real minutes at 1x (50 face ticks a second) beside three simulated minutes at 60x
// (the same tick, sixty times the simulated step), with a line taken down and brought back up at
// the same simulated moments; after every 60x step both networks must look the same.
TEST(ClockSpeed, SixtyTimesFasterRunsTheSameEventsAsRealTime) {
  testing::TestSimulation slow{testing::kThreeRouterChain};
  testing::TestSimulation fast{testing::kThreeRouterChain};
  testing::configure_three_router_chain(slow);
  testing::configure_three_router_chain(fast);
  ClockSpeed one;
  ClockSpeed sixty;
  sixty.set_factor(60);
  constexpr SimMillis kTickMs = 20;
  const auto act = [](testing::TestSimulation& t, SimMillis at) {
    t.sim->active_router = 2;
    if (at == 60000) {
      t.line("configure terminal");
      t.line("interface s0");
      t.line("shutdown");
    } else if (at == 120000) {
      t.line("no shutdown");
      t.line("end");
    }
  };
  int compared = 0;
  for (SimMillis at = 0; at < 180000; at += kTickMs * 60) {
    act(slow, at);
    act(fast, at);
    for (int i = 0; i < 60; ++i) one.run_real(slow.sim->scheduler, kTickMs);
    sixty.run_real(fast.sim->scheduler, kTickMs);
    ASSERT_EQ(slow.sim->scheduler.now(), fast.sim->scheduler.now());
    ASSERT_EQ(snapshot(slow), snapshot(fast)) << "at " << slow.sim->scheduler.now() << " ms";
    ++compared;
  }
  EXPECT_EQ(compared, 150);
  // The run did something worth comparing: the line went down and came back, routes were learned.
  const std::string seen = slow.transcript(2);
  EXPECT_NE(seen.find("changed state to down"), std::string::npos) << seen;
  EXPECT_NE(seen.find("changed state to up"), std::string::npos) << seen;
  EXPECT_GE(slow.router(1).record.route_count, 2);
  EXPECT_EQ(slow.log_text(), "");
}

}  // namespace
}  // namespace zorva
