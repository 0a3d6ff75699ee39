// The real-router RIP settings and passive interfaces, stored in the record for the routing engine
// and the reports.
#include "commands/rip_config.h"

#include <bit>

#include "base/number_text.h"
#include "commands/command_support.h"
#include "commands/interface_config.h"
#include "parser/command_context.h"
#include "state/ipv4.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// The code of the routes a routing mode's protocol learns: R, I, D, O, in the order of the modes.
char route_code_of_mode(int mode) {
  constexpr char kCodes[] = {'R', 'I', 'D', 'O'};
  return kCodes[mode - kModeRip];
}

}  // namespace

// `version 1|2`; `no version` goes back to sending 1 and receiving both.
void rip_version_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  const std::string& value = word(cmd.pc, 2);
  ProtocolBlock& p = cmd.router.protocols;
  if (negated(cmd)) {
    p.rip_version = 0;
  } else if (value == "1" || value == "2") {
    p.rip_version = static_cast<Int16>(value[0] - '0');
  }
}

// `auto-summary` is the default; `no auto-summary` keeps subnets apart across major networks (RIP)
// and says so in the reports (EIGRP, which never summarises here).
void auto_summary_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  ProtocolBlock& p = cmd.router.protocols;
  if (cmd.router.mode == kModeRip) p.rip_no_auto_summary = negated(cmd) ? kTrue : kFalse;
  if (cmd.router.mode == kModeEigrp) p.eigrp_no_auto_summary = negated(cmd) ? kTrue : kFalse;
}

void default_information_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  cmd.router.protocols.rip_default_originate = negated(cmd) ? kFalse : kTrue;
}

// `ip summary-address rip A M` or `ip summary-address eigrp AS A M` on the selected interface;
// the `no` form removes it. A mask that is not contiguous ones is refused at the mask. The router
// runs one EIGRP process: the AS number is kept only for the configuration to show.
void ip_summary_address_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  const bool eigrp = full_word(cmd.pc, 3) == "eigrp";
  Ipv4& network = eigrp ? e->eigrp_summary_network : e->rip_summary_network;
  Int16& prefix = eigrp ? e->eigrp_summary_length : e->rip_summary_length;
  if (negated(cmd)) {
    network = 0;
    prefix = 0;
    return;
  }
  const int at = eigrp ? 5 : 4;  // after the AS number for EIGRP
  const std::optional<Ipv4> address = parse_dotted(word(cmd.pc, at));
  const std::optional<Ipv4> mask = parse_dotted(word(cmd.pc, at + 1));
  if (!address || !mask) return;
  const int length = std::popcount(*mask);
  if (mask_for_length(length) != *mask || length == 0) {
    set_output(cmd.router, std::string(kCrLf) + "% Invalid mask" + std::string(kCrLf));
    return;
  }
  network = *address & *mask;
  prefix = static_cast<Int16>(length);
  if (eigrp) e->eigrp_summary_as = static_cast<Int32>(leading_number(word(cmd.pc, 4)));
}

// `passive-interface NAME` in a routing mode: the protocol sends no updates on that interface
// (and OSPF and EIGRP form no neighbours there) but still advertises its network.
void passive_interface_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  const int mode = cmd.router.mode;
  if (mode < kModeRip || mode > kModeOspf) return;
  const InterfaceLookup found = parse_interface(cmd, word(cmd.pc, 2), word(cmd.pc, 3));
  if (!found.found) return;
  // One bit per routing mode, in the order RIP, IGRP, EIGRP, OSPF.
  const auto bit = static_cast<Int16>(1 << (mode - kModeRip));
  Int16& passive = cmd.router.interfaces[found.index].passive_protocols;
  passive = static_cast<Int16>(negated(cmd) ? passive & ~bit : passive | bit);
}

// `maximum-paths N`: the routing mode's protocol keeps up to N equal paths to a network; `no`
// goes back to four. The key is the code its routes carry, as the table's choice reads it.
void maximum_paths_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  const int mode = cmd.router.mode;
  if (mode < kModeRip || mode > kModeOspf) return;
  const char code = route_code_of_mode(mode);
  if (negated(cmd) || !is_numeric(word(cmd.pc, 2)))
    cmd.router.protocols.maximum_paths.erase(code);
  else
    cmd.router.protocols.maximum_paths[code] = static_cast<Int16>(leading_number(word(cmd.pc, 2)));
}

// `redistribute static|connected [metric N]` (RIP) or `[subnets]` (OSPF); `no redistribute
// static` stops taking in static routes. EIGRP takes the plain forms.
void redistribute_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  const int mode = cmd.router.mode;
  if (mode < kModeRip || mode > kModeOspf || mode == kModeIgrp) return;
  const char code = route_code_of_mode(mode);
  Redistribution& r = cmd.router.protocols.redistribution[code];
  const std::string source = full_word(cmd.pc, 2);
  const bool on = !negated(cmd);
  if (source == "static") r.static_routes = on;
  if (source == "connected") r.connected = on;
  if (full_word(cmd.pc, 3) == "subnets") r.subnets = on;
  if (full_word(cmd.pc, 3) == "metric" && is_numeric(word(cmd.pc, 4)))
    r.metric = on ? static_cast<Int32>(leading_number(word(cmd.pc, 4))) : 0;
  if (!r.any()) cmd.router.protocols.redistribution.erase(code);
}

}  // namespace zorva
