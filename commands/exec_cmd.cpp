// The dispatch table from a command's first word to its handler, and the few handlers that only
// hand work on: ip, show, clear, ping, boot. Global commands typed in a sub-mode leave it first.
#include "commands/exec_cmd.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/error_log.h"
#include "commands/command_support.h"
#include "commands/config_memory.h"
#include "commands/config_register.h"
#include "commands/device_commands.h"
#include "commands/enable_commands.h"
#include "commands/interface_config.h"
#include "commands/mode_commands.h"
#include "commands/ping.h"
#include "commands/routing_config.h"
#include "parser/command_context.h"
#include "reports/cdp.h"
#include "reports/controllers_report.h"
#include "reports/reports.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

using Handler = void (*)(CommandContext&);

struct Route {
  std::string_view first_word;  // FullWords(1) as the database spells it
  Handler handler;              // what the word does
};

// `ip address` and `ip ospf` configure the selected interface; `ip route` is entered by the
// console after the command, which checks the route and hands it to the routing table.
void ip_command(CommandContext& cmd) {
  const std::string second = full_word(cmd.pc, 2);
  if (second == "address" && cmd.behaviour == Behaviour::RealRouter && is_set(cmd.pc.Negated)) {
    clear_ip_address(cmd);
  } else if (second == "address") {
    std::string address = word(cmd.pc, 3);
    std::string mask = word(cmd.pc, 4);
    ip_address_set_interface(cmd, address, mask);
  } else if (second == "ospf") {
    ip_ospf_command(cmd);
  } else if (second == "route") {
    cmd.router.pending_action = PendingAction::IpRoute;
  }
}

// `show interfaces` with a type word goes straight to the one-interface report; everything else
// goes through the show dispatcher.
void show_command(CommandContext& cmd) {
  if (cmd.behaviour == Behaviour::RealRouter && full_word(cmd.pc, 2) == "controllers" &&
      full_word(cmd.pc, 3) == "serial") {
    set_output(cmd.router,
               build_show_controllers_serial(cmd.router, word(cmd.pc, 4), cmd.connectors));
    return;
  }
  if (full_word(cmd.pc, 2) == "interfaces" && !word(cmd.pc, 3).empty()) {
    set_output(cmd.router, build_show_interfaces_specific(cmd.router, full_word(cmd.pc, 3),
                                                          word(cmd.pc, 4), cmd.log));
    return;
  }
  show_cmd(cmd);
}

// `clear arp-cache`: the console clears its ARP table after the command.
void clear_command(CommandContext& cmd) {
  if (full_word(cmd.pc, 2) == "arp-cache") cmd.router.pending_action = PendingAction::ClearArp;
}

void ping_command(CommandContext& cmd) {
  do_ping(cmd, word(cmd.pc, 2));
}

// `boot system ...` is accepted and changes nothing: a real router takes it silently, so no box
// is shown either.
void boot_command(CommandContext&) {}

constexpr std::array<Route, 32> kRoutes = {{
    {"bandwidth", bandwidth_command},
    {"banner", banner_command},
    {"boot", boot_command},
    {"cdp", exec_cdp},
    {"clear", clear_command},
    {"clock", clock_command},
    {"config-register", config_register_command},
    {"configure", configure_command},
    {"copy", copy_command},
    {"delay", delay_command},
    {"description", description_command},
    {"disable", disable_command},
    {"enable", enable_commands},
    {"encapsulation", encapsulation_command},
    {"end", end_command},
    {"erase", erase_command},
    {"exit", exit_command},
    {"hostname", hostname_command},
    {"interface", interface_command},
    {"ip", ip_command},
    {"line", line_command},
    {"logout", logout_command},
    {"network", network_command},
    {"password", password_command},
    {"ping", ping_command},
    {"ppp", ppp_command},
    {"reload", reload_command},
    {"router", router_command},
    {"show", show_command},
    {"shutdown", shutdown_command},
    {"username", username_command},
    {"write", write_command},
}};

Handler handler_for(std::string_view first_word) {
  const auto it = std::find_if(kRoutes.begin(), kRoutes.end(),
                               [&](const Route& r) { return r.first_word == first_word; });
  return it == kRoutes.end() ? nullptr : it->handler;
}

// Global configuration commands that the interface, router and line modes take as well. As on a
// real router, one typed there leaves the sub-mode: `hostname` or `ip route` returns to global
// configuration. `interface`, `router` and `line` go straight on to their own mode when what they
// name exists, and leave the router where it was when it does not.
bool returns_to_global(const CommandContext& cmd) {
  static constexpr std::array<std::string_view, 4> kGlobalWords = {"banner", "enable", "hostname",
                                                                   "username"};
  const std::string first = full_word(cmd.pc, 1);
  if (first == "ip") return full_word(cmd.pc, 2) == "route";
  return std::find(kGlobalWords.begin(), kGlobalWords.end(), first) != kGlobalWords.end();
}

}  // namespace

void exec_cmd(CommandContext& cmd) {
  if (cmd.router.mode > kModeGlobal && returns_to_global(cmd)) set_mode(cmd, kModeGlobal);
  if (Handler handler = handler_for(full_word(cmd.pc, 1))) handler(cmd);
  for (int i = 1; i <= 6; ++i) cmd.pc.FullWords[i].clear();
}

}  // namespace zorva
