// The routing protocols at their edges: which interfaces a statement covers, which interface a
// receiver takes routes on, and the 50-route cap of an update with its log. RIP learning, split
// horizon and OSPF path costs as a student sees them are in net_rip.out and net_ospf.out.
#include "network/routing_protocols.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network/routing_table.h"
#include "tests/network/routing_fixture.h"

namespace zorva::testing {
namespace {

void add_rip_network(RouterRecord& r, const std::string& network) {
  r.protocols.rip_networks[++r.protocols.rip_network_count] = network;
  r.protocols.rip_enabled = kTrue;
}

// A router with every protocol switched on and every flag of interface 1 set.
RouterRecord listener(Int16 ospf_cost = 64) {
  RouterRecord r = new_router_record();
  add_interface(r, "Serial0", "10.1.1.2", 24, true, ospf_cost);
  InterfaceEntry& e = r.interfaces[1];
  e.rip_state = e.igrp_state = e.eigrp_state = e.ospf_state = kTrue;
  ProtocolBlock& p = r.protocols;
  p.rip_enabled = p.igrp_enabled = p.eigrp_enabled = p.ospf_enabled = kTrue;
  return r;
}

class RoutingProtocolsTest : public RoutingTest {
 protected:
  // One protocol pass of `r`; its frames are delivered to `to` on interface 1 when given.
  std::vector<PacketRecord> pass(RouterRecord& r, RoutingProtocol protocol,
                                 RouterRecord* to = nullptr) {
    std::vector<PacketRecord> sent;
    const auto send = [&](const PacketRecord& frame, int) {
      sent.push_back(frame);
      if (to != nullptr) receive_routing_update(*to, 1, frame, 100, log_);
    };
    Routes_For_Protocol(
        r, protocol, [] { return std::string("10.9.9.9"); }, send, log_);
    return sent;
  }
};

TEST_F(RoutingProtocolsTest, StatementsCoverOnlyTheirOwnNetwork) {
  const std::tuple<RoutingProtocol, const char*, bool> cases[] = {
      {RoutingProtocol::Rip, "10.0.0.0", true},  {RoutingProtocol::Rip, "10.1.1.0", false},
      {RoutingProtocol::Igrp, "10.0.0.0", true}, {RoutingProtocol::Eigrp, "11.0.0.0", false},
      {RoutingProtocol::Ospf, "10.1.1.0", true}, {RoutingProtocol::Ospf, "10.0.0.0", false},
  };
  for (const auto& [protocol, statement, covers] : cases) {
    RouterRecord r = new_router_record();
    add_interface(r, "Serial0", "10.1.1.1", 24);
    ProtocolBlock& p = r.protocols;
    p.rip_networks[1] = p.igrp_networks[1] = p.eigrp_networks[1] = statement;
    p.ospf_networks[1].network = statement;
    p.rip_network_count = p.igrp_network_count = p.eigrp_network_count = p.ospf_network_count = 1;
    add_interface(r, "Serial1", "10.1.1.5", 24, /*up=*/false);  // skipped, keeps its flag
    Flag InterfaceEntry::*flag = traits_of(protocol).interface_flag;
    r.interfaces[1].*flag = r.interfaces[2].*flag = to_flag(!covers);
    EXPECT_EQ(pass(r, protocol).size(), covers ? 1u : 0u) << statement;
    EXPECT_EQ(r.interfaces[1].*flag, to_flag(covers)) << statement;
    EXPECT_EQ(r.interfaces[2].*flag, to_flag(!covers)) << statement;
  }
}

TEST_F(RoutingProtocolsTest, ReceiverTakesRoutesOnlyOnAFlaggedInterface) {
  const std::tuple<FramePayload, Int16, char, Int32, int> cases[] = {
      {FramePayload::Rip, 120, 'R', 3 + 1, 0},
      {FramePayload::Igrp, 100, 'I', 3 + 1, 0},
      {FramePayload::Eigrp, 90, 'D', 1, 1},
      {FramePayload::Ospf, 110, 'O', 30 + 5, 1},
  };
  for (const auto& [payload, distance, code, metric, neighbors] : cases) {
    RouterRecord b = listener(30);
    PacketRecord frame;
    frame.payload = payload;
    frame.hop_count = 3;
    frame.path_cost = 5;
    frame.routes.resize(2);
    frame.routes[1].network = ip("10.3.0.0");
    frame.routes[1].prefix_length = 16;
    b.interfaces[1].*traits_of(*protocol_for_payload(payload)).interface_flag = kFalse;
    receive_routing_update(b, 1, frame, 100, log_);
    const ProtocolBlock& p = b.protocols;
    EXPECT_EQ(b.learned_route_count + p.eigrp_neighbor_count + p.ospf_neighbor_count, 0);
    b.interfaces[1] = listener(30).interfaces[1];
    receive_routing_update(b, 1, frame, 100, log_);
    ASSERT_EQ(b.learned_route_count, 2) << text_of(payload);
    const RouteEntry& e = b.learned_routes[2];
    EXPECT_EQ(dotted(e.network) + "/" + std::to_string(e.prefix_length), "10.3.0.0/16");
    EXPECT_EQ(e.distance, distance) << text_of(payload);
    EXPECT_EQ(e.code, code) << text_of(payload);
    EXPECT_EQ(e.metric, metric) << text_of(payload);
    EXPECT_EQ(p.eigrp_neighbor_count + p.ospf_neighbor_count, neighbors) << text_of(payload);
  }
  RouterRecord b = listener();
  PacketRecord other;
  other.payload = FramePayload::PingReply;
  other.routes.resize(1);
  receive_routing_update(b, 1, other, 100, log_);
  EXPECT_EQ(b.learned_route_count, 0);
}

TEST_F(RoutingProtocolsTest, UpdateCarriesAtMost50RoutesAndLogsOnce) {
  RouterRecord r = new_router_record();
  add_interface(r, "Serial0", "10.1.1.1", 24);
  add_rip_network(r, "10.0.0.0");
  for (Ipv4 n = 1; n <= 60; ++n)
    update_routes(r, (172u << 24) | (n << 16), "Serial1", 16, 120, 'R', 1, "10.2.2.1", 2, log_);
  Calculate_Routing_Table(r);
  for (int round = 0; round < 3; ++round) {
    const std::vector<PacketRecord> sent = pass(r, RoutingProtocol::Rip);
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(sent[0].routes.size(), 50u);
    EXPECT_EQ(dotted(sent[0].routes.back().network), "172.50.0.0");
  }
  EXPECT_EQ(logged("Routes for Rip()"), 1);
}

// Serial0's update is cut while Serial1's, whose routes were all learned on it, fits: the cut is
// logged once over many passes, and a new spell begins only after a pass in which every update
// fitted.
TEST_F(RoutingProtocolsTest, CutUpdatesAreLoggedOncePerSpellWhateverTheOtherInterfacesSend) {
  RouterRecord r = new_router_record();
  add_interface(r, "Serial0", "10.1.1.1", 24);
  const int serial1 = add_interface(r, "Serial1", "10.2.2.1", 24);
  add_rip_network(r, "10.0.0.0");
  for (Ipv4 n = 1; n <= 60; ++n)
    update_routes(r, (172u << 24) | (n << 16), "Serial1", 16, 120, 'R', 1, "10.2.2.2",
                  static_cast<Int16>(serial1), log_);
  Calculate_Routing_Table(r);
  const Int16 full = r.route_count;
  struct Pass {
    Int16 routes;  // the routing table is cut to this many entries before the pass
    int logged;    // log lines after it
  };
  for (const Pass& p :
       {Pass{full, 1}, Pass{full, 1}, Pass{full, 1}, Pass{10, 1}, Pass{full, 2}, Pass{full, 2}}) {
    r.route_count = p.routes;
    ASSERT_EQ(pass(r, RoutingProtocol::Rip).size(), 2u);
    EXPECT_EQ(logged("Routes for Rip()"), p.logged) << "table of " << p.routes;
  }
}

}  // namespace
}  // namespace zorva::testing
