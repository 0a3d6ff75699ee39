// Ping and traceroute as a real router runs them. Each echo request goes out by itself: a reply
// prints "!" at once, a request without one prints "." when its two seconds are up, so a path
// that appears or goes away during a ping shows in the middle of the line; a router on the way
// without a route answers "U". Traceroute follows the routing tables hop by hop and prints, for
// each router on the way, the address it answers from (its interface towards the source), as
// long as that router can reach the source.
#include <string>
#include <utility>

#include "base/number_text.h"
#include "network/network.h"
#include "network/routing_table.h"
#include "router/output.h"
#include "router/router.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

constexpr int kReplyMs = 4;            // a reply comes back within a few milliseconds
constexpr int kTimeoutMs = 2000;       // a request without a reply is given up after 2 s
constexpr int kProbeTimeoutMs = 3000;  // a traceroute probe without an answer: 3 s
constexpr int kMaxHops = 30;
constexpr int kMarksPerLine = 70;  // a long ping wraps its "!" and "." lines here

std::string success_line(int replies, int count) {
  std::string line = "Success rate is " + plain_number(count > 0 ? replies * 100 / count : 0) +
                     " percent (" + plain_number(replies) + "/" + plain_number(count) + ")";
  if (replies > 0) line += ", round-trip min/avg/max = 1/2/4 ms";
  return line;
}

bool interface_up(const InterfaceEntry& e) {
  return e.line_protocol == LinkState::Up && !is_set(e.shutdown);
}

// The address of the interface a router answers from: the one its route towards `source` leaves
// by; "" when it has no such route.
std::string answering_address(const RouterRecord& r, Ipv4 source) {
  const RouteEntry* back = longest_match(r, source);
  if (back == nullptr) return "";
  const int k = back->out_index;
  return k >= 1 && k <= r.interface_count ? r.interfaces[k].ip_address : "";
}

std::string hop_number(int hop) {
  const std::string n = plain_number(hop);
  return std::string(3 - std::min<std::size_t>(3, n.size()), ' ') + n + " ";
}

}  // namespace

Task Network::real_ping(Router& r, PacketRecord request, int count, bool asked) {
  RouterRecord& rec = r.record;
  r.console.set_input("");
  output_text(r, std::string(asked ? "\r\n" : "\r\n\r\n") +
                     "Type escape sequence to abort.\r\nSending " + plain_number(count) +
                     ", 100-byte ICMP Echos to " + request.dst_ip + ", timeout is 2 seconds:\r\n");
  int replies = 0;
  for (int k = 0; k < count; ++k) {
    if (k > 0 && k % kMarksPerLine == 0) output_text(r, "\r\n");
    ping_reply_received_ = ping_unreachable_ = false;
    ip_route_packet(r, request);
    const bool replied = ping_reply_received_;
    // Unreachable messages are rate-limited: every other request simply times out ("U.U.U").
    const bool unreachable = ping_unreachable_ && k % 2 == 0;
    ping_reply_received_ = ping_unreachable_ = false;
    if (replied || unreachable) {
      if (replied) ++replies;
      output_text(r, replied ? "!" : "U");
      co_await scheduler_.wait(kReplyMs);
    } else {
      co_await scheduler_.wait(kTimeoutMs);  // the rest of the network keeps running meanwhile
      output_text(r, ".");
    }
  }
  output_text(r, "\r\n" + success_line(replies, count));
  rec.output_buffer.clear();
  rec.output_pending = kFalse;
  show_prompt(r);
}

void Network::ip_traceroute_execute(Router& r, const std::string& destination) {
  real_traceroute(r, destination);
}

Task Network::real_traceroute(Router& r, std::string destination) {
  r.console.set_input("");
  output_text(
      r, "\r\n\r\nType escape sequence to abort.\r\nTracing the route to " + destination + "\r\n");
  const Ipv4 target = parse_dotted(destination).value_or(0);
  const RouteEntry* first = longest_match(r.record, target);
  const int first_out = first != nullptr ? first->out_index : 0;
  const Ipv4 source = first_out >= 1 && first_out <= r.record.interface_count
                          ? parse_dotted(r.record.interfaces[first_out].ip_address).value_or(0)
                          : 0;
  Router* at = &r;
  bool done = addressed_to(r, destination);
  if (done) output_text(r, "\r\n" + hop_number(1) + destination + " 0 msec 0 msec 0 msec");
  for (int hop = 1; hop <= kMaxHops && !done; ++hop) {
    // Where the probe goes from the router it has reached: the next router on the route, whose
    // receiving interface must be up.
    Router* next = nullptr;
    if (const RouteEntry* route = longest_match(at->record, target)) {
      const int k = route->out_index;
      const CableEnd& end = far_end(at->number, k);
      Router* far = end.resolved() ? router(end.router) : nullptr;
      if (k >= 1 && k <= at->record.interface_count && interface_up(at->record.interfaces[k]) &&
          far != nullptr && interface_up(far->record.interfaces[end.interface]))
        next = far;
    }
    const std::string from = next != nullptr ? answering_address(next->record, source) : "";
    if (from.empty()) {
      co_await scheduler_.wait(3 * kProbeTimeoutMs);
      output_text(r, "\r\n" + hop_number(hop) + " *  *  * ");
      continue;
    }
    const int ms = 16 * hop;
    co_await scheduler_.wait(3 * ms);
    std::string line = "\r\n" + hop_number(hop) + from;
    if (addressed_to(*next, destination)) {
      done = true;
    } else if (longest_match(next->record, target) == nullptr) {
      done = true;  // the router has no route on: it answers "host unreachable"
      output_text(r, line + " !H  !H  !H");
      continue;
    }
    const std::string t = " " + plain_number(ms) + " msec";
    output_text(r, line + t + t + t);
    at = next;
  }
  show_prompt(r);
}

}  // namespace zorva
