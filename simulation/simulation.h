// One whole simulated network: the routers, the cabling, the clock and every piece of state the
// routers share. Two simulations can live side by side; nothing is global.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "base/behaviour.h"
#include "base/error_log.h"
#include "base/host.h"
#include "base/scheduler.h"
#include "console/console_context.h"
#include "console/network_work.h"
#include "network/last_command_router.h"
#include "network/network.h"
#include "parser/command_database.h"
#include "parser/new_parse.h"
#include "router/router.h"
#include "state/connector_table.h"
#include "state/ip_routines.h"
#include "state/mode_tables.h"

namespace zorva {

struct SimulationPaths {
  std::filesystem::path app_dir;   // the program directory: data, topologies, zorva.mdb
  std::filesystem::path log_file;  // "zorva.log" in the current folder by default
};

class Simulation : private CommandRunner {
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

  // One key typed into router n's console, or into the active console.
  void key_press(Router& r, int key);
  void console_key(int key);
  // F1..F12 (n = 1..12): router n's console comes forward when router n exists.
  void function_key(int n);

  Host& host;
  ErrorLog log;
  Scheduler scheduler;

  std::string app_path;       // the program directory, with a trailing separator
  std::string topology_file;  // the topology in use
  std::string student;        // the student whose lab this is ("" until a face asks the name)
  std::string topology_text;  // its text as start-up read it (a lab file embeds it)
  std::string version_text;   // "1.01" for version 1.0.1
  Int32 sim_clock = 0;        // seconds since start-up (32-bit, see README)
  // How the routers behave; chosen once per lab, before the first key.
  Behaviour behaviour = Behaviour::Classic;

  // Why the topology gave no routers, one sentence for the faces to show; "" when it gave some.
  std::string no_routers_reason;

  ModeTables mode_tables;
  IpRoutines ip;
  CommandDatabase db;

  RouterTable routers{};  // routers 1..router_count
  Int32 router_count = 0;
  Int16 number_of_routers = 0;  // kept equal to router_count; the F-keys compare with it
  ConnectorTable connectors;

  std::string typed_line;  // the line being typed, shared by every console
  CommandParser parser{db, log, mode_tables, *this, behaviour};
  LastCommandRouter last_command_router;  // read by the OSPF router-ID rule
  Network network{routers, scheduler, log, ip, sim_clock, last_command_router, behaviour};
  NetworkWork network_work;  // what a command asks of the network, done after its output
  ConsoleContext consoles{host,    scheduler,    mode_tables, parser,
                          network, network_work, typed_line,  behaviour};

 private:
  // A complete line: runs it on `record` when Enter asked for it, then remembers the router's
  // interfaces for the OSPF router-ID rule (Tab and "?" reach this step too).
  void execution_step(RouterRecord& record, ParsedCommand& pc) override;

  Scheduler::TimerId timer1_ = -1;
};

}  // namespace zorva
