#include "commands/ping.h"

#include "commands/command_support.h"
#include "parser/command_context.h"
#include "parser/network_requests.h"
#include "state/ip_routines.h"
#include "state/router_record.h"

namespace zorva {

void do_ping(CommandContext& cmd, std::string address) {
  if (!cmd.ip.is_ip_valid(address)) {
    set_output(cmd.router, "\r\n% Unrecognized host or address, or protocol not running.\r\n");
    return;
  }
  cmd.network.ping(address);
}

}  // namespace zorva
