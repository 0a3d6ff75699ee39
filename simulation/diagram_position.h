// A router's place in the network diagram as the topology file keeps it: the keys "x" and "y" of
// its [ROUTERn] section. The start-up never reads them, so a file with positions loads as before;
// the diagram reads them so that a router the user put somewhere is drawn there again.
#pragma once

#include <optional>

#include "simulation/diagram_layout.h"

namespace zorva {

class IniFile;

// Where the file puts router `router`, or nothing when either key is missing or is not one finite
// decimal number ("12", "-7.5", "+3", "1e2"; not "12px", "inf" or "").
std::optional<DiagramPoint> saved_diagram_position(const IniFile& topology, int router);

}  // namespace zorva
