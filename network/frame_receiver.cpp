// What a router does with a frame that arrives on one of its interfaces: keepalives, CDP
// advertisements, ARP learning, pings addressed to it, routing updates, and forwarding of IP
// frames meant for someone else.
#include "base/error_log.h"
#include "base/number_text.h"
#include "network/network.h"
#include "network/ppp_debug.h"
#include "network/ppp_link.h"
#include "network/routing_protocols.h"
#include "network/table_capacity.h"
#include "router/output.h"

namespace zorva {

namespace {

constexpr std::string_view kReceiverLogName = "Packet from patchpanel to router()";

// Keepalives go out every layer-2 tick; a failing PPP authentication is tried again each
// keepalive period a real router reports ("keepalive set (10 sec)").
// The simulation clock counts seconds.
constexpr Int32 kLayer2TickSeconds = 2;
constexpr Int32 kPppRetrySeconds = 10;

// The CHAP check of a PPP keepalive: the receiver knows the sender's host name as a user (any
// case) whose password is exactly the secret offered.
bool chap_accepts(const RouterRecord& r, const PacketRecord& frame) {
  const std::string sender = to_upper(frame.sender_hostname);
  for (int j = 1; j <= std::min<int>(r.username_count, kMaxUsers); ++j)
    if (to_upper(r.usernames[j]) == sender && r.user_passwords[j] == frame.chap_secret) return true;
  return false;
}

// What this end knows after a PPP keepalive from its peer.
struct PppAttempt {
  PppVerdict verdict;    // this end's verdict on the peer
  bool peer_accepts;     // the peer's keepalive says it accepts this end
  bool accepted_before;  // this end had accepted the peer before this keepalive
  bool open;             // both ends accept each other: the link comes or stays up
};

// `debug ppp authentication`: the exchange that brings the link up or takes it down, and while
// it fails, one attempt every keepalive period with a new identifier. A link that stays up is
// not authenticated again. Says whether it logged anything.
bool log_ppp_authentication(RouterRecord& r, const InterfaceEntry& e, const PacketRecord& frame,
                            const PppAttempt& attempt, Int32 now) {
  if (!debugging_ppp_authentication(r)) return false;
  if (e.ppp_authentication == PppAuthentication::None &&
      frame.ppp_authentication == PppAuthentication::None)
    return false;
  const bool was_up = e.line_protocol == LinkState::Up;
  // The peer has refused this end once it has heard this end accept it; before that it may not
  // have judged yet.
  const bool peer_refused = !attempt.peer_accepts && attempt.accepted_before;
  const bool failing = attempt.verdict != PppVerdict::Accepted || peer_refused;
  if (attempt.open ? was_up : !failing) return false;
  // The attempt that takes an open link down is shown; a closed link retries once a period.
  if (!attempt.open && !was_up && now % kPppRetrySeconds >= kLayer2TickSeconds) return false;
  const int id = static_cast<int>(now / kPppRetrySeconds % 255) + 1;
  // The peer's verdict is shown once it is sure: its acceptance when the link opens, its refusal
  // as above; while this end refuses the peer, the peer's own verdict may still change.
  log_ppp_exchange(r, e, frame,
                   {attempt.verdict, attempt.peer_accepts, attempt.open || peer_refused, id});
  return true;
}

}  // namespace

void Network::packet_from_patch_panel_to_router(Router& r, int interface,
                                                const PacketRecord& frame) {
  if (interface < 1 || interface > r.record.interface_count) return;
  InterfaceEntry& e = r.record.interfaces[interface];
  if (is_set(e.shutdown)) return;  // a shut-down interface drops every frame, keepalives too
  if (is_set(frame.keepalive)) {
    receive_keepalive(r, e, frame);
  } else if (is_set(frame.cdp.present)) {
    receive_cdp(r, frame, e.name);
  } else if (frame.protocol == "IP") {
    learn_arp(r, frame);
    if (frame.dst_ip != "255.255.255.255" && !addressed_to(r, frame.dst_ip)) {
      ip_route_packet(r, frame);
    } else if (frame.payload == FramePayload::PingRequest) {
      PacketRecord reply = frame;
      reply.payload = FramePayload::PingReply;
      std::swap(reply.src_ip, reply.dst_ip);
      ip_route_packet(r, std::move(reply));
    } else if (frame.payload == FramePayload::PingReply) {
      r.record.output_buffer = "!!!!!";
      r.record.output_pending = kTrue;
      ping_reply_received_ = true;
    } else {
      receive_routing_update(r.record, interface, frame, sim_clock_, log_, behaviour_);
      print_routing_messages(r);
    }
  }
}

void Network::receive_keepalive(Router& r, InterfaceEntry& e, const PacketRecord& frame) {
  if (e.line_encapsulation != frame.frame_type) return;  // other framing: the misses go on
  const bool ppp = e.line_encapsulation == Encapsulation::Ppp;
  if (ppp && behaviour_ == Behaviour::RealRouter) {
    receive_real_ppp_keepalive(r, e, frame);
    return;
  }
  e.keepalive_seen = kTrue;
  if (ppp && e.ppp_authentication == PppAuthentication::Chap) {
    if (!chap_accepts(r.record, frame)) {
      e.keepalive_seen = kFalse;
    } else if (is_set(frame.sender_keepalive_seen)) {
      e.keepalive_misses = 0;
    }
  } else if (!ppp || is_set(frame.sender_keepalive_seen)) {
    // PPP comes up only once the far end reports that it hears this end too.
    e.keepalive_misses = 0;
  }
}

// A real router's PPP link is up (the far end sends PPP frames) as soon as keepalives arrive; its
// line protocol is up while each end accepts the other's authentication, and goes down at once
// when one stops doing so. `keepalive_seen` says that this end accepts its peer, and the far end
// reports its own in every keepalive.
void Network::receive_real_ppp_keepalive(Router& r, InterfaceEntry& e, const PacketRecord& frame) {
  e.keepalive_misses = 0;
  const bool accepted_before = is_set(e.keepalive_seen);
  const PppVerdict verdict = ppp_peer_verdict(r.record, e, frame);
  e.keepalive_seen = verdict == PppVerdict::Accepted ? kTrue : kFalse;
  const int index = static_cast<int>(&e - &r.record.interfaces[0]);
  const bool open = is_set(e.keepalive_seen) && is_set(frame.sender_keepalive_seen) &&
                    line_clocked(r.number, index);
  if (e.status != LinkState::Up) return;
  if (log_ppp_authentication(r.record, e, frame,
                             {verdict, is_set(frame.sender_keepalive_seen), accepted_before, open},
                             sim_clock_))
    print_routing_messages(r);
  if (open == (e.line_protocol == LinkState::Up)) return;
  e.line_protocol = open ? LinkState::Up : LinkState::Down;
  output_text(r, "\r\n%LINEPROTO-5-UPDOWN: Line protocol on Interface " + e.name +
                     ", changed state to " + std::string(text_of(e.line_protocol)));
  if (!open) notice_line_changes(r);
}

// A real router keeps one entry per neighbour and local interface, and remembers that interface;
// classic keeps one per device and no interface.
void Network::receive_cdp(Router& r, const PacketRecord& frame, const std::string& heard_on) {
  RouterRecord& rec = r.record;
  const std::string local = behaviour_ == Behaviour::RealRouter ? heard_on : "";
  for (int j = 1; j <= rec.cdp_neighbor_count; ++j) {
    if (rec.cdp_neighbors[j].info.device_id == frame.cdp.device_id &&
        rec.cdp_neighbors[j].local_interface == local) {
      rec.cdp_neighbors[j].received_at = sim_clock_;  // the stored block is not refreshed
      return;
    }
  }
  const std::uint16_t full = full_table_bit(FullTable::CdpNeighbors);
  if (rec.cdp_neighbor_count >= kMaxCdpNeighbors) {
    log_full_once(rec, full, kReceiverLogName, log_);
    return;
  }
  table_has_room(rec, full);
  rec.cdp_neighbor_count += 1;
  rec.cdp_neighbors[rec.cdp_neighbor_count] = CdpNeighborEntry{frame.cdp, sim_clock_, local};
}

// Every IP frame teaches the receiver its sender's hardware address. A frame without one (a serial
// line) teaches nothing, and an entry without one never stands in the way of learning.
void Network::learn_arp(Router& r, const PacketRecord& frame) {
  if (frame.src_mac.empty()) return;
  for (int j = 1; j <= r.arp_count; ++j) {
    const ArpEntry& a = r.arp_table[j];
    if (a.ip_address == frame.src_ip || a.hardware_address == frame.src_mac) return;
  }
  if (r.arp_count >= kMaxArpEntries) {
    if (!r.arp_full_logged) log_.log(kReceiverLogName, RuntimeError::SubscriptOutOfRange);
    r.arp_full_logged = true;
    return;
  }
  r.arp_full_logged = false;
  r.arp_count += 1;
  r.arp_table[r.arp_count] = ArpEntry{frame.src_mac, frame.src_ip, 0, frame.out_interface};
}

// Any interface's address counts, whatever the state of that interface.
bool Network::addressed_to(const Router& r, const std::string& address) const {
  for (int i = 1; i <= r.record.interface_count; ++i)
    if (r.record.interfaces[i].ip_address == address) return true;
  return false;
}

}  // namespace zorva
