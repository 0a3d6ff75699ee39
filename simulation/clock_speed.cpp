#include "simulation/clock_speed.h"

#include <algorithm>
#include <cstdio>

namespace zorva {

bool ClockSpeed::set_factor(int factor) {
  if (std::find(kFactors.begin(), kFactors.end(), factor) == kFactors.end()) return false;
  factor_ = factor;
  return true;
}

void ClockSpeed::next_factor() {
  const auto* at = std::find(kFactors.begin(), kFactors.end(), factor_);
  factor_ = (at == kFactors.end() || at + 1 == kFactors.end()) ? kFactors.front() : *(at + 1);
}

SimMillis ClockSpeed::simulated_ms(SimMillis real_ms) const {
  if (real_ms <= 0) return 0;
  return std::min(real_ms, kLongestRealStepMs) * factor_;
}

void ClockSpeed::run_real(Scheduler& scheduler, SimMillis real_ms) const {
  const SimMillis ms = simulated_ms(real_ms);
  if (ms > 0) scheduler.advance(ms);
}

void ClockSpeed::skip_minutes(Scheduler& scheduler, int minutes) {
  if (minutes > 0) scheduler.advance(SimMillis{minutes} * 60000);
}

std::string clock_text(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

}  // namespace zorva
