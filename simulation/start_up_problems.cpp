#include "simulation/start_up_problems.h"

#include "simulation/connector_check.h"
#include "simulation/simulation.h"

namespace zorva {

std::vector<std::string> start_up_problems(const Simulation& sim) {
  std::vector<std::string> problems;
  if (std::string db = sim.db.problem(); !db.empty()) problems.push_back(std::move(db));
  if (!sim.no_routers_reason.empty()) problems.push_back(sim.no_routers_reason);
  for (std::string& dead : dead_connector_problems(sim)) problems.push_back(std::move(dead));
  return problems;
}

}  // namespace zorva
