// Parse-and-execute time of typical lines on a warm simulation, with the command database kept
// open and its answers remembered, and as the old design did it: the file reopened and every
// statement prepared anew for each line; each in classic and in real-router behaviour.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/scripted_host.h"
#include "parser/new_parse.h"
#include "simulation/simulation.h"

namespace {

const std::filesystem::path kBin = ZORVA_BIN_DIR;

struct Line {
  const char* text;
  zorva::ParseAction action;
  int mode;
};

// The benchmark lines: Enter, "?" and Tab in the modes a student uses them.
constexpr Line kLines[] = {
    {"sh ip ro", zorva::ParseAction::Execute, 3},
    {"interface s0", zorva::ParseAction::Execute, 4},
    {"ip address 10.1.1.1 255.255.255.0", zorva::ParseAction::Execute, 6},
    {"", zorva::ParseAction::SpaceQuestionMark, 4},
    {"sh ru", zorva::ParseAction::Tab, 3},
};

void BM_ParseLine(benchmark::State& state) {
  const Line& l = kLines[state.range(0)];
  const bool old_design = state.range(1) != 0;
  const bool real_router = state.range(2) != 0;
  zorva::ScriptedHost host;
  zorva::Simulation sim(host, {kBin, std::filesystem::temp_directory_path() / "zorva-bench.log"});
  sim.behaviour = real_router ? zorva::Behaviour::RealRouter : zorva::Behaviour::Classic;
  sim.start((kBin / "default.ini").string());
  sim.db.set_reopen_every_line(old_design);
  sim.db.set_remember_answers(!old_design);
  zorva::RouterRecord& rec = sim.router(1)->record;
  rec.cur_if_index = 1;
  for (auto _ : state) {
    rec.mode = static_cast<zorva::Int16>(l.mode);
    rec.parse_action = l.action;
    std::string line = l.text;
    benchmark::DoNotOptimize(zorva::new_parse_the_command(sim.parser, "router", l.mode, line, rec));
  }
  state.SetLabel(std::string(real_router ? "real-router " : "classic ") +
                 (old_design ? "reopened: " : "warm: ") + zorva::action_name(l.action) + " '" +
                 l.text + "'");
}
BENCHMARK(BM_ParseLine)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
