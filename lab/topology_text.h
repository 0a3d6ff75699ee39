// Starting a simulation from topology text rather than a topology file: a lab file carries its
// topology inside, so that it stands alone.
#pragma once

#include <string>

#include "simulation/simulation.h"

namespace zorva {

// The router count a topology text names ("numberofrouters" of [GENERAL]), read as start-up reads
// it; -1 when the text cannot be handed to the reader.
int topology_router_count(const std::string& text);

// Starts `sim` on the topology `text`. Returns false, starting nothing, when the text cannot be
// handed to the reader (no temporary file can be written).
bool start_from_topology_text(Simulation& sim, const std::string& text);

}  // namespace zorva
