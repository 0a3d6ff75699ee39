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

bool real(const CommandContext& cmd) {
  return cmd.behaviour == Behaviour::RealRouter;
}

bool negated(const CommandContext& cmd) {
  return is_set(cmd.pc.Negated);
}

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

// The interface a passive-interface names: its full name or the name run together from an
// abbreviated type and the number ("s0", "serial0", "e1"), without regard to case.
int interface_named(const RouterRecord& r, const std::string& typed) {
  const std::string wanted = to_lower(typed);
  const std::size_t digits = wanted.find_first_of("0123456789");
  if (digits == 0 || digits == std::string::npos) return 0;
  const std::string type = wanted.substr(0, digits);
  const std::string number = wanted.substr(digits);
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[static_cast<std::size_t>(i)];
    const std::string name = to_lower(e.name);
    if (e.number == number && name.starts_with(type) && name.size() > e.number.size() &&
        type.size() <= name.size() - e.number.size())
      return i;
  }
  return 0;
}

}  // namespace

void service_command(CommandContext& cmd) {
  if (!real(cmd) || full_word(cmd.pc, 2) != "password-encryption") return;
  cmd.router.password_encryption = negated(cmd) ? kFalse : kTrue;
}

// `exec-timeout M [S]`, `logging synchronous` and `login` in a line mode; `no` restores the
// default (10 minutes, no synchronous logging, no password check).
void line_setting_command(CommandContext& cmd) {
  LineSettings* line = real(cmd) ? current_line(cmd.router) : nullptr;
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

// The routing process of the current mode stops (or, with `no`, resumes) sending its updates on
// the interface named; a name that is no interface of this router changes nothing.
void passive_interface_command(CommandContext& cmd) {
  if (!real(cmd) || cmd.router.mode < kModeRip || cmd.router.mode > kModeOspf) return;
  const int i = interface_named(cmd.router, word(cmd.pc, 2));
  if (i == 0) return;
  const int bit = 1 << (cmd.router.mode - kModeRip);  // RIP, IGRP, EIGRP, OSPF in mode order
  Int16& passive = cmd.router.interfaces[static_cast<std::size_t>(i)].passive_protocols;
  passive = static_cast<Int16>(negated(cmd) ? passive & ~bit : passive | bit);
}

void rip_version_command(CommandContext& cmd) {
  if (!real(cmd)) return;
  cmd.router.protocols.rip_version =
      negated(cmd) ? Int16{0} : static_cast<Int16>(number_or(word(cmd.pc, 2), 0));
}

void auto_summary_command(CommandContext& cmd) {
  if (!real(cmd)) return;
  Flag& off = cmd.router.mode == kModeEigrp ? cmd.router.protocols.eigrp_no_auto_summary
                                            : cmd.router.protocols.rip_no_auto_summary;
  off = negated(cmd) ? kTrue : kFalse;
}

}  // namespace zorva
