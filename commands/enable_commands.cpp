// The `enable` command: privileged mode, the password dialogue, enable password and secret.
#include "commands/enable_commands.h"

#include "commands/command_support.h"
#include "shell/simulation.h"
#include "state/mode_tables.h"
#include "state/number_text.h"

namespace zorva {

namespace {

constexpr std::string_view kLogName = "enable commands()";

// Plain `enable` in user mode: straight in when no password is set, otherwise the console asks.
void enter_privileged_or_ask(Simulation& sim) {
  RouterRecord& r = sim.current_router;
  if (trim(r.enable_secret).empty() && trim(r.enable_password).empty()) {
    set_mode(sim, kModePrivileged);
    return;
  }
  r.password_tries = 0;
  r.password_state = 1;
}

}  // namespace

std::optional<std::string> transform_secret(std::string_view typed) {
  std::string stored;
  stored.reserve(typed.size());
  for (char c : typed) {
    const auto code = static_cast<unsigned char>(c);
    if (code == 255) return std::nullopt;
    stored += static_cast<char>(code + 1);
  }
  return stored;
}

void enable_commands(Simulation& sim, ParsedCommand& pc) {
  RouterRecord& r = sim.current_router;
  const std::string second = full_word(pc, 2);
  if (second.empty() && r.mode == kModeGlobal) {
    set_mode(sim, kModePrivileged);
    return;
  }
  if (r.mode == kModeGlobal && second == "password") {
    r.enable_password = word(pc, 3);
  } else if (r.mode == kModeGlobal && second == "secret") {
    if (std::optional<std::string> stored = transform_secret(word(pc, 3))) {
      r.enable_secret = std::move(*stored);
    } else {
      sim.log.log(kLogName, RuntimeError::InvalidProcedureCall);
    }
  } else if (r.mode == kModeUser) {
    enter_privileged_or_ask(sim);
  }
}

}  // namespace zorva
