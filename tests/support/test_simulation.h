// A simulation on a topology written by the test, with its log in a private temporary folder,
// for the tests of the simulation and the layers above it.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/scripted_host.h"
#include "simulation/simulation.h"
#include "tests/support/test_paths.h"

namespace zorva::testing {

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

}  // namespace zorva::testing
