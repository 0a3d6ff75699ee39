// The routing protocols at their edge: the 50-route cap of an update and its log, once per spell.
// Which interfaces a statement covers, RIP learning, split horizon, distances, codes and OSPF
// path costs as a student sees them are in net_rip.out, net_ospf.out and net_igrp_eigrp.out.
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
