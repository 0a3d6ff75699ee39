// `ping` and `traceroute`: the address check, then the request to the network.
#include "commands/ping.h"

#include "base/number_text.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "parser/network_requests.h"
#include "state/ip_routines.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr const char* kUnrecognized =
    "\r\n% Unrecognized host or address, or protocol not running.\r\n";

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
  if (!cmd.ip.is_ip_valid(address)) {
    set_output(cmd.router, kUnrecognized);
    return;
  }
  cmd.network.ping(address, 5);
}

void traceroute_command(CommandContext& cmd) {
  if (!real_router(cmd)) return;
  std::string address = word(cmd.pc, 2);
  if (!cmd.ip.is_ip_valid(address)) {
    set_output(cmd.router, kUnrecognized);
    return;
  }
  cmd.network.traceroute(address);
}

}  // namespace zorva
