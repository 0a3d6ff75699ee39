// Helpers shared by the tests: a simulation on a topology written by the test, with its log in a
// private temporary folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/scripted_host.h"
#include "simulation/simulation.h"

namespace zorva::testing {

// A temporary folder that is removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  // Writes `text` to a file in the folder and returns its path.
  std::string write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

// The program directory of the build: data files and zorva.mdb.
inline std::filesystem::path bin_dir() {
  return ZORVA_BIN_DIR;
}
inline std::filesystem::path source_dir() {
  return ZORVA_SOURCE_DIR;
}

// A started simulation with a scripted host; the log goes to the temporary folder.
struct TestSimulation {
  explicit TestSimulation(const std::string& topology_text,
                          std::filesystem::path app_dir = bin_dir());
  TempDir dir;
  ScriptedHost host;
  std::unique_ptr<Simulation> sim;
  Router& router(int n) { return *sim->router(n); }
  // Types each character of `text` into the active console, then Enter when `enter`.
  void type(const std::string& text, bool enter = false);
  void line(const std::string& text) { type(text, true); }
  // The transcript of router n with CR LF as LF, from character `from` on.
  std::string transcript(int n, std::size_t from = 0);
  std::string log_text() const;
};

// A topology text with `n` routers, each with the given interface counts, and no cables.
std::string topology(int routers, int serial, int ethernet, int bri = 0);

}  // namespace zorva::testing
