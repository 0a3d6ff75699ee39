// The handler table, and the few handlers that only hand work on: ip address, clear arp-cache,
// ping, boot. Global configuration commands typed in a sub-mode leave it first.
#include "commands/command_handlers.h"

#include "commands/command_support.h"
#include "commands/config_memory.h"
#include "commands/config_register.h"
#include "commands/debug_commands.h"
#include "commands/device_commands.h"
#include "commands/enable_commands.h"
#include "commands/interface_config.h"
#include "commands/mode_commands.h"
#include "commands/ospf_commands.h"
#include "commands/ping.h"
#include "commands/real_router_settings.h"
#include "commands/rip_config.h"
#include "commands/routing_config.h"
#include "commands/static_route.h"
#include "parser/command_context.h"
#include "parser/network_requests.h"
#include "reports/cdp.h"
#include "reports/show_commands.h"
#include "reports/show_ip.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// A global configuration command that the interface, router and line modes take as well. As on a
// real router, one typed there leaves the sub-mode first: `hostname` returns to global
// configuration. (`interface`, `router` and `line` go straight on to their own mode; `ip route`
// leaves it only once the route is accepted.)
template <CommandHandler handler>
void in_global(CommandContext& cmd) {
  leave_for_global(cmd);
  handler(cmd);
}

// `ip address` configures the selected interface; real-router `no ip address` removes it.
void ip_address_command(CommandContext& cmd) {
  if (cmd.behaviour == Behaviour::RealRouter && is_set(cmd.pc.Negated)) {
    clear_ip_address(cmd);
    return;
  }
  std::string address = word(cmd.pc, 3);
  std::string mask = word(cmd.pc, 4);
  ip_address_set_interface(cmd, address, mask);
}

// `clear arp-cache`: the network empties the router's ARP cache.
void clear_arp_command(CommandContext& cmd) {
  cmd.network.clear_arp_cache();
}

void ping_command(CommandContext& cmd) {
  do_ping(cmd, word(cmd.pc, 2));
}

// `boot system ...` is accepted and changes nothing: a real router takes it silently, so no box
// is shown either.
void boot_command(CommandContext&) {}

#define ZORVA_HANDLER(name, function) function,
constexpr CommandHandler kHandlers[] = {
#include "commands/command_handlers.def"
};
#undef ZORVA_HANDLER

}  // namespace

std::span<const CommandHandler> command_handlers() {
  return kHandlers;
}

}  // namespace zorva
