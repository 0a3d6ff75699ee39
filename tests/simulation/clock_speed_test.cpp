// The student's clock speed at its edges: only the offered factors are taken, real time is
// multiplied but a long pause or a clock that went backwards is not, and the clock text carries
// hours past a day. Cycling the speed and skipping minutes are typed in terminal_face_test.
#include "simulation/clock_speed.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(ClockSpeed, RealTimeIsMultipliedAndLongPausesAreCapped) {
  ClockSpeed c;
  EXPECT_FALSE(c.set_factor(30));
  EXPECT_EQ(c.factor(), 1);
  EXPECT_TRUE(c.set_factor(10));
  EXPECT_EQ(c.simulated_ms(20), 200);
  EXPECT_EQ(c.simulated_ms(-5), 0);  // a clock that went backwards runs nothing
  EXPECT_EQ(c.simulated_ms(10 * 60000), ClockSpeed::kLongestRealStepMs * 10);

  Scheduler s;
  int fired = 0;
  s.add_timer("second", 1000, [&fired] { ++fired; });
  c.run_real(s, 250);  // 2.5 simulated seconds
  EXPECT_EQ(s.now(), 2500);
  EXPECT_EQ(fired, 2);
  EXPECT_EQ(clock_text(3 * 3600 + 25 * 60 + 7), "03:25:07");
  EXPECT_EQ(clock_text(125 * 3600), "125:00:00");
}

}  // namespace
}  // namespace zorva
