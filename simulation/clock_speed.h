// How fast the simulated clock runs against real time, as the student sets it: 1x, 10x or 60x,
// and skips ahead by whole minutes. A face measures real time and asks this class how much
// simulated time to hand to the scheduler; the scheduler runs every event in its fixed order
// whatever the step, so the routers behave the same at every speed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/scheduler.h"

namespace zorva {

class ClockSpeed {
 public:
  static constexpr std::array<int, 3> kFactors{1, 10, 60};
  static constexpr SimMillis kLongestRealStepMs = 60000;  // real time one step may hand over

  int factor() const { return factor_; }
  // Sets the speed; a factor other than 1, 10 or 60 leaves it unchanged and returns false.
  bool set_factor(int factor);
  // 1x -> 10x -> 60x -> 1x.
  void next_factor();

  // Simulated milliseconds to run for `real_ms` of real time (a long pause counts as at most
  // kLongestRealStepMs, so a stalled face does not run hours at once).
  SimMillis simulated_ms(SimMillis real_ms) const;

  // Runs `real_ms` of real time at the current speed.
  void run_real(Scheduler& scheduler, SimMillis real_ms) const;
  // Runs `minutes` of simulated time at once.
  static void skip_minutes(Scheduler& scheduler, int minutes);

  // "1x", "10x", "60x".
  std::string factor_text() const { return std::to_string(factor_) + "x"; }

 private:
  int factor_ = 1;
};

// "hh:mm:ss" for a count of seconds (hours past 99 keep all their digits).
std::string clock_text(std::int64_t seconds);

}  // namespace zorva
