// copy, write and erase: the saved configuration and printing the running one.
#include "commands/config_memory.h"

#include "commands/command_support.h"
#include "reports/reports.h"
#include "shell/simulation.h"

namespace zorva {

namespace {

void save_running_config(RouterRecord& r) {
  r.startup_config = build_running_config(r);
}

}  // namespace

void copy_command(Simulation& sim, ParsedCommand& pc) {
  if (full_word(pc, 2) == "running-config" && full_word(pc, 3) == "startup-config")
    save_running_config(sim.current_router);
}

void write_command(Simulation& sim, ParsedCommand& pc) {
  const std::string second = full_word(pc, 2);
  RouterRecord& r = sim.current_router;
  if (second == "terminal") {
    set_output(r, build_running_config(r));
  } else if (second == "memory" || second.empty()) {
    save_running_config(r);
  }
}

void erase_command(Simulation& sim, ParsedCommand& pc) {
  if (full_word(pc, 2) == "startup-config") sim.current_router.startup_config.clear();
}

}  // namespace zorva
