// The network diagram's model: a node per router and each cable once; odd cabling (repeated,
// dangling, looped, re-cabled) gives no extra lines; saved positions win over the layout; and the
// end states and host names follow the routers when the model is refreshed.
#include "simulation/network_diagram.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

using testing::TestSimulation;

struct Connector {
  std::string a, a_interface, b, b_interface;
};

// Routers 1..`routers` with two serial interfaces each, the given connectors, and `extra` lines in
// the section of router n (extra[n]).
std::string topology_text(int routers, const std::vector<Connector>& connectors,
                          const std::map<int, std::string>& extra = {}) {
  std::string s = "[GENERAL]\nnumberofrouters=" + std::to_string(routers) +
                  "\nnumberofconnectors=" + std::to_string(connectors.size()) + "\n";
  for (int n = 1; n <= routers; ++n) {
    s += "[ROUTER" + std::to_string(n) + "]\nSerial=2\nEthernet=0\n";
    if (const auto e = extra.find(n); e != extra.end()) s += e->second;
  }
  for (std::size_t i = 0; i < connectors.size(); ++i) {
    const Connector& c = connectors[i];
    s += "[CONNECTOR" + std::to_string(i + 1) + "]\nconnectortype=serial\ndev1name=" + c.a +
         "\ndev1interface=" + c.a_interface + "\ndev2name=" + c.b +
         "\ndev2interface=" + c.b_interface + "\n";
  }
  return s;
}

// A connector repeated back to front, one to a router that does not exist and one from an
// interface to itself add no lines.
TEST(NetworkDiagram, OddCablingGivesNoExtraLines) {
  TestSimulation t(topology_text(3, {{"Router1", "Serial0", "Router2", "Serial0"},
                                     {"Router2", "Serial0", "Router1", "Serial0"},
                                     {"Router1", "Serial1", "Router9", "Serial0"},
                                     {"Router3", "Serial0", "Router3", "Serial0"},
                                     {"Router3", "Serial1", "Router2", "Serial1"}}));
  const NetworkDiagram d = network_diagram(*t.sim);
  // Each cable is named from its lower end, in the order of those ends.
  std::vector<std::string> cables;
  for (const DiagramCable& c : d.cables)
    cables.push_back(std::to_string(c.a.router) + "." + std::to_string(c.a.interface) + " " +
                     c.a.interface_name + " - " + std::to_string(c.b.router) + " " +
                     c.b.interface_name);
  EXPECT_EQ(cables,
            (std::vector<std::string>{"1.1 Serial0 - 2 Serial0", "2.2 Serial1 - 3 Serial1"}));
  EXPECT_EQ(d.caption, "3 routers, 2 cables - " + t.sim->topology_file);
}

// Router 2 was put somewhere and stays there; router 3 has x= alone and is laid out like router 1.
TEST(NetworkDiagram, SavedPositionsWinOverTheLayoutUntilLaidOutAgain) {
  TestSimulation t(topology_text(
      3,
      {{"Router1", "Serial0", "Router2", "Serial0"}, {"Router2", "Serial1", "Router3", "Serial0"}},
      {{2, "x=500\ny=-40.5\n"}, {3, "x=7\n"}}));
  const std::vector<DiagramPoint> automatic = automatic_layout(3, {{0, 1}, {1, 2}});
  NetworkDiagram d = network_diagram(*t.sim);
  EXPECT_EQ(d.routers[0].position, automatic[0]);
  EXPECT_EQ(d.routers[1].position, (DiagramPoint{500, -40.5}));
  EXPECT_EQ(d.routers[2].position, automatic[2]);
  lay_out_automatically(d);
  EXPECT_EQ(d.routers[1].position, automatic[1]);
}

// Router 1 brings its end up alone: up at once, down when no keepalive comes back; router 2's end
// stays administratively down until it too says no shutdown, and then both are up.
TEST(NetworkDiagram, RefreshTakesUpEndStatesAndHostNames) {
  TestSimulation t(topology_text(2, {{"Router1", "Serial0", "Router2", "Serial0"}}));
  NetworkDiagram d = network_diagram(*t.sim);
  const std::vector<DiagramRouter> placed = d.routers;
  const auto states = [&] {
    refresh_network_diagram(d, *t.sim);
    return std::pair{d.cables[0].a.state, d.cables[0].b.state};
  };
  using S = CableEndState;
  EXPECT_EQ(states(), std::pair(S::AdminDown, S::AdminDown));
  t.type(
      "\renable\rconfigure terminal\rinterface serial 0\r"
      "ip address 10.1.1.1 255.255.255.252\rno shutdown\rend\r");
  EXPECT_EQ(states(), std::pair(S::Up, S::AdminDown));
  t.sim->scheduler.advance(10'000);
  EXPECT_EQ(states(), std::pair(S::Down, S::AdminDown));
  t.sim->active_router = 2;
  t.type(
      "\renable\rconfigure terminal\rinterface serial 0\r"
      "ip address 10.1.1.2 255.255.255.252\rno shutdown\rhostname Edge\rend\r");
  t.sim->scheduler.advance(10'000);
  EXPECT_EQ(states(), std::pair(S::Up, S::Up));
  EXPECT_EQ(std::pair(d.routers[0].label, d.routers[1].label),
            (std::pair<std::string, std::string>("Router", "Edge")));
  // A refresh moves nothing and cables nothing anew.
  ASSERT_EQ(d.routers.size(), placed.size());
  for (std::size_t i = 0; i < placed.size(); ++i)
    EXPECT_EQ(d.routers[i].position, placed[i].position);
  EXPECT_EQ(d.cables.size(), 1u);
}

}  // namespace
}  // namespace zorva
