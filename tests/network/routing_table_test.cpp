// The routing table at its edges: which candidate wins for a network, refresh and aging of
// candidates, and the full candidate table.
#include "network/routing_table.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorva::testing
