#include "simulation/simulation.h"

#include <fstream>
#include <sstream>

#include "base/app_paths.h"
#include "base/ini_reader.h"
#include "commands/command_handlers.h"
#include "commands/exec_cmd.h"
#include "console/key_handler.h"
#include "parser/command_context.h"
#include "simulation/topology.h"

namespace zorva {

Simulation::Simulation(Host& h, SimulationPaths paths)
    : host(h),
      log(h, paths.log_file.empty() ? std::filesystem::path("zorva.log") : paths.log_file),
      ip(log),
      db(log) {
  app_path = app_path_of(paths.app_dir);
  version_text = program_version_text();
  parser.handlers = command_handlers();
}

Simulation::~Simulation() = default;

namespace {

// The whole topology file, up to a size no topology comes near; "" when it cannot be read.
std::string read_topology_text(const std::string& file) {
  constexpr std::streamsize kLimit = 1 << 20;
  std::ifstream in(file, std::ios::binary);
  if (!in) return "";
  std::string text(static_cast<std::size_t>(kLimit), '\0');
  in.read(text.data(), kLimit);
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

}  // namespace

Router* Simulation::router(int n) {
  if (n < 1 || n > router_count || n > kMaxRouters) return nullptr;
  return routers[n].get();
}

void Simulation::start(const std::string& topology) {
  log.start_afresh();
  topology_file = topology.empty() ? default_topology_file(app_path) : topology;
  topology_text = read_topology_text(topology_file);
  sim_clock = 0;
  timer1_ = scheduler.add_timer("Timer1", 1000, [this] {
    // 32-bit seconds: a week is 604800, far from the limit; the wrap is well defined anyway.
    sim_clock = static_cast<Int32>(static_cast<std::uint32_t>(sim_clock) + 1u);
  });
  const IniFile topology_ini = IniFile::read(topology_file);  // read once for both steps
  const TopologyTarget target{routers, router_count, number_of_routers, connectors, log, host};
  load_topology(target, topology_ini);
  fill_mode_tables(mode_tables);
  read_connector_ini_info(target, topology_ini);
  no_routers_reason = why_no_routers(target, topology_ini);
  network.wire(connectors, router_count);
  network.start_timers();
  db.open(std::filesystem::path(app_path) / "zorva.mdb");
  active_router = 1;
}

void Simulation::execution_step(RouterRecord& record, ParsedCommand& pc) {
  // The parser bound the line's handler (the command tree names it); the command runs on the
  // record of the router that typed it.
  if (record.parse_action == ParseAction::Execute) {
    CommandContext cmd{record, pc,           log,       ip,        mode_tables, host,
                       db,     network_work, sim_clock, behaviour, &connectors};
    exec_cmd(cmd);
  }
  last_command_router.remember(record);
}

void Simulation::key_press(Router& r, int key) {
  zorva::key_press(consoles, r, key);
}

void Simulation::console_key(int key) {
  if (Router* r = router(active_router)) key_press(*r, key);
}

void Simulation::function_key(int n) {
  if (n < 1 || n > number_of_routers) return;
  active_router = n;
  host.activate_router(n);
}

}  // namespace zorva
