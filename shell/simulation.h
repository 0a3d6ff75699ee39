// One whole simulated network: the routers, the cabling, the clock and every piece of state the
// routers share. Two simulations can live side by side; nothing is global.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "parser/command_database.h"
#include "parser/parsed_command.h"
#include "shell/connector_table.h"
#include "shell/error_log.h"
#include "shell/host.h"
#include "shell/router.h"
#include "shell/scheduler.h"
#include "state/ip_routines.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

inline constexpr int kMaxRouters = 50;

struct SimulationPaths {
  std::filesystem::path app_dir;   // the program directory: data, topologies, zorva.mdb
  std::filesystem::path log_file;  // "zorva.log" in the current folder by default
};

class Simulation {
 public:
  Simulation(Host& host, SimulationPaths paths);
  ~Simulation();
  Simulation(const Simulation&) = delete;
  Simulation& operator=(const Simulation&) = delete;

  // Start-up without windows: clears the log, fixes the paths, starts the clock, creates the
  // routers of `topology` (the default topology when empty), fills the mode tables, wires the
  // connectors.
  void start(const std::string& topology = "");

  Router* router(int n);  // router n, or nullptr when there is none
  int active_router = 1;  // the console the user types into

  Host& host;
  ErrorLog log;
  Scheduler scheduler;

  std::string app_path;       // the program directory, with a trailing separator
  std::string topology_file;  // the topology in use
  std::string version_text;   // "1.01" for version 1.0.1
  Int32 sim_clock = 0;        // seconds since start-up (32-bit, see README)

  ModeTables mode_tables;
  IpRoutines ip;
  CommandDatabase db;

  std::array<std::unique_ptr<Router>, kMaxRouters + 1> routers{};  // routers 1..router_count
  Int32 router_count = 0;
  Int16 number_of_routers = 0;  // kept equal to router_count; the F-keys compare with it
  ConnectorTable connectors;

  RouterRecord current_router;  // working copy while one command runs
  ParsedCommand parsed;         // the line being resolved
  SpecialWords special_word{};  // which depths were arguments
  std::string typed_line;       // the line being typed, shared by every console

 private:
  Scheduler::TimerId timer1_ = -1;
};

}  // namespace zorva
