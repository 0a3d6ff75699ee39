#include "shell/simulation.h"

#include "shell/app_paths.h"
#include "shell/topology.h"

namespace zorva {

Simulation::Simulation(Host& h, SimulationPaths paths)
    : host(h),
      log(h, paths.log_file.empty() ? std::filesystem::path("zorva.log") : paths.log_file),
      ip(log),
      db(log) {
  app_path = app_path_of(paths.app_dir);
  version_text = program_version_text();
}

Simulation::~Simulation() = default;

Router* Simulation::router(int n) {
  if (n < 1 || n > router_count || n > kMaxRouters) return nullptr;
  return routers[n].get();
}

void Simulation::start(const std::string& topology) {
  log.start_afresh();
  topology_file = topology.empty() ? default_topology_file(app_path) : topology;
  sim_clock = 0;
  timer1_ = scheduler.add_timer("Timer1", 1000, [this] {
    // 32-bit seconds: a week is 604800, far from the limit; the wrap is well defined anyway.
    sim_clock = static_cast<Int32>(static_cast<std::uint32_t>(sim_clock) + 1u);
  });
  load_topology(*this, topology_file);
  fill_mode_tables(mode_tables);
  read_connector_ini_info(*this, topology_file);
  db.open(std::filesystem::path(app_path) / "zorva.mdb");
  active_router = 1;
}

}  // namespace zorva
