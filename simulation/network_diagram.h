// What the network diagram shows for a simulation, for every face that draws it: a node per router
// (its number, the host name it shows, where it stands) and each cable once (both ends with their
// router, interface and state), and the caption under the picture. Drawing, zooming and dragging
// are the faces' business; the model only says what there is and where.
#pragma once

#include <string>
#include <vector>

#include "simulation/diagram_layout.h"

namespace zorva {

class Simulation;
struct InterfaceEntry;

// What a cable end shows: its line protocol up or down, or the interface shut down.
enum class CableEndState { Up, Down, AdminDown };

// The state of the cable end at interface `e`; a shut-down interface is AdminDown whatever its line
// protocol says.
CableEndState cable_end_state(const InterfaceEntry& e);

struct DiagramRouter {
  int number = 0;         // router 1..router_count
  std::string label;      // the host name the node shows
  DiagramPoint position;  // the node's centre
};

struct DiagramCableEnd {
  int router = 0;              // router number
  int interface = 0;           // index in the router's interface table, from 1
  std::string interface_name;  // "Serial0", "Ethernet1"...
  CableEndState state = CableEndState::Down;
};

struct DiagramCable {
  DiagramCableEnd a;  // the end with the lower router and interface
  DiagramCableEnd b;
};

struct NetworkDiagram {
  std::vector<DiagramRouter> routers;  // router n is routers[n - 1]
  std::vector<DiagramCable> cables;    // in the order of their lower end
  std::string caption;                 // "4 routers, 4 cables - square.ini" (the file's full path)
};

// The diagram of `sim` as it is now. A router stands where the topology file's x= and y= put it,
// otherwise where the automatic layout puts it.
NetworkDiagram network_diagram(const Simulation& sim);

// Takes up the host names and cable end states of `sim` as they are now; the routers, cables and
// positions stay as they were.
void refresh_network_diagram(NetworkDiagram& diagram, const Simulation& sim);

// Moves every router of `diagram` to where the automatic layout puts it, saved positions or not.
void lay_out_automatically(NetworkDiagram& diagram);

}  // namespace zorva
