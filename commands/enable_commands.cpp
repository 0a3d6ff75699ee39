// The `enable` command: privileged mode, the password dialogue, enable password and secret.
#include "commands/enable_commands.h"

#include "base/error_log.h"
#include "base/number_text.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "reports/password_scramble.h"
#include "state/console_login.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kLogName = "enable commands()";

// Plain `enable` in user mode: straight in when no password is set, otherwise the console asks.
void enter_privileged_or_ask(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  if (trim(r.enable_secret).empty() && trim(r.enable_password).empty()) {
    set_mode(cmd, kModePrivileged);
    return;
  }
  r.password_tries = 0;
  r.password_state = kEnablePasswordAsked;
}

}  // namespace

void enable_commands(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  const std::string second = full_word(cmd.pc, 2);
  if (second.empty() && r.mode == kModeGlobal) {
    set_mode(cmd, kModePrivileged);
    return;
  }
  if (r.mode == kModeGlobal && second == "password") {
    r.enable_password = password_argument(cmd, 3);
  } else if (r.mode == kModeGlobal && second == "secret") {
    if (std::optional<std::string> stored = transform_secret(password_argument(cmd, 3))) {
      r.enable_secret = std::move(*stored);
    } else {
      cmd.log.log(kLogName, RuntimeError::InvalidProcedureCall);
    }
  } else if (r.mode == kModeUser) {
    enter_privileged_or_ask(cmd);
  }
}

}  // namespace zorva
