// The four dynamic routing protocols, one scheme with a table of differences. Every protocol
// pass a router sends one update per covered interface carrying its covered connected routes and
// the routes it learned by that protocol; a receiver turns each carried route into a candidate.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/behaviour.h"
#include "base/types.h"
#include "state/router_record.h"

namespace zorva {

class ErrorLog;

enum class RoutingProtocol { Rip, Igrp, Eigrp, Ospf };

// How a network statement covers an interface or a connected route.
enum class Coverage {
  Classful,  // the statement equals the classful network of the address (or route network)
  Exact,     // the statement equals the interface's network address (or route network) exactly
};

// The metric a receiver gives the routes it learns from an update.
enum class ReceivedMetric {
  HopCountPlusOne,  // the frame's hop count + 1
  One,              // always 1
  CostPlusPath,     // the receiving interface's OSPF cost + the frame's path cost
};

// The neighbour table a received update refreshes before its routes are taken.
enum class NeighborStep { None, Eigrp, Ospf };

struct ProtocolTraits {
  FramePayload payload;            // what the update frame carries
  char code;                       // code letter of the routes learned by the protocol
  Int16 distance;                  // administrative distance of those routes
  Int32 own_network_metric;        // metric of the candidate a sender keeps for its own network
  Coverage coverage;               // how network statements cover interfaces and routes
  ReceivedMetric received_metric;  // metric of the routes a receiver learns
  NeighborStep neighbor_step;      // neighbour table refreshed by a received update
  bool sets_hop_count;             // the sender sets hop_count 0
  bool adds_path_cost;             // the sender adds each interface's OSPF cost to path_cost
  // The protocol's network statements and their count; OSPF (no list here) uses ospf_networks.
  std::array<std::string, kMaxProtocolNetworks + 1> ProtocolBlock::*networks;
  Int16 ProtocolBlock::*network_count;
  Flag InterfaceEntry::*interface_flag;  // the interface is covered by a statement
  Flag ProtocolBlock::*enabled;          // the router's switch, tested by the receiver
  std::string_view send_log_name;        // log name of the sender
};

inline constexpr std::array<ProtocolTraits, 4> kProtocolTraits = {{
    {FramePayload::Rip, 'R', 120, 1, Coverage::Classful, ReceivedMetric::HopCountPlusOne,
     NeighborStep::None, true, false, &ProtocolBlock::rip_networks,
     &ProtocolBlock::rip_network_count, &InterfaceEntry::rip_state, &ProtocolBlock::rip_enabled,
     "Routes for Rip()"},
    {FramePayload::Igrp, 'I', 100, 1, Coverage::Classful, ReceivedMetric::HopCountPlusOne,
     NeighborStep::None, true, false, &ProtocolBlock::igrp_networks,
     &ProtocolBlock::igrp_network_count, &InterfaceEntry::igrp_state, &ProtocolBlock::igrp_enabled,
     "Routes for IGRP()"},
    {FramePayload::Eigrp, 'D', 90, 1, Coverage::Classful, ReceivedMetric::One, NeighborStep::Eigrp,
     false, false, &ProtocolBlock::eigrp_networks, &ProtocolBlock::eigrp_network_count,
     &InterfaceEntry::eigrp_state, &ProtocolBlock::eigrp_enabled, "Routes for Eigrp()"},
    {FramePayload::Ospf, 'O', 110, 0, Coverage::Exact, ReceivedMetric::CostPlusPath,
     NeighborStep::Ospf, false, true, nullptr, &ProtocolBlock::ospf_network_count,
     &InterfaceEntry::ospf_state, &ProtocolBlock::ospf_enabled, "Routes for Ospf()"},
}};

constexpr const ProtocolTraits& traits_of(RoutingProtocol p) {
  return kProtocolTraits[static_cast<std::size_t>(p)];
}

// The protocol whose updates carry `payload`; nothing for a ping or a layer-2 frame.
std::optional<RoutingProtocol> protocol_for_payload(FramePayload payload);

// One protocol pass of router `r`. For each interface 1..interface_count that is up with an
// address: records in its protocol flag whether a network statement covers it; when one does,
// fills the update frame, calls `send` with it and the interface index (the caller delivers it
// through the patch panel before returning), and then keeps a candidate for the interface's own
// network with the protocol's distance. One frame serves the whole pass and is not cleared
// between interfaces: OSPF path cost adds up from interface to interface, and an interface with
// no route to carry sends the routes of the interface before it. A frame carries at most 50
// routes; a longer list is cut and logged once under the sender's log name. `ospf_router_id`
// gives the router ID of each OSPF update; the other protocols do not call it (it may be empty).
// In the real-router behaviour coverage and the carried routes follow network/real_routing.h, the
// frame names the sender's AS and OSPF area, and the sender keeps no candidate of its own.
void Routes_For_Protocol(RouterRecord& r, RoutingProtocol protocol,
                         const std::function<std::string()>& ospf_router_id,
                         const std::function<void(const PacketRecord&, int)>& send, ErrorLog& log,
                         Behaviour behaviour = Behaviour::Classic);

// The routing-update step of receiving an IP frame addressed to this router, on interface
// `interface_index` (the caller has found that interface and dropped frames on a shut-down one).
// Taken only when the router's switch for the payload's protocol is exactly true (-1) and the
// receiving interface's flag for it is true; then EIGRP and OSPF refresh their neighbour table,
// and every carried route becomes or refreshes a candidate through the receiving interface. Any
// other payload is ignored. In the real-router behaviour the update goes to real_take_update.
void receive_routing_update(RouterRecord& r, int interface_index, const PacketRecord& frame,
                            Int32 sim_clock, ErrorLog& log,
                            Behaviour behaviour = Behaviour::Classic);

}  // namespace zorva
