// Real-router settings kept for the configuration (see the header).
#include "commands/real_router_settings.h"

#include <algorithm>

#include "base/number_text.h"
#include "base/router_calendar.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// The settings of the line whose mode the console is in, or nullptr outside the line modes.
LineSettings* current_line(RouterRecord& r) {
  switch (r.mode) {
    case kModeConsole:
      return &r.line_settings[static_cast<std::size_t>(TerminalLine::Console)];
    case kModeAux:
      return &r.line_settings[static_cast<std::size_t>(TerminalLine::Aux)];
    case kModeVty:
      return &r.line_settings[static_cast<std::size_t>(TerminalLine::Vty)];
    default:
      return nullptr;
  }
}

Int32 number_or(const std::string& text, Int32 fallback) {
  return is_numeric(text) ? static_cast<Int32>(std::clamp(leading_number(text), 0.0, 2147483.0))
                          : fallback;
}

}  // namespace

// `service password-encryption`, and `service timestamps debug|log uptime|datetime [msec]
// [localtime]`, kept as the configuration writes it: datetime, then msec, then localtime.
void service_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  const std::string what = full_word(cmd.pc, 2);
  if (what == "password-encryption") {
    cmd.router.password_encryption = negated(cmd) ? kFalse : kTrue;
    return;
  }
  const std::string kind = full_word(cmd.pc, 3);
  if (what != "timestamps" || (kind != "debug" && kind != "log")) return;
  std::string& stamp = kind == "debug" ? cmd.router.timestamps_debug : cmd.router.timestamps_log;
  if (negated(cmd) || full_word(cmd.pc, 4) != "datetime") {
    stamp = "uptime";
    return;
  }
  const auto given = [&](const char* option) {
    return full_word(cmd.pc, 5) == option || full_word(cmd.pc, 6) == option;
  };
  stamp = std::string("datetime") + (given("msec") ? " msec" : "") +
          (given("localtime") ? " localtime" : "");
}

// `exec-timeout M [S]`, `logging synchronous` and `login` in a line mode; `no` restores the
// default (10 minutes, no synchronous logging, no password check).
void line_setting_command(CommandContext& cmd) {
  LineSettings* line = real_router(cmd) ? current_line(cmd.router) : nullptr;
  if (line == nullptr) return;
  const std::string setting = full_word(cmd.pc, 1);
  if (setting == "exec-timeout") {
    line->exec_timeout_minutes = negated(cmd) ? 10 : number_or(word(cmd.pc, 2), 10);
    line->exec_timeout_seconds = negated(cmd) ? 0 : number_or(word(cmd.pc, 3), 0);
  } else if (setting == "logging") {
    line->logging_synchronous = negated(cmd) ? kFalse : kTrue;
  } else if (setting == "login") {
    line->login = negated(cmd) ? kFalse : kTrue;
  }
}

namespace {

// The word of a refused `clock set` line a caret points at: the time (word 3), else the year
// (word 6), else the month or the day (words 4 and 5, in either order), found by trying each with
// a value known to be good.
int bad_clock_word(const CommandContext& cmd) {
  const auto valid = [&](std::string_view time, std::string_view year) {
    return calendar_seconds(time, raw_word(cmd.pc, 4), raw_word(cmd.pc, 5), year).has_value();
  };
  if (valid("00:00:00", word(cmd.pc, 6))) return 3;
  if (valid(word(cmd.pc, 3), "2000")) return 6;
  // Day and month come in either order: the word that is no month, else the day that month lacks.
  const bool day_first = is_numeric(raw_word(cmd.pc, 4));
  const int day_at = day_first ? 4 : 5;
  const int month_at = day_first ? 5 : 4;
  const std::string_view month = raw_word(cmd.pc, month_at);
  const bool month_reads = day_first ? calendar_seconds("00:00:00", "1", month, "2000").has_value()
                                     : calendar_seconds("00:00:00", month, "1", "2000").has_value();
  return month_reads ? day_at : month_at;
}

}  // namespace

// `clock set hh:mm:ss D MONTH YYYY` (or MONTH D): the calendar clock runs on from that time. The
// classic form with the time alone is incomplete on a real router.
void clock_set_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  if (word(cmd.pc, 6).empty()) {
    set_output(r, "\r\n% Incomplete command.\r\n");
    return;
  }
  const std::optional<std::int64_t> at =
      calendar_seconds(word(cmd.pc, 3), raw_word(cmd.pc, 4), raw_word(cmd.pc, 5), word(cmd.pc, 6));
  if (!at) {
    set_output(r, invalid_input_at(cmd, bad_clock_word(cmd)) + "\r\n");
    return;
  }
  r.clock_set = kTrue;
  r.clock_offset = *at - cmd.sim_clock;
}

// `terminal length N`: N lines to a screen before "--MORE--", 0 for no pausing; `terminal no
// length` and `no` forms go back to 24.
void terminal_command(CommandContext& cmd) {
  if (!real_router(cmd) || full_word(cmd.pc, 2) != "length") return;
  const std::string& value = word(cmd.pc, 3);
  cmd.router.terminal_length =
      negated(cmd) || !is_numeric(value)
          ? Int16{24}
          : static_cast<Int16>(std::clamp(leading_number(value), 0.0, 512.0));
}

}  // namespace zorva
