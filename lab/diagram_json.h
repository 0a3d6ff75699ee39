// The network diagram as JSON text, for a face that draws it with a script rather than with Qt:
//   {"routers":[{"number":1,"label":"Router","x":-120.0,"y":-120.0}, ...],
//    "cables":[{"a":{"router":1,"interface":"Serial0","state":"up"},"b":{...}}, ...],
//    "caption":"4 routers, 4 cables - /path/square.ini"}
// A state is "up", "down" or "administratively down". The core keeps text as single bytes that the
// desktop shows as Latin-1; the JSON carries the same characters in UTF-8.
#pragma once

#include <string>

#include "simulation/network_diagram.h"

namespace zorva {

// `diagram` as one line of JSON.
std::string network_diagram_json(const NetworkDiagram& diagram);

}  // namespace zorva
