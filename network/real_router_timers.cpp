// The routing work of the real-router behaviour on simulated time: the five-second routing tick
// (RIP updates every 30 s, IGRP every 90 s, EIGRP every 5 s, OSPF every 10 s, and a triggered
// update whenever the table changed or a protocol newly covers an interface), and the immediate
// reaction to a line that went down.
#include <array>

#include "network/network.h"
#include "network/real_routing.h"
#include "network/routing_protocols.h"
#include "network/routing_table.h"
#include "router/output.h"
#include "state/ospf_hello_terms.h"

namespace zorva {

namespace {

// Five-second ticks between two periodic updates of each protocol, in RoutingProtocol order.
constexpr std::array<int, 4> kUpdateTicks = {6, 18, 1, 2};
constexpr int kTickCycle = 36;  // a multiple of every period above
constexpr unsigned kEveryProtocol = 0xF;

// True when the protocol covers an interface it did not cover at its last update.
bool newly_covers(const RouterRecord& r, RoutingProtocol p) {
  const ProtocolTraits& t = traits_of(p);
  for (int i = 1; i <= r.interface_count && i <= kMaxInterfaces; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.*t.interface_flag != kTrue && real_covers(r, p, e)) return true;
  }
  return false;
}

// An interface whose OSPF hello interval is below the ten-second default sends at every tick.
bool fast_ospf_hellos(const RouterRecord& r) {
  for (int i = 1; i <= r.interface_count && i <= kMaxInterfaces; ++i)
    if (ospf_hello_interval(r.interfaces[i]) < 10) return true;
  return false;
}

// OSPF starts with a router ID: `router-id` if one was given, else the highest loopback address,
// else the highest address of an up interface. Once chosen it stays until the process restarts.
void start_ospf(RouterRecord& r) {
  ProtocolBlock& p = r.protocols;
  if (p.ospf_enabled != kTrue || !p.ospf_active_router_id.empty()) return;
  p.ospf_active_router_id =
      p.ospf_configured_router_id.empty() ? choose_ospf_router_id(r) : p.ospf_configured_router_id;
}

}  // namespace

void Network::real_routing_tick(Router& r) {
  RouterRecord& rec = r.record;
  // A process removed with `no router ospf` chooses its router ID again when it is configured anew.
  if (rec.protocols.ospf_enabled != kTrue) rec.protocols.ospf_active_router_id.clear();
  drop_unusable_routes(rec, sim_clock_);
  print_routing_messages(r);
  Routes_For_Connected_Interfaces(rec, log_, behaviour_, sim_clock_);
  refresh_eigrp_summaries(rec, sim_clock_);
  r.protocol_tick = static_cast<Int16>((r.protocol_tick + 1) % kTickCycle);
  const bool triggered = rec.routing_bookkeeping.triggered;
  unsigned due = 0;
  for (std::size_t k = 0; k < kProtocolTraits.size(); ++k) {
    const auto p = static_cast<RoutingProtocol>(k);
    const bool fast = p == RoutingProtocol::Ospf && fast_ospf_hellos(rec);
    if (triggered || fast || r.protocol_tick % kUpdateTicks[k] == 0 || newly_covers(rec, p))
      due |= 1u << k;
  }
  send_real_updates(r, due);
  Calculate_Routing_Table(rec, behaviour_);
  note_ospf_origin(r);
  print_routing_messages(r);  // what `debug ip rip` logged of the updates just sent
}

void Network::send_real_updates(Router& r, unsigned protocols) {
  RouterRecord& rec = r.record;
  for (std::size_t k = 0; k < kProtocolTraits.size(); ++k) {
    const auto p = static_cast<RoutingProtocol>(k);
    if ((protocols & (1u << k)) == 0 || rec.protocols.*kProtocolTraits[k].enabled != kTrue)
      continue;
    if (p == RoutingProtocol::Ospf) start_ospf(rec);
    Routes_For_Protocol(
        rec, p, [&rec] { return rec.protocols.ospf_active_router_id; },
        [this, &r](const PacketRecord& frame, int interface) {
          packet_into_panel(r.number, interface, frame);
        },
        log_, behaviour_);
  }
  rec.routing_bookkeeping.triggered = false;
}

// Routes over a line that is no longer up leave at once, and the neighbours hear of it at once
// (RIP's triggered update carries the lost routes at metric 16).
void Network::notice_line_changes(Router& r) {
  RouterRecord& rec = r.record;
  const bool dropped = drop_unusable_routes(rec, sim_clock_);
  print_routing_messages(r);
  if (!dropped) return;
  Calculate_Routing_Table(rec, behaviour_);
  send_real_updates(r, kEveryProtocol);
  print_routing_messages(r);
}

void Network::after_command(Router& r) {
  if (behaviour_ != Behaviour::RealRouter) return;
  notice_line_changes(r);
  // A static route whose next hop became reachable (or no longer is) changes the table too.
  Routes_For_Connected_Interfaces(r.record, log_, behaviour_, sim_clock_);
}

void Network::print_routing_messages(Router& r) {
  std::vector<std::string>& messages = r.record.routing_bookkeeping.console_messages;
  for (const std::string& message : messages) output_text(r, "\r\n" + message);
  messages.clear();
}

}  // namespace zorva
