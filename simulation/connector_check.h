// Connectors of a topology that cable nothing: an end naming a router the topology does not have,
// or an interface its router does not have — a typo such as `dev2interface=Serail0` made in an
// editor. The network drops frames towards such an end without a word (and logs it once); these
// sentences tell the user which line of the topology file to put right.
#pragma once

#include <string>
#include <vector>

namespace zorva {

class Simulation;

// One sentence per connector end that names no router or no interface, in the order of the
// connectors, with the topology file's line where the name stands.
std::vector<std::string> dead_connector_problems(const Simulation& sim);

}  // namespace zorva
