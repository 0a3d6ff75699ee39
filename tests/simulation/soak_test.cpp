// A small network left running for a week of simulated time with RIP, OSPF and CDP: nothing is
// logged, no line flaps, the tables stay at the size the network gives them and the counters
// stay in their ranges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/rip_ospf_chain.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class Soak : public ::testing::Test {
 protected:
  testing::TestSimulation t_{testing::kThreeRouterChain};
};

TEST_F(Soak, AWeekOfRipOspfAndCdpStaysQuietAndBounded) {
  testing::configure_three_router_chain(t_);
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
