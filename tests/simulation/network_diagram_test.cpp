// The network diagram: its model (a node per router, each cable once however odd the cabling,
// saved positions before the layout), the automatic layout (the shapes it recognises, no two nodes
// overlapping), and saved positions (both keys one finite decimal number, or the layout places the
// router). End states and host names following the routers are the faces' diagram tests.
#include "simulation/network_diagram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/ini_reader.h"
#include "simulation/diagram_layout.h"
#include "simulation/diagram_position.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

using testing::TestSimulation;

using Edges = std::vector<std::pair<int, int>>;

double distance(DiagramPoint a, DiagramPoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

void expect_apart(const std::vector<DiagramPoint>& at) {
  for (std::size_t i = 0; i < at.size(); ++i)
    for (std::size_t j = i + 1; j < at.size(); ++j)
      EXPECT_GE(distance(at[i], at[j]), kMinNodeDistance - 0.5)
          << "nodes " << i << " and " << j << " overlap";
}

Edges ring(int n) {
  Edges e;
  for (int i = 0; i < n; ++i) e.emplace_back(i, (i + 1) % n);
  return e;
}

Edges chain(int n) {
  Edges e;
  for (int i = 0; i + 1 < n; ++i) e.emplace_back(i, i + 1);
  return e;
}

TEST(DiagramLayout, ShapesAndTheirBoundaries) {
  EXPECT_EQ(layout_shape(0, {}), LayoutShape::Empty);
  EXPECT_EQ(layout_shape(-1, {}), LayoutShape::Empty);
  EXPECT_EQ(layout_shape(1, {}), LayoutShape::General);  // one router alone is no chain
  EXPECT_EQ(layout_shape(2, {{0, 1}}), LayoutShape::Chain);
  EXPECT_EQ(layout_shape(3, ring(3)), LayoutShape::Ring);            // the smallest ring
  EXPECT_EQ(layout_shape(3, {{1, 0}, {1, 2}}), LayoutShape::Chain);  // a star of three is a chain
  EXPECT_EQ(layout_shape(4, {{1, 0}, {1, 2}, {1, 3}}), LayoutShape::Star);
  EXPECT_EQ(layout_shape(4, {{0, 1}, {2, 3}}), LayoutShape::General);  // two pieces
  EXPECT_EQ(layout_shape(5, ring(4)), LayoutShape::General);           // a ring and a router apart
  // Repeated cables, a cable from a router to itself and ends out of range are ignored.
  Edges noisy = ring(4);
  noisy.insert(noisy.end(), {{1, 0}, {0, 1}, {2, 2}, {0, 7}, {-1, 3}});
  EXPECT_EQ(layout_shape(4, noisy), LayoutShape::Ring);
  EXPECT_EQ(automatic_layout(4, noisy), automatic_layout(4, ring(4)));
}

TEST(DiagramLayout, ARingIsOneCircleWithNeighboursEquallyFar) {
  const std::vector<DiagramPoint> r = automatic_layout(50, ring(50));
  ASSERT_EQ(r.size(), 50u);
  const double radius = distance(r[0], {});
  for (std::size_t i = 0; i < r.size(); ++i) {
    EXPECT_NEAR(distance(r[i], {}), radius, 1);
    EXPECT_NEAR(distance(r[i], r[(i + 1) % r.size()]), kNodeSpacing, 1);
  }
  expect_apart(r);
  // Four routers make a square with a level top and an upright side.
  const std::vector<DiagramPoint> sq = automatic_layout(4, ring(4));
  EXPECT_NEAR(sq[0].y, sq[1].y, 1);
  EXPECT_NEAR(sq[1].x, sq[2].x, 1);
}

TEST(DiagramLayout, AChainIsARowFoldedAfterEight) {
  const std::vector<DiagramPoint> c = automatic_layout(12, chain(12));
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(c[i].y, c[0].y);
  EXPECT_GT(c[8].y, c[0].y);
  expect_apart(c);
}

TEST(DiagramLayout, AStarHasItsHubInTheMiddle) {
  const Edges star{{2, 0}, {2, 1}, {2, 3}, {2, 4}, {2, 5}};
  ASSERT_EQ(layout_shape(6, star), LayoutShape::Star);
  const std::vector<DiagramPoint> s = automatic_layout(6, star);
  for (const std::size_t leaf : {0u, 1u, 3u, 4u, 5u})
    EXPECT_NEAR(distance(s[leaf], s[2]), distance(s[0], s[2]), 1);
  expect_apart(s);
}

TEST(DiagramLayout, AnythingElseIsSpreadApart) {
  Edges mesh;
  for (int i = 0; i < 6; ++i)
    for (int j = i + 1; j < 6; ++j) mesh.emplace_back(i, j);
  EXPECT_EQ(layout_shape(9, mesh), LayoutShape::General);  // a full mesh and three routers apart
  expect_apart(automatic_layout(9, mesh));
  expect_apart(automatic_layout(7, {}));
  EXPECT_EQ(automatic_layout(1, {}).size(), 1u);
  EXPECT_TRUE(automatic_layout(0, {}).empty());
}

std::optional<DiagramPoint> position_from(const std::string& router_section) {
  testing::TempDir dir;
  const std::string file = dir.write("topology.ini", "[ROUTER1]\n" + router_section);
  return saved_diagram_position(IniFile::read(file), 1);
}

TEST(DiagramPosition, DecimalNumbersInEveryUsualFormAndNothingElse) {
  EXPECT_EQ(position_from("x=120\ny=-45\n"), (DiagramPoint{120, -45}));
  EXPECT_EQ(position_from("X = +7.5 \nY=1e2\n"), (DiagramPoint{7.5, 100}));  // any case, blanks
  EXPECT_EQ(position_from("x=.5\ny=5.\n"), (DiagramPoint{0.5, 5}));
  // Anything else is no position.
  EXPECT_FALSE(position_from(""));
  EXPECT_FALSE(position_from("x=10\n"));  // one key alone places nothing
  EXPECT_FALSE(position_from("y=10\n"));
  for (const char* bad :
       {"", "12px", "1,5", "1 5", "0x10", "+-5", "--5", "-", "1e", "inf", "nan", "1e400", "1e-400"})
    EXPECT_FALSE(position_from(std::string("x=") + bad + "\ny=0\n")) << "x=" << bad;
}

TEST(DiagramPosition, OnlyTheRoutersOwnSectionCounts) {
  testing::TempDir dir;
  const IniFile ini =
      IniFile::read(dir.write("t.ini", "[ROUTER2]\nx=1\ny=2\n[ROUTER12]\nx=3\ny=4\n"));
  EXPECT_FALSE(saved_diagram_position(ini, 1));
  EXPECT_EQ(saved_diagram_position(ini, 2), (DiagramPoint{1, 2}));
  EXPECT_EQ(saved_diagram_position(ini, 12), (DiagramPoint{3, 4}));
  EXPECT_FALSE(saved_diagram_position(IniFile::read(dir.path() / "missing.ini"), 1));
}

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
