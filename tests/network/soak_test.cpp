// A small network left running for a week of simulated time with RIP, OSPF and CDP: nothing is
// logged, no line flaps, the tables stay at the size the network gives them and the counters
// stay in their ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

// Router1 Serial0 --- Serial0 Router2 Ethernet0 --- Ethernet0 Router3
constexpr const char* kTopology = R"([GENERAL]
numberofrouters=3
numberofconnectors=2
[ROUTER1]
Serial=1
Ethernet=1
[ROUTER2]
Serial=1
Ethernet=1
[ROUTER3]
Serial=1
Ethernet=1
[CONNECTOR1]
connectortype=serial
dev1name=Router1
dev1interface=Serial0
dev2name=Router2
dev2interface=Serial0
[CONNECTOR2]
connectortype=ethernet
dev1name=Router2
dev1interface=Ethernet0
dev2name=Router3
dev2interface=Ethernet0
)";

struct InterfaceSetup {
  int router;
  const char* interface;
  const char* address;
};

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class Soak : public ::testing::Test {
 protected:
  void configure(int router, const std::vector<InterfaceSetup>& interfaces) {
    t_.sim->active_router = router;
    t_.line("enable");
    t_.line("configure terminal");
    t_.line("hostname R" + std::to_string(router));
    for (const InterfaceSetup& s : interfaces) {
      t_.line(std::string("interface ") + s.interface);
      t_.line(std::string("ip address ") + s.address + " 255.255.255.0");
      t_.line("no shutdown");
      t_.line("exit");
    }
    t_.line("router rip");
    t_.line("network 10.0.0.0");
    t_.line("exit");
    t_.line("router ospf 1");
    for (const InterfaceSetup& s : interfaces) {
      std::string network = s.address;
      network = network.substr(0, network.rfind('.')) + ".0";
      t_.line("network " + network + " 0.0.0.255 area 0");
    }
    t_.line("end");
  }

  testing::TestSimulation t_{kTopology};
};

TEST_F(Soak, AWeekOfRipOspfAndCdpStaysQuietAndBounded) {
  configure(1, {{1, "s0", "10.1.12.1"}});
  configure(2, {{2, "s0", "10.1.12.2"}, {2, "e0", "10.1.23.2"}});
  configure(3, {{3, "e0", "10.1.23.3"}});
  // Settle: lines up, two protocol passes, the first CDP advertisements.
  t_.sim->scheduler.advance(60'000);
  std::size_t settled[4];
  for (int n = 1; n <= 3; ++n) settled[n] = t_.sim->router(n)->console.transcript().size();

  const long long week_ms = 7LL * 24 * 3600 * 1000;
  t_.sim->scheduler.advance(week_ms);

  EXPECT_EQ(t_.log_text(), "");
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE("Router" + std::to_string(n));
    const Router& r = t_.router(n);
    const RouterRecord& rec = r.record;
    // No line changed state during the week: nothing was printed after settling.
    EXPECT_EQ(t_.transcript(n, settled[n]), "");
    for (int i = 1; i <= rec.interface_count; ++i) {
      const InterfaceEntry& e = rec.interfaces[i];
      EXPECT_GE(e.keepalive_misses, 0);
      EXPECT_LE(e.keepalive_misses, 4);
    }
    // Router 2 has both neighbours, the end routers one each.
    const int neighbours = n == 2 ? 2 : 1;
    EXPECT_EQ(rec.cdp_neighbor_count, neighbours);
    EXPECT_EQ(rec.protocols.ospf_neighbor_count, neighbours);
    // Two networks: connected, RIP or OSPF candidates for each, and nothing piling up.
    EXPECT_EQ(rec.route_count, 2);
    EXPECT_LE(rec.learned_route_count, 8);
    EXPECT_GE(r.cdp_tick, 0);
    EXPECT_LE(r.cdp_tick, 5000);
    EXPECT_GE(r.protocol_tick, 0);
    EXPECT_LE(r.protocol_tick, 1);
    // Routing updates carry no hardware address: a week of them teaches ARP nothing.
    EXPECT_EQ(r.arp_count, 0);
  }
  EXPECT_EQ(t_.router(1).record.routes[1].code, 'C');

  // After a week the network still forwards: a ping from one end to the other succeeds.
  t_.sim->active_router = 1;
  const std::size_t before = t_.router(1).console.transcript().size();
  t_.line("ping 10.1.23.3");
  t_.sim->scheduler.advance(1000);
  const std::string ping = t_.transcript(1, before);
  EXPECT_EQ(count_of(ping, "Success rate is 100 percent"), 1) << ping;
  EXPECT_EQ(t_.log_text(), "");
  // The ping crossed the Ethernet: routers 2 and 3 learned each other, router 1 nothing.
  EXPECT_EQ(t_.router(1).arp_count, 0);
  EXPECT_EQ(t_.router(2).arp_count, 1);
  EXPECT_EQ(t_.router(3).arp_count, 1);
}

}  // namespace
}  // namespace zorva
