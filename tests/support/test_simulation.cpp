#include "tests/support/test_simulation.h"

#include <unistd.h>

#include <atomic>
#include <sstream>

#include "console/key_handler.h"

namespace zorva::testing {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("zorva-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& text) const {
  const std::filesystem::path p = path_ / name;
  std::ofstream(p, std::ios::binary) << text;
  return p.string();
}

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
  std::ifstream in(dir.path() / "zorva.log", std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string topology(int routers, int serial, int ethernet, int bri) {
  std::string s = "[GENERAL]\nnumberofrouters=" + std::to_string(routers) + "\n";
  for (int n = 1; n <= routers; ++n) {
    s += "[ROUTER" + std::to_string(n) + "]\nSerial=" + std::to_string(serial) +
         "\nEthernet=" + std::to_string(ethernet) + "\nBri=" + std::to_string(bri) + "\n";
  }
  return s;
}

}  // namespace zorva::testing
