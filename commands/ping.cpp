// `ping` and `traceroute`: the address check, then the request to the network.
#include "commands/ping.h"

#include <optional>

#include "base/number_text.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "parser/network_requests.h"
#include "state/ip_routines.h"
#include "state/name_services.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr const char* kUnrecognized =
    "\r\n% Unrecognized host or address, or protocol not running.\r\n";

// A real router takes a name from its host table; a name it does not hold it asks the name
// server about first, unless lookup is off. The address, or nothing after the refusal.
std::optional<std::string> destination_of(CommandContext& cmd, std::string typed) {
  if (cmd.ip.is_ip_valid(typed)) return typed;
  if (!real_router(cmd)) {
    set_output(cmd.router, kUnrecognized);
    return std::nullopt;
  }
  // The name as typed, in its own case: the target is the command's second word.
  const std::string name = trim(raw_word(cmd.pc, 2));
  const NameServices& names = cmd.router.names;
  if (std::optional<std::string> address = host_address(names, name)) return address;
  set_output(cmd.router, "\r\n" + translating_text(names, name) + kUnrecognized);
  return std::nullopt;
}

}  // namespace

void do_ping(CommandContext& cmd, std::string address) {
  if (real_router(cmd) && trim(address).empty()) {
    // The console asks "Protocol [ip]:" and the rest, and pings once the last is answered.
    cmd.router.pending_action = PendingAction::PingQuestions;
    cmd.router.ping_question = 0;
    cmd.router.ping_target.clear();
    cmd.router.ping_repeat = 5;
    return;
  }
  if (const std::optional<std::string> destination = destination_of(cmd, address))
    cmd.network.ping(*destination, 5);
}

void traceroute_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  if (const std::optional<std::string> destination = destination_of(cmd, word(cmd.pc, 2)))
    cmd.network.traceroute(*destination);
}

}  // namespace zorva
