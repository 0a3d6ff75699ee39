#include "commands/ping.h"

#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/ip_routines.h"
#include "state/router_record.h"

namespace zorva {

void do_ping(CommandContext& cmd, std::string address) {
  RouterRecord& r = cmd.router;
  if (!cmd.ip.is_ip_valid(address)) {
    set_output(r, "\r\n% Unrecognized host or address, or protocol not running.\r\n");
    return;
  }
  r.pending_action = PendingAction::Pinging;
  r.ping_packet = PacketRecord{};
  r.ping_packet.protocol = "IP";
  r.ping_packet.payload = FramePayload::PingRequest;
  r.ping_packet.dst_ip = address;
  r.ping_packet.ttl = kPingTtl;
}

}  // namespace zorva
