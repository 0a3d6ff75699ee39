// The network diagram's model: a node per router and each cable once; odd cabling (repeated,
// dangling, looped, re-cabled) gives no extra lines; saved positions win over the layout. The end
// states and host names following the routers are in the browser and desktop diagram tests.
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

}  // namespace
}  // namespace zorva
