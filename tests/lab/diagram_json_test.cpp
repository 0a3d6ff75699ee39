// The network diagram as JSON: the exact text of a small diagram (every state name, a Latin-1 host
// name in UTF-8). How states follow the routers is the diagram model's (network_diagram_test).
#include "lab/diagram_json.h"

#include <gtest/gtest.h>

#include <string>

namespace zorva {
namespace {

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

}  // namespace
}  // namespace zorva
