#include "tests/support/test_simulation.h"

#include <sstream>

#include "console/key_handler.h"

namespace zorva::testing {

TestSimulation::TestSimulation(const std::string& topology_text, std::filesystem::path app_dir) {
  const std::string file = dir.write("topology.ini", topology_text);
  sim = std::make_unique<Simulation>(host, SimulationPaths{app_dir, dir.path() / "zorva.log"});
  sim->start(file);
}

void TestSimulation::type(const std::string& text, bool enter) {
  for (unsigned char c : text) sim->console_key(c);
  if (enter) sim->console_key(13);
}

std::string TestSimulation::transcript(int n, std::size_t from) {
  const std::string& t = sim->router(n)->console.transcript();
  std::string s;
  for (std::size_t i = from; i < t.size(); ++i)
    if (t[i] != '\r') s += t[i];
  return s;
}

std::string TestSimulation::log_text() const {
  return file_text(dir.path() / "zorva.log");
}

}  // namespace zorva::testing
