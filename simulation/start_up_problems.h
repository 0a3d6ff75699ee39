// What a face tells the user once after start-up when the simulation cannot work as expected: a
// command database that is missing or damaged (every line is then invalid input), a topology
// that gave no routers, and each cable of the topology that names a router or interface that does
// not exist. The simulation itself says nothing; each face shows these its own way.
#pragma once

#include <string>
#include <vector>

namespace zorva {

class Simulation;

// One sentence per problem, naming the file; empty when there is none.
std::vector<std::string> start_up_problems(const Simulation& sim);

}  // namespace zorva
