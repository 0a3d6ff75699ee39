// The routing table: which candidate wins for a network, refresh and aging of candidates, the full
// candidate table, that a skipped rebuild never gives another table than a full one, and that
// a received update taken whole equals taking its routes one by one.
#include "network/routing_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/network/routing_fixture.h"

namespace zorva::testing {
namespace {

struct Candidate {
  const char* network;
  int prefix;
  int distance;
  char code;
  const char* interface;
};

void learn(RouterRecord& r, const Candidate& c, ErrorLog& log, Int32 metric = 1) {
  update_routes(r, ip(c.network), c.interface, static_cast<Int16>(c.prefix),
                static_cast<Int16>(c.distance), c.code, metric, "10.9.9.9", 1, log);
}

// The installed routes as "code network/prefix interface", in table order.
std::vector<std::string> installed(const RouterRecord& r) {
  std::vector<std::string> out;
  for (int k = 1; k <= r.route_count; ++k) {
    const RouteEntry& e = r.routes[k];
    out.push_back(std::string(1, e.code) + " " + dotted(e.network) + "/" +
                  std::to_string(e.prefix_length) + " " + e.interface_name);
  }
  return out;
}

using RoutingTableTest = RoutingTest;

TEST_F(RoutingTableTest, SelectionKeepsLowestDistancePerNetworkAndTheLaterOfEqualOnes) {
  struct Case {
    const char* what;
    std::vector<Candidate> learned;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"static beats RIP",
       {{"10.0.0.0", 8, 120, 'R', "Serial0"}, {"10.0.0.0", 8, 1, 'S', ""}},
       {"S 10.0.0.0/8 "}},
      {"static learned first beats RIP",
       {{"10.0.0.0", 8, 1, 'S', ""}, {"10.0.0.0", 8, 120, 'R', "Serial0"}},
       {"S 10.0.0.0/8 "}},
      {"equal distance: the later wins",
       {{"10.0.0.0", 8, 120, 'R', "Serial0"}, {"10.0.0.0", 8, 120, 'R', "Serial1"}},
       {"R 10.0.0.0/8 Serial1"}},
      {"/8 and /16 of one network count as one",
       {{"10.0.0.0", 8, 120, 'R', "Serial0"}, {"10.0.0.0", 16, 120, 'R', "Serial0"}},
       {"R 10.0.0.0/16 Serial0"}},
      {"lowest, higher, lowest again: the last lowest",
       {{"10.0.0.0", 8, 110, 'O', "Serial0"},
        {"10.0.0.0", 8, 120, 'R', "Serial0"},
        {"10.0.0.0", 8, 110, 'O', "Serial1"}},
       {"O 10.0.0.0/8 Serial1"}},
      {"other networks keep the candidates' order",
       {{"192.168.1.0", 24, 0, 'C', "Ethernet0"},
        {"10.0.0.0", 8, 120, 'R', "Serial0"},
        {"172.16.0.0", 16, 1, 'S', ""},
        {"10.0.0.0", 8, 0, 'C', "Serial1"}},
       {"C 192.168.1.0/24 Ethernet0", "S 172.16.0.0/16 ", "C 10.0.0.0/8 Serial1"}},
  };
  for (const Case& c : cases) {
    RouterRecord r = new_router_record();
    for (const Candidate& candidate : c.learned) learn(r, candidate, log_);
    Calculate_Routing_Table(r);
    EXPECT_EQ(installed(r), c.expected) << c.what;
  }
}

TEST_F(RoutingTableTest, RefreshWithAnotherMetricKeepsTheStoredMetric) {
  RouterRecord r = new_router_record();
  learn(r, {"10.0.0.0", 8, 120, 'R', "Serial0"}, log_, 1);
  Maintain_Routing_Table(r);
  learn(r, {"10.0.0.0", 8, 120, 'R', "Serial0"}, log_, 7);
  ASSERT_EQ(r.learned_route_count, 1);
  EXPECT_EQ(r.learned_routes[1].age, 0);
  EXPECT_EQ(r.learned_routes[1].metric, 1);
}

// Dynamic candidates go on the ninth pass without refresh; after a removal the candidate moved up
// into the freed slot is examined only on the next pass; static candidates stay forever.
TEST_F(RoutingTableTest, AgingRemovesDynamicOnTheNinthPassAndNeverStatic) {
  RouterRecord r = new_router_record();
  learn(r, {"10.0.0.0", 8, 1, 'S', ""}, log_);
  learn(r, {"11.0.0.0", 8, 120, 'R', "Serial0"}, log_);
  learn(r, {"12.0.0.0", 8, 120, 'R', "Serial0"}, log_);
  for (int pass = 1; pass <= 8; ++pass) Maintain_Routing_Table(r);
  EXPECT_EQ(r.learned_route_count, 3);
  Maintain_Routing_Table(r);
  ASSERT_EQ(r.learned_route_count, 2);
  EXPECT_EQ(dotted(r.learned_routes[2].network), "12.0.0.0");
  Maintain_Routing_Table(r);
  for (int pass = 0; pass < 100; ++pass) Maintain_Routing_Table(r);
  ASSERT_EQ(r.learned_route_count, 1);
  EXPECT_EQ(r.learned_routes[1].code, 'S');
  EXPECT_EQ(r.learned_routes[1].age, 0);
}

TEST_F(RoutingTableTest, FullCandidateTableRefusesAndLogsOncePerSpell) {
  RouterRecord r = new_router_record();
  const auto learn_network = [&](Ipv4 n) {
    update_routes(r, n << 8, "Serial0", 24, 120, 'R', 1, "10.0.0.1", 1, log_);
  };
  for (Ipv4 n = 1; n <= 85; ++n) learn_network(n);
  EXPECT_EQ(r.learned_route_count, kMaxRoutes);
  EXPECT_EQ(dotted(r.learned_routes[kMaxRoutes].network), "0.0.80.0");
  EXPECT_EQ(logged("Update Routes()"), 1);
  r.learned_routes[1].age = 24;
  Maintain_Routing_Table(r);  // frees one slot
  for (Ipv4 n = 200; n <= 202; ++n) learn_network(n);
  EXPECT_EQ(logged("Update Routes()"), 2);
}

bool same_route(const RouteEntry& a, const RouteEntry& b) {
  return a.distance == b.distance && a.superseded == b.superseded && a.age == b.age &&
         a.code == b.code && a.network == b.network && a.prefix_length == b.prefix_length &&
         a.metric == b.metric && a.interface_index == b.interface_index &&
         a.interface_name == b.interface_name && a.interface_address == b.interface_address &&
         a.out_index == b.out_index;
}

// Random learning, refreshing, aging, and a reset that empties the tables directly: after every
// Calculate_Routing_Table the table equals one rebuilt from scratch.
TEST_F(RoutingTableTest, SkippedRebuildGivesTheSameTableAsAFullRebuild) {
  std::mt19937 random(7);
  const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
  const char codes[] = {'C', 'S', 'R', 'O', 'D'};
  const Int16 distances[] = {0, 1, 120, 110, 90};
  const char* names[] = {"Serial0", "Serial1", "Ethernet0"};
  RouterRecord r = new_router_record();
  for (int step = 0; step < 4000; ++step) {
    const int op = pick(10), kind = pick(5);
    if (op < 6) {
      update_routes(r, static_cast<Ipv4>(pick(6)) << 24, names[pick(3)],
                    static_cast<Int16>(8 + 8 * pick(2)), distances[kind], codes[kind], pick(3),
                    "10.0.0.1", 1, log_);
    } else if (op < 8) {
      Maintain_Routing_Table(r);
    } else if (op == 8 && pick(20) == 0) {
      r.learned_route_count = r.route_count = 0;
    }
    RouterRecord fresh = r;
    rebuild_routing_table(fresh);
    Calculate_Routing_Table(r);
    ASSERT_EQ(r.route_count, fresh.route_count) << "step " << step;
    for (int k = 1; k <= r.route_count; ++k)
      ASSERT_TRUE(same_route(r.routes[k], fresh.routes[k])) << "step " << step << " route " << k;
  }
}

// A received update taken as a whole gives the same candidates, versions, full-table state and
// log as taking its routes one by one: duplicates in the update, candidates of the same network on
// other interfaces or distances, a table filling up part-way and a count outside the table.
TEST_F(RoutingTableTest, WholeUpdateEqualsRouteByRoute) {
  std::mt19937 random(11);
  const auto pick = [&random](int n) { return static_cast<int>(random() % n); };
  const char* names[] = {"Serial0", "Serial1", "Serial10"};
  const Int16 distances[] = {110, 120};
  for (int round = 0; round < 300; ++round) {
    RouterRecord one = new_router_record();
    const int start = pick(kMaxRoutes + 1);
    for (int k = 0; k < start; ++k)
      update_routes(one, static_cast<Ipv4>(pick(40)) << 16, names[pick(3)],
                    static_cast<Int16>(16 + 8 * pick(2)), distances[pick(2)], 'O', 1, "10.0.0.1", 1,
                    log_);
    for (int k = 1; k <= one.learned_route_count; ++k)
      one.learned_routes[k].age = static_cast<Int16>(3 * pick(3));
    if (pick(20) == 0) one.learned_route_count = -3;
    RouterRecord whole = one;
    std::vector<RouteEntry> update(static_cast<std::size_t>(pick(kMaxPacketRoutes + 1)));
    for (RouteEntry& e : update) {
      e.network = static_cast<Ipv4>(pick(60)) << 16;
      e.prefix_length = static_cast<Int16>(16 + 8 * pick(2));
    }
    const char* name = names[pick(3)];
    const Int16 distance = distances[pick(2)];
    const int logged_before = logged("Update Routes()");
    for (const RouteEntry& e : update)
      update_routes(one, e.network, name, e.prefix_length, distance, 'O', 65, "10.1.1.2", 2, log_);
    const int logged_one = logged("Update Routes()") - logged_before;
    update_routes_through(whole, update, name, distance, 'O', 65, "10.1.1.2", 2, log_);
    ASSERT_EQ(logged("Update Routes()") - logged_before - logged_one, logged_one) << round;
    ASSERT_EQ(whole.learned_route_count, one.learned_route_count) << round;
    const RoutingBookkeeping &a = one.routing_bookkeeping, &b = whole.routing_bookkeeping;
    ASSERT_EQ(b.candidates_version, a.candidates_version) << round;
    ASSERT_EQ(b.ages_version, a.ages_version) << round;
    ASSERT_EQ(b.full_logged, a.full_logged) << round;
    for (int k = 1; k <= kMaxRoutes; ++k)
      ASSERT_TRUE(same_route(whole.learned_routes[k], one.learned_routes[k]))
          << "round " << round << " candidate " << k;
  }
}

}  // namespace
}  // namespace zorva::testing
