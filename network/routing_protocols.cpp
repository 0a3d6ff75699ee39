// The four dynamic routing protocols: the sending pass and the receiving side of an update.
#include "network/routing_protocols.h"

#include <algorithm>
#include <vector>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/number_text.h"
#include "network/neighbor_tables.h"
#include "network/real_rip.h"
#include "network/real_routing.h"
#include "network/rip_debug.h"
#include "network/routing_table.h"
#include "network/table_capacity.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"
#include "state/ospf_hello_terms.h"
#include "state/route_metrics.h"

namespace zorva {

namespace {

constexpr std::string_view kBroadcast = "255.255.255.255";

// The network statements of a protocol as values. Statements are stored as canonical dotted text;
// one that cannot be read could not equal any network text either, so it covers nothing.
std::vector<Ipv4> statement_values(const ProtocolBlock& p, const ProtocolTraits& t) {
  std::vector<Ipv4> values;
  const int limit = t.networks != nullptr ? kMaxProtocolNetworks : kMaxOspfNetworks;
  const int count = std::clamp<int>(p.*t.network_count, 0, limit);
  for (int k = 1; k <= count; ++k) {
    const std::string& text =
        t.networks != nullptr ? (p.*t.networks)[k] : p.ospf_networks[k].network;
    if (const std::optional<Ipv4> v = parse_dotted(text)) values.push_back(*v);
  }
  return values;
}

bool contains(const std::vector<Ipv4>& statements, Ipv4 value) {
  return std::find(statements.begin(), statements.end(), value) != statements.end();
}

// The classful network of an interface address. Addresses are normally plain dotted text; text
// that the address check accepted in another spelling ("1 0.1.1.1") goes through the text routine
// so that it gets the same network the network statement was made from.
std::optional<Ipv4> classful_of_address(const std::string& address, ErrorLog& log) {
  if (const std::optional<Ipv4> v = parse_dotted(address)) return classful_network(*v);
  IpRoutines ip(log);
  return parse_dotted(ip.get_classful_network(address));
}

bool interface_covered(const ProtocolTraits& t, const std::vector<Ipv4>& statements,
                       const InterfaceEntry& e, ErrorLog& log) {
  if (t.coverage == Coverage::Exact) return contains(statements, e.network_value);
  const std::optional<Ipv4> net = classful_of_address(e.ip_address, log);
  return net && contains(statements, *net);
}

bool route_covered(const ProtocolTraits& t, const std::vector<Ipv4>& statements,
                   const RouteEntry& route) {
  const Ipv4 net = t.coverage == Coverage::Exact ? route.network : classful_network(route.network);
  return contains(statements, net);
}

// The routes an update sent on interface `index` carries: covered connected routes and the
// protocol's own routes not learned on that interface, in table order, at most 50. `cut` tells
// whether more would have been carried. `carried` is emptied first and then filled; its storage
// is reused from one interface to the next.
void carried_routes(const RouterRecord& r, const ProtocolTraits& t,
                    const std::vector<Ipv4>& statements, int index, bool& cut,
                    std::vector<RouteEntry>& carried) {
  carried.clear();
  carried.reserve(kMaxPacketRoutes);  // grown once, not route by route
  cut = false;
  const int count = std::clamp<int>(r.route_count, 0, kMaxRoutes);
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& route = r.routes[k];
    const bool take = (route.code == 'C' && route_covered(t, statements, route)) ||
                      (route.code == t.code && route.interface_index != index);
    if (!take) continue;
    if (carried.size() >= static_cast<std::size_t>(kMaxPacketRoutes)) {
      cut = true;
      continue;
    }
    carried.push_back(route);
  }
}

}  // namespace

std::optional<RoutingProtocol> protocol_for_payload(FramePayload payload) {
  for (std::size_t k = 0; k < kProtocolTraits.size(); ++k)
    if (kProtocolTraits[k].payload == payload) return static_cast<RoutingProtocol>(k);
  return std::nullopt;
}

void Routes_For_Protocol(RouterRecord& r, RoutingProtocol protocol,
                         const std::function<std::string()>& ospf_router_id,
                         const std::function<void(const PacketRecord&, int)>& send, ErrorLog& log,
                         Behaviour behaviour) {
  const bool real = behaviour == Behaviour::RealRouter;
  const ProtocolTraits& t = traits_of(protocol);
  // Classic reads the statements as values; the real-router rules read them per interface.
  const std::vector<Ipv4> statements =
      real ? std::vector<Ipv4>{} : statement_values(r.protocols, t);
  // The protocol's updates are one table for the full-table rule: a spell of cut updates is
  // logged once and ends only with a pass that cuts none. Each interface's update differs (split
  // horizon), so one update that fits says nothing about the next.
  const std::uint16_t full = full_table_bit(FullTable::CarriedRoutes, static_cast<int>(protocol));
  bool any_cut = false;
  PacketRecord frame;
  std::vector<RouteEntry> carried;  // the next update's routes; swapped into the frame
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  const auto sends_on = [](const InterfaceEntry& e) {
    return e.line_protocol == LinkState::Up && !trim(e.ip_address).empty();
  };
  // Real-router coverage is settled for every interface first: each update carries the connected
  // networks of the covered interfaces, which it reads from these flags.
  for (int i = 1; i <= count && real; ++i) {
    InterfaceEntry& e = r.interfaces[i];
    if (sends_on(e)) e.*t.interface_flag = real_covers(r, protocol, e) ? kTrue : kFalse;
  }
  for (int i = 1; i <= count; ++i) {
    InterfaceEntry& e = r.interfaces[i];
    if (!sends_on(e)) continue;
    const bool covered =
        real ? e.*t.interface_flag == kTrue : interface_covered(t, statements, e, log);
    if (!covered) {
      e.*t.interface_flag = kFalse;
      continue;
    }
    e.*t.interface_flag = kTrue;
    // A passive interface is still covered (its network is advertised) but sends nothing.
    if (real && (e.passive_protocols & (1 << static_cast<int>(protocol))) != 0) continue;
    if (t.sets_hop_count) frame.hop_count = 0;
    if (t.adds_path_cost) {
      store_int16(frame.path_cost, static_cast<double>(frame.path_cost) + e.ospf_cost, log,
                  t.send_log_name);
    }
    frame.frame_type = e.line_encapsulation;
    frame.keepalive = kFalse;
    frame.cdp.present = kFalse;
    frame.dst_ip = kBroadcast;
    frame.src_ip = e.ip_address;
    frame.protocol = "IP";
    frame.payload = t.payload;
    frame.out_interface = e.name;
    if (protocol == RoutingProtocol::Ospf && ospf_router_id) frame.router_id = ospf_router_id();
    // Collected before sending: delivery runs other routers' work and may change this record.
    if (real) {
      frame.as_number = protocol == RoutingProtocol::Igrp    ? r.protocols.igrp_process_numbers[1]
                        : protocol == RoutingProtocol::Eigrp ? r.protocols.eigrp_process_numbers[1]
                                                             : 0;
      frame.sender_area =
          protocol == RoutingProtocol::Ospf ? ospf_area_of(r.protocols, e).value_or(-1) : -1;
      if (protocol == RoutingProtocol::Ospf) frame.ospf_terms = ospf_hello_terms(r.protocols, e);
      frame.rip_version = rip_send_version(r.protocols);
      frame.routes = real_carried_routes(r, protocol, i, log);  // all it has, even nothing
    } else {
      bool cut = false;
      carried_routes(r, t, statements, i, cut, carried);
      if (cut) {
        any_cut = true;
        log_full_once(r, full, t.send_log_name, log);
      }
      if (!carried.empty()) frame.routes.swap(carried);
    }
    // A real router's passive interface still has its network advertised elsewhere, but no
    // update of this protocol goes out of it.
    const bool passive = real && (e.passive_protocols & (1 << static_cast<int>(protocol))) != 0;
    if (real && !passive && protocol == RoutingProtocol::Rip && debugging_rip(r))
      log_rip_sent(r, e, frame);
    if (send && !passive) send(frame, i);
    if (real) continue;  // a real router keeps no candidate of its own for its networks
    const InterfaceEntry& sent_on = r.interfaces[i];
    update_routes(r, sent_on.network_value, sent_on.name, sent_on.prefix_length, t.distance, t.code,
                  t.own_network_metric, sent_on.ip_address, static_cast<Int16>(i), log);
  }
  if (!real && !any_cut) table_has_room(r, full);
  if (real && protocol == RoutingProtocol::Rip) r.routing_bookkeeping.rip_poisoned.clear();
}

void receive_routing_update(RouterRecord& r, int interface_index, const PacketRecord& frame,
                            Int32 sim_clock, ErrorLog& log, Behaviour behaviour) {
  const std::optional<RoutingProtocol> protocol = protocol_for_payload(frame.payload);
  if (!protocol) return;
  if (behaviour == Behaviour::RealRouter) {
    real_take_update(r, *protocol, interface_index, frame, sim_clock, log);
    return;
  }
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  if (interface_index < 1 || interface_index > count) return;
  const ProtocolTraits& t = traits_of(*protocol);
  const InterfaceEntry& e = r.interfaces[interface_index];
  if (r.protocols.*t.enabled != kTrue || e.*t.interface_flag != kTrue) return;
  switch (t.neighbor_step) {
    case NeighborStep::Eigrp:
      add_eigrp_neighbors(r, frame, sim_clock, log);
      break;
    case NeighborStep::Ospf:
      add_ospf_neighbors(r, frame, sim_clock, log);
      break;
    case NeighborStep::None:
      break;
  }
  Int32 metric = 1;
  if (t.received_metric == ReceivedMetric::HopCountPlusOne) {
    metric = static_cast<Int32>(frame.hop_count) + 1;
  } else if (t.received_metric == ReceivedMetric::CostPlusPath) {
    metric = static_cast<Int32>(e.ospf_cost) + frame.path_cost;
  }
  update_routes_through(r, frame.routes, e.name, t.distance, t.code, metric, e.ip_address,
                        static_cast<Int16>(interface_index), log);
}

}  // namespace zorva
