// Ping and IP forwarding: the echo request a `ping` asked for goes out by the longest matching
// route, every router on the way forwards it the same way, and the reply comes back before the
// sending call returns. The result is printed after one simulated second.
#include <optional>
#include <utility>

#include "base/error_log.h"
#include "base/number_text.h"
#include "commands/ping.h"
#include "network/network.h"
#include "network/routing_table.h"
#include "router/output.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"
#include "state/summary_route.h"

namespace zorva {

namespace {

// The value of an address that was accepted when it was typed. Text the strict reader does not
// take (the address check is more lenient) goes through the general conversion.
Ipv4 address_value(IpRoutines& ip, const std::string& text) {
  if (const std::optional<Ipv4> v = parse_dotted(text)) return *v;
  std::string copy = text;
  return static_cast<Ipv4>(ip.converted_dotted_decimal_to_integer(copy));
}

}  // namespace

void Network::ip_route_packet(Router& r, PacketRecord frame) {
  const RouterRecord& rec = r.record;
  // Every hop lowers the time to live, so a forwarding loop ends instead of recursing forever.
  if (frame.ttl <= 0) return;
  frame.ttl -= 1;
  const RouteEntry* best = longest_match(rec, address_value(ip_, frame.dst_ip));
  // A summary route to Null0 drops what no route of its subnets holds.
  if (best != nullptr && is_summary_route(*best)) best = nullptr;
  if (best == nullptr) {
    // A router past the first (the source address is set) answers "host unreachable" when it
    // has a way back.
    if (behaviour_ == Behaviour::RealRouter && frame.payload == FramePayload::PingRequest &&
        !frame.src_ip.empty() && longest_match(rec, address_value(ip_, frame.src_ip)) != nullptr)
      ping_unreachable_ = true;
    return;
  }

  int k = best->out_index;
  std::string source = best->interface_address;
  frame.out_interface = best->interface_name;
  if (behaviour_ == Behaviour::RealRouter) {
    // The route's interface was resolved when the table was chosen; the packet's source is the
    // address of the interface it leaves by.
    if (k >= 1 && k <= rec.interface_count) {
      frame.out_interface = rec.interfaces[k].name;
      source = rec.interfaces[k].ip_address;
    }
  } else if (best->code == 'S') {
    k = static_route_interface(rec, *best, address_value(ip_, best->interface_address));
    if (k >= 1 && k <= rec.interface_count) {
      frame.out_interface = rec.interfaces[k].name;
      if (!rec.interfaces[k].ip_address.empty()) source = rec.interfaces[k].ip_address;
    }
  }
  if (k < 1 || k > rec.interface_count) {
    log_.log("ip route packet()", RuntimeError::SubscriptOutOfRange);
    return;
  }
  if (frame.src_ip.empty()) frame.src_ip = source;
  frame.frame_type = rec.interfaces[k].line_encapsulation;
  frame.src_mac = rec.interfaces[k].mac_address;
  frame.keepalive = kFalse;
  packet_into_panel(r.number, k, frame);
}

void Network::ip_ping_execute(Router& r, const std::string& destination, int count, bool asked) {
  PacketRecord request;
  request.protocol = "IP";
  request.payload = FramePayload::PingRequest;
  request.dst_ip = destination;
  request.ttl = kPingTtl;
  if (behaviour_ == Behaviour::RealRouter) {
    real_ping(r, std::move(request), count, asked);
    return;
  }
  ping(r, std::move(request));
}

Task Network::ping(Router& r, PacketRecord request) {
  RouterRecord& rec = r.record;
  ping_reply_received_ = false;
  // The console has printed whatever the buffer held; a "!!!!!" still in it belongs to an earlier
  // ping whose second has not passed yet, and must not count as this ping's reply.
  rec.output_buffer.clear();
  ip_route_packet(r, request);
  const bool replied = ping_reply_received_ || rec.output_buffer == "!!!!!";
  ping_reply_received_ = false;

  r.console.set_input("");
  output_text(r, "\r\n\r\nType escape sequence to abort.\r\nSending 5, 100-byte ICMP Echos to " +
                     request.dst_ip + ", timeout is 2 seconds:\r\n");
  co_await scheduler_.wait(1000);  // the rest of the network keeps running meanwhile
  show_prompt(r);
  rec.output_buffer = replied ? "!!!!!\r\nSuccess rate is 100 percent (5/5), round-trip "
                                "min/avg/max = 1/2/4 ms"
                              : ".....\r\nSuccess rate is 0 percent (0/5)";
  output_text(r, rec.output_buffer);
  rec.output_pending = kFalse;
}

}  // namespace zorva
