// Writing the network diagram as JSON.
#include "lab/diagram_json.h"

#include <nlohmann/json.hpp>

#include "base/latin1_text.h"

namespace zorva {

namespace {

using ordered = nlohmann::ordered_json;

const char* state_name(CableEndState state) {
  switch (state) {
    case CableEndState::Up:
      return "up";
    case CableEndState::Down:
      return "down";
    case CableEndState::AdminDown:
      return "administratively down";
  }
  return "down";
}

ordered router_json(const DiagramRouter& r) {
  return {{"number", r.number},
          {"label", utf8_from_latin1(r.label)},
          {"x", r.position.x},
          {"y", r.position.y}};
}

ordered end_json(const DiagramCableEnd& end) {
  return {{"router", end.router},
          {"interface", utf8_from_latin1(end.interface_name)},
          {"state", state_name(end.state)}};
}

}  // namespace

std::string network_diagram_json(const NetworkDiagram& diagram) {
  ordered routers = ordered::array();
  for (const DiagramRouter& r : diagram.routers) routers.push_back(router_json(r));
  ordered cables = ordered::array();
  for (const DiagramCable& c : diagram.cables)
    cables.push_back(ordered{{"a", end_json(c.a)}, {"b", end_json(c.b)}});
  const ordered doc = {
      {"routers", routers}, {"cables", cables}, {"caption", utf8_from_latin1(diagram.caption)}};
  return doc.dump();
}

}  // namespace zorva
