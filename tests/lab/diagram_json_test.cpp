// The network diagram as JSON: the exact text of a small diagram (every state name, a Latin-1 host
// name in UTF-8), and the square topology, whose cable turns "up" once both ends say no shutdown.
#include "lab/diagram_json.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

using nlohmann::json;
using testing::TestSimulation;

TEST(DiagramJson, TheTextOfASmallDiagram) {
  NetworkDiagram d;
  d.routers = {{1, "Caf\xE9", {1.5, -2}}, {2, "Router", {0, 240}}};
  d.cables = {{{1, 1, "Serial0", CableEndState::Up}, {2, 1, "Serial0", CableEndState::Down}},
              {{1, 2, "Serial1", CableEndState::AdminDown}, {2, 2, "Serial1", CableEndState::Up}}};
  d.caption = "2 routers, 2 cables - t.ini";
  EXPECT_EQ(network_diagram_json(d),
            R"({"routers":[{"number":1,"label":"Caf)"
            "\xC3\xA9"
            R"(","x":1.5,"y":-2.0},{"number":2,"label":"Router","x":0.0,"y":240.0}],)"
            R"("cables":[{"a":{"router":1,"interface":"Serial0","state":"up"},)"
            R"("b":{"router":2,"interface":"Serial0","state":"down"}},)"
            R"({"a":{"router":1,"interface":"Serial1","state":"administratively down"},)"
            R"("b":{"router":2,"interface":"Serial1","state":"up"}}],)"
            R"("caption":"2 routers, 2 cables - t.ini"})");
  EXPECT_EQ(network_diagram_json({}), R"({"routers":[],"cables":[],"caption":""})");
}

std::string square_topology() {
  std::ifstream in(testing::bin_dir() / "topologies/square.ini", std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The state names of the cable from Router1 Serial0 to Router2 Serial1 and of every other end.
struct SquareStates {
  std::string first_cable[2];
  std::set<std::string> others;
};

SquareStates states_in(const json& doc) {
  SquareStates s;
  for (const json& c : doc.at("cables")) {
    const bool first = c.at("a").at("router") == 1 && c.at("a").at("interface") == "Serial0";
    for (const char* end : {"a", "b"}) {
      const std::string state = c.at(end).at("state");
      if (first)
        s.first_cable[end[0] - 'a'] = state;
      else
        s.others.insert(state);
    }
  }
  return s;
}

TEST(DiagramJson, TheSquareAndACableBroughtUp) {
  TestSimulation t(square_topology());
  NetworkDiagram d = network_diagram(*t.sim);
  json doc = json::parse(network_diagram_json(d));
  ASSERT_EQ(doc.at("routers").size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const json& r = doc.at("routers")[i];
    EXPECT_EQ(r.at("number"), d.routers[i].number);
    EXPECT_EQ(r.at("label"), "Router");
    EXPECT_EQ(r.at("x").get<double>(), d.routers[i].position.x);  // exact: doubles round-trip
    EXPECT_EQ(r.at("y").get<double>(), d.routers[i].position.y);
  }
  ASSERT_EQ(doc.at("cables").size(), 4u);
  EXPECT_EQ(doc.at("caption"), "4 routers, 4 cables - " + t.sim->topology_file);
  SquareStates s = states_in(doc);
  EXPECT_EQ(s.first_cable[0], "administratively down");
  EXPECT_EQ(s.first_cable[1], "administratively down");
  EXPECT_EQ(s.others, std::set<std::string>{"administratively down"});

  t.sim->active_router = 1;
  for (const char* l : {"", "enable", "configure terminal", "interface serial 0", "no shutdown"})
    t.line(l);
  t.sim->active_router = 2;
  for (const char* l : {"", "enable", "configure terminal", "interface serial 1", "no shutdown"})
    t.line(l);
  t.sim->scheduler.advance(10'000);
  refresh_network_diagram(d, *t.sim);
  s = states_in(json::parse(network_diagram_json(d)));
  EXPECT_EQ(s.first_cable[0], "up");
  EXPECT_EQ(s.first_cable[1], "up");
  EXPECT_EQ(s.others, std::set<std::string>{"administratively down"});
}

}  // namespace
}  // namespace zorva
