// The CDP configuration commands.
#include <cmath>

#include "base/error_log.h"
#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/cdp.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kLogName = "exec cdp()";

// A CDP period in seconds with its accepted range and the value `no` restores.
struct CdpPeriod {
  Int32& field;      // cdp_timer or cdp_holdtime
  double low;        // smallest accepted value
  double high;       // largest accepted value
  Int32 by_default;  // value after the `no` form
};

void set_period(RouterRecord& r, const ParsedCommand& pc, CdpPeriod period) {
  const double v = leading_number(pc.Words[3]);
  if (v < period.low || v > period.high) {
    r.output_buffer = "% Invalid input detected at '^' marker.\r\n";
    r.output_pending = kTrue;
  } else {
    period.field = static_cast<Int32>(std::nearbyint(v));
  }
  if (is_set(pc.Negated)) period.field = period.by_default;
}

}  // namespace

void exec_cdp(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  const std::string what = to_lower(trim(cmd.pc.FullWords[2]));
  const Flag on = to_flag(!is_set(cmd.pc.Negated));
  if (what == "run") {
    r.cdp_run = on;
  } else if (what == "enable") {
    if (r.cur_if_index < 0 || r.cur_if_index > kMaxInterfaces) {
      cmd.log.log(kLogName, RuntimeError::SubscriptOutOfRange);
      return;
    }
    r.interfaces[r.cur_if_index].cdp_enable = on;
  } else if (what == "advertise-v2") {
    r.cdp_advertise_v2 = on;
  } else if (what == "timer") {
    set_period(r, cmd.pc, {r.cdp_timer, 5, 254, 60});
  } else if (what == "holdtime") {
    set_period(r, cmd.pc, {r.cdp_holdtime, 10, 255, 180});
  }
}

}  // namespace zorva
