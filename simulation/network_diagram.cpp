// The network diagram's model: cabling, positions and states read from a simulation.
#include "simulation/network_diagram.h"

#include <set>
#include <utility>

#include "base/ini_reader.h"
#include "simulation/diagram_position.h"
#include "simulation/simulation.h"

namespace zorva {

namespace {

using EndIndex = std::pair<int, int>;  // router number, interface index

// Router n of the simulation, 1 <= n <= router_count.
const RouterRecord& record_of(const Simulation& sim, int n) {
  return sim.routers[static_cast<std::size_t>(n)]->record;
}

const InterfaceEntry& interface_at(const Simulation& sim, EndIndex end) {
  return record_of(sim, end.first).interfaces[static_cast<std::size_t>(end.second)];
}

DiagramCableEnd cable_end(const Simulation& sim, EndIndex end) {
  const InterfaceEntry& e = interface_at(sim, end);
  return {end.first, end.second, e.name, cable_end_state(e)};
}

// Every cable once: the network's resolved far ends, each pair of ends taken from its lower end. A
// far end past the routers that exist, or an interface cabled to itself, is no cable.
std::vector<DiagramCable> cables_of(const Simulation& sim) {
  std::vector<DiagramCable> cables;
  std::set<std::pair<EndIndex, EndIndex>> seen;
  for (int n = 1; n <= sim.router_count; ++n) {
    const RouterRecord& record = record_of(sim, n);
    for (int i = 1; i <= record.interface_count; ++i) {
      const CableEnd& far = sim.network.far_end(n, i);
      if (!far.resolved() || far.router > sim.router_count) continue;
      EndIndex x{n, i};
      EndIndex y{far.router, far.interface};
      if (y < x) std::swap(x, y);
      if (x == y || !seen.insert({x, y}).second) continue;
      cables.push_back({cable_end(sim, x), cable_end(sim, y)});
    }
  }
  return cables;
}

std::string caption(const Simulation& sim, const NetworkDiagram& diagram) {
  return std::to_string(diagram.routers.size()) + " routers, " +
         std::to_string(diagram.cables.size()) + " cables - " + sim.topology_file;
}

}  // namespace

CableEndState cable_end_state(const InterfaceEntry& e) {
  if (e.shutdown) return CableEndState::AdminDown;
  return e.line_protocol == LinkState::Up ? CableEndState::Up : CableEndState::Down;
}

NetworkDiagram network_diagram(const Simulation& sim) {
  NetworkDiagram diagram;
  for (int n = 1; n <= sim.router_count; ++n)
    diagram.routers.push_back({n, record_of(sim, n).hostname, {}});
  diagram.cables = cables_of(sim);
  lay_out_automatically(diagram);
  const IniFile topology = IniFile::read(sim.topology_file);
  for (DiagramRouter& r : diagram.routers)
    if (const std::optional<DiagramPoint> saved = saved_diagram_position(topology, r.number))
      r.position = *saved;
  diagram.caption = caption(sim, diagram);
  return diagram;
}

void refresh_network_diagram(NetworkDiagram& diagram, const Simulation& sim) {
  for (DiagramRouter& r : diagram.routers) r.label = record_of(sim, r.number).hostname;
  for (DiagramCable& c : diagram.cables) {
    c.a.state = cable_end_state(interface_at(sim, {c.a.router, c.a.interface}));
    c.b.state = cable_end_state(interface_at(sim, {c.b.router, c.b.interface}));
  }
}

void lay_out_automatically(NetworkDiagram& diagram) {
  std::vector<std::pair<int, int>> edges;
  for (const DiagramCable& c : diagram.cables) edges.emplace_back(c.a.router - 1, c.b.router - 1);
  const std::vector<DiagramPoint> at =
      automatic_layout(static_cast<int>(diagram.routers.size()), edges);
  for (std::size_t i = 0; i < diagram.routers.size(); ++i) diagram.routers[i].position = at[i];
}

}  // namespace zorva
