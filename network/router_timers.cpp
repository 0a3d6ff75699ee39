// Each router's own timers: the layer-2 timer (line state from the keepalives heard, the link
// messages, this router's keepalives), the CDP timer (advertisements and neighbour ageing) and
// the five-second timer that keeps the routing table.
#include "base/error_log.h"
#include "base/number_text.h"
#include "network/last_command_router.h"
#include "network/neighbor_tables.h"
#include "network/network.h"
#include "network/ppp_link.h"
#include "network/routing_protocols.h"
#include "network/routing_table.h"
#include "router/output.h"

namespace zorva {

namespace {

// Ticks without a keepalive after which a line goes down. The count stops once past it, so a
// line that stays down for days never overflows.
constexpr Int16 kMissesDown = 4;

// The link and line-protocol messages, printed as one text.
std::string link_messages(const std::string& name, const char* state) {
  return "\r\n%LINK-3-UPDOWN: Interface " + name + ", changed state to " + state +
         "\r\n%LINEPROTO-5-UPDOWN: Line protocol on Interface " + name + ", changed state to " +
         state;
}

std::string line_protocol_message(const std::string& name, const char* state) {
  return "\r\n%LINEPROTO-5-UPDOWN: Line protocol on Interface " + name + ", changed state to " +
         state;
}

// The CHAP secret a router offers: its enable secret with every character code one lower again.
std::string offered_secret(const std::string& enable_secret) {
  std::string s = enable_secret;
  for (char& c : s) c = static_cast<char>(static_cast<unsigned char>(c) - 1);
  return s;
}

}  // namespace

void Network::TimerLayer2(Router& r) {
  RouterRecord& rec = r.record;
  const bool real = behaviour_ == Behaviour::RealRouter;
  bool went_down = false;
  bool came_up = false;
  for (int i = 1; i <= rec.interface_count; ++i) {
    InterfaceEntry& e = rec.interfaces[i];
    if (e.type == InterfaceType::Loopback) continue;  // no cable, no keepalives: always up
    if (e.keepalive_misses < kMissesDown) e.keepalive_misses += 1;
    if (real) {
      real_line_state(r, i, went_down, came_up);
    } else {
      if (e.keepalive_misses > 3 && e.status == LinkState::Up) {
        output_text(r, link_messages(e.name, "down"));
        e.status = e.line_protocol = LinkState::Down;
      }
      if (e.keepalive_misses < 4 && e.status == LinkState::Down) {
        output_text(r, link_messages(e.name, "up"));
        e.status = e.line_protocol = LinkState::Up;
      }
    }
    if (!is_set(e.shutdown)) send_keepalive(r, i);
  }
  if (real && went_down) notice_line_changes(r);
  // A line that came up gives its connected route at once, as a real router's does.
  if (real && came_up) Routes_For_Connected_Interfaces(rec, log_, behaviour_, sim_clock_);
}

// The interface is up while the far end's keepalives arrive (a shut-down one stays
// administratively down whatever it hears); its line protocol is up only while the line also has
// a clock, so a serial line whose DCE end has no clock rate stays "up, line protocol is down".
void Network::real_line_state(Router& r, int i, bool& went_down, bool& came_up) {
  InterfaceEntry& e = r.record.interfaces[i];
  const bool heard = e.keepalive_misses < 4;
  // The line protocol comes up on a keepalive heard since the last tick, over a clocked line.
  // A PPP line protocol waits instead for both ends to accept each other (receive_keepalive).
  const bool clocked = line_clocked(r.number, i);
  const bool ppp = e.line_encapsulation == Encapsulation::Ppp;
  const bool protocol_up = clocked && e.keepalive_misses <= 1 && !ppp;
  if (!heard && e.status == LinkState::Up) {
    std::string text = "\r\n%LINK-3-UPDOWN: Interface " + e.name + ", changed state to down";
    if (e.line_protocol == LinkState::Up) text += line_protocol_message(e.name, "down");
    output_text(r, text);
    e.status = e.line_protocol = LinkState::Down;
    went_down = true;
  } else if (heard && e.status == LinkState::Down && !is_set(e.shutdown)) {
    std::string text = "\r\n%LINK-3-UPDOWN: Interface " + e.name + ", changed state to up";
    if (protocol_up) text += line_protocol_message(e.name, "up");
    output_text(r, text);
    e.status = LinkState::Up;
    e.line_protocol = protocol_up ? LinkState::Up : LinkState::Down;
    came_up = came_up || protocol_up;
  } else if (e.status == LinkState::Up && e.line_protocol == LinkState::Up && !clocked) {
    output_text(r, line_protocol_message(e.name, "down"));
    e.line_protocol = LinkState::Down;
    went_down = true;
  } else if (e.status == LinkState::Up && e.line_protocol == LinkState::Down && protocol_up) {
    output_text(r, line_protocol_message(e.name, "up"));
    e.line_protocol = LinkState::Up;
    came_up = true;
  }
}

void Network::send_keepalive(Router& r, int interface) {
  const InterfaceEntry& e = r.record.interfaces[interface];
  PacketRecord frame;
  frame.frame_type = e.line_encapsulation;
  frame.keepalive = kTrue;
  if (e.line_encapsulation == Encapsulation::Ppp) {
    frame.ppp_authentication = e.ppp_authentication;
    frame.sender_hostname = r.record.hostname;
    frame.chap_secret = offered_secret(r.record.enable_secret);
    frame.sender_keepalive_seen = e.keepalive_seen;
    if (behaviour_ == Behaviour::RealRouter) fill_ppp_credentials(r.record, e, frame);
  }
  packet_into_panel(r.number, interface, frame);
}

void Network::TimerCDP(Router& r) {
  r.cdp_tick = r.cdp_tick >= 5000 ? 0 : r.cdp_tick + 1;
  if (!is_set(r.record.cdp_run)) return;  // neither advertisements nor ageing
  // The period is divided by 12 although a tick lasts 5 seconds: with the default 60 s the
  // first advertisement goes out on the 5th tick and then on every 4th.
  if (static_cast<double>(r.record.cdp_timer) / 12.0 <= r.cdp_tick) {
    r.cdp_tick = 1;
    advertise_cdp(r);
  }
  age_cdp_neighbors(r);
}

void Network::advertise_cdp(Router& r) {
  const RouterRecord& rec = r.record;
  for (int i = 1; i <= rec.interface_count; ++i) {
    const InterfaceEntry& e = rec.interfaces[i];
    if (e.status != LinkState::Up || !is_set(e.cdp_enable)) continue;
    PacketRecord frame;
    frame.frame_type = e.line_encapsulation;
    frame.cdp = CdpInfo{kTrue, "1", rec.hostname, "", e.name, "1700", "R", e.ip_address};
    packet_into_panel(r.number, i, frame);
  }
}

// A neighbour whose hold time has run out leaves; the entry that moves into its place is looked
// at on the next tick.
void Network::age_cdp_neighbors(Router& r) {
  RouterRecord& rec = r.record;
  const int count = rec.cdp_neighbor_count;
  for (int j = 1; j <= count && j <= rec.cdp_neighbor_count; ++j) {
    const std::int64_t remaining =
        static_cast<std::int64_t>(rec.cdp_holdtime) - sim_clock_ + rec.cdp_neighbors[j].received_at;
    if (remaining >= 1) continue;
    rec.cdp_neighbor_count -= 1;
    for (int k = j; k <= rec.cdp_neighbor_count; ++k)
      rec.cdp_neighbors[k] = rec.cdp_neighbors[k + 1];
    rec.cdp_neighbors[rec.cdp_neighbor_count + 1] = CdpNeighborEntry{};
  }
}

void Network::Timer5Second(Router& r) {
  if (behaviour_ == Behaviour::RealRouter) {
    real_routing_tick(r);
    return;
  }
  Routes_For_Connected_Interfaces(r.record, log_);
  r.protocol_tick += 1;
  if (r.protocol_tick > 1) {
    r.protocol_tick = 0;
    run_protocols(r);
  }
  Calculate_Routing_Table(r.record);
}

void Network::run_protocols(Router& r) {
  RouterRecord& rec = r.record;
  const auto router_id = [this] { return last_command_.ospf_router_id(); };
  const auto send = [this, &r](const PacketRecord& frame, int interface) {
    packet_into_panel(r.number, interface, frame);
  };
  Routes_For_Protocol(rec, RoutingProtocol::Rip, router_id, send, log_);
  Routes_For_Protocol(rec, RoutingProtocol::Igrp, router_id, send, log_);
  Routes_For_Protocol(rec, RoutingProtocol::Eigrp, router_id, send, log_);
  Maintain_Eigrp_Neighbors(rec, sim_clock_);
  Routes_For_Protocol(rec, RoutingProtocol::Ospf, router_id, send, log_);
  Maintain_Ospf_Neighbors(rec, sim_clock_);
  Maintain_Routing_Table(rec);
}

}  // namespace zorva
