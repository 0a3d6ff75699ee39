// The real-router OSPF commands: router-id, default-information originate, clear ip ospf process.
#include "commands/ospf_commands.h"

#include <algorithm>

#include "base/number_text.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr const char* kTakesEffectLater =
    "\r\n% OSPF: Reload or use \"clear ip ospf process\" command, for this to take effect";

}  // namespace

void ospf_router_id_command(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter) return;
  ProtocolBlock& p = cmd.router.protocols;
  const std::string wanted = is_set(cmd.pc.Negated) ? std::string() : word(cmd.pc, 2);
  if (wanted == p.ospf_configured_router_id) return;
  p.ospf_configured_router_id = wanted;
  // A process that already runs keeps the ID it started with.
  if (!p.ospf_active_router_id.empty() && p.ospf_active_router_id != wanted && !wanted.empty())
    set_output(cmd.router, kTakesEffectLater);
}

// `area N authentication [message-digest]`: the area's interfaces authenticate their hellos
// (those given their own `ip ospf authentication` aside); `no area N authentication` stops it.
void ospf_area_command(CommandContext& cmd) {
  if (!real_router(cmd) || full_word(cmd.pc, 3) != "authentication") return;
  auto& areas = cmd.router.protocols.ospf_area_authentication;
  const auto area = static_cast<Int32>(leading_number(ospf_area_word(cmd, 2)));
  if (negated(cmd)) {
    areas.erase(area);
  } else {
    areas[area] = full_word(cmd.pc, 4) == "message-digest" ? OspfAuthentication::MessageDigest
                                                           : OspfAuthentication::Simple;
  }
}

// `auto-cost reference-bandwidth N` (Mbit/s): the interfaces' OSPF costs become N / bandwidth;
// `no auto-cost` goes back to 100.
void ospf_auto_cost_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  const std::string& value = word(cmd.pc, 3);
  ProtocolBlock& p = cmd.router.protocols;
  if (negated(cmd)) {
    p.ospf_reference_bandwidth = 100;
  } else if (is_numeric(value) && leading_number(value) >= 1) {
    p.ospf_reference_bandwidth = static_cast<Int32>(std::min(leading_number(value), 4294967.0));
  }
}

void ospf_default_information_command(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter || full_word(cmd.pc, 2) != "originate") return;
  cmd.router.protocols.ospf_default_originate = is_set(cmd.pc.Negated) ? kFalse : kTrue;
}

void clear_ospf_command(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter) return;
  cmd.router.pending_action = PendingAction::ClearOspfQuestion;
}

}  // namespace zorva
