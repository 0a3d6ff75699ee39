// Real-router settings kept for the configuration (see the header).
#include "commands/real_router_settings.h"

#include <algorithm>

#include "base/number_text.h"
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

void service_command(CommandContext& cmd) {
  if (!real_router(cmd) || full_word(cmd.pc, 2) != "password-encryption") return;
  cmd.router.password_encryption = negated(cmd) ? kFalse : kTrue;
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

}  // namespace zorva
