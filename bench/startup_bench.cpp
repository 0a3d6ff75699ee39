// Start-up and simulated time: loading the fifty-router ring, and one simulated day of the clock.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "base/scripted_host.h"
#include "simulation/simulation.h"

namespace {

const std::filesystem::path kBin = ZORVA_BIN_DIR;
const std::filesystem::path kLog = std::filesystem::temp_directory_path() / "zorva-bench.log";

void BM_LoadFiftyRouterRing(benchmark::State& state) {
  for (auto _ : state) {
    zorva::ScriptedHost host;
    zorva::Simulation sim(host, {kBin, kLog});
    sim.start((kBin / "topologies" / "ring50.ini").string());
    benchmark::DoNotOptimize(sim.router_count);
  }
}
BENCHMARK(BM_LoadFiftyRouterRing)->Unit(benchmark::kMillisecond);

void BM_OneSimulatedDayOfTheClock(benchmark::State& state) {
  for (auto _ : state) {
    zorva::ScriptedHost host;
    zorva::Simulation sim(host, {kBin, kLog});
    sim.start((kBin / "default.ini").string());
    sim.scheduler.advance(24LL * 3600 * 1000);
    benchmark::DoNotOptimize(sim.sim_clock);
  }
}
BENCHMARK(BM_OneSimulatedDayOfTheClock)->Unit(benchmark::kMillisecond);

}  // namespace
