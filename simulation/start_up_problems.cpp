#include "simulation/start_up_problems.h"

#include "simulation/simulation.h"

namespace zorva {

std::vector<std::string> start_up_problems(const Simulation& sim) {
  std::vector<std::string> problems;
  if (std::string db = sim.db.problem(); !db.empty()) problems.push_back(std::move(db));
  if (!sim.no_routers_reason.empty()) problems.push_back(sim.no_routers_reason);
  return problems;
}

}  // namespace zorva
