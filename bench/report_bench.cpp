// The two longest device reports on a router with fifty interfaces, every one addressed and
// described.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/error_log.h"
#include "base/scripted_host.h"
#include "reports/reports.h"
#include "state/router_record.h"

namespace {

zorva::RouterRecord fifty_interface_router() {
  zorva::ScriptedHost host;
  zorva::ErrorLog log(host, std::filesystem::temp_directory_path() / "zorva-bench.log");
  zorva::RouterRecord r = zorva::window_load_record();
  auto random = [&host] { return host.random(); };
  zorva::createinterface(r, zorva::InterfaceType::Serial, 20, random, log, "Router 1");
  zorva::createinterface(r, zorva::InterfaceType::Ethernet, 20, random, log, "Router 1");
  zorva::createinterface(r, zorva::InterfaceType::Bri, 10, random, log, "Router 1");
  for (int i = 1; i <= r.interface_count; ++i) {
    r.interfaces[i].ip_address = "10.1." + std::to_string(i) + ".1";
    r.interfaces[i].subnet_mask = "255.255.255.0";
    r.interfaces[i].prefix_length = 24;
    r.interfaces[i].description = "Link number " + std::to_string(i) + " of the lab";
  }
  return r;
}

void BM_ShowRunningConfigFiftyInterfaces(benchmark::State& state) {
  const zorva::RouterRecord r = fifty_interface_router();
  for (auto _ : state) benchmark::DoNotOptimize(zorva::build_running_config(r));
}
BENCHMARK(BM_ShowRunningConfigFiftyInterfaces)->Unit(benchmark::kMicrosecond);

void BM_ShowInterfacesFiftyInterfaces(benchmark::State& state) {
  const zorva::RouterRecord r = fifty_interface_router();
  for (auto _ : state) benchmark::DoNotOptimize(zorva::build_show_interfaces(r));
}
BENCHMARK(BM_ShowInterfacesFiftyInterfaces)->Unit(benchmark::kMicrosecond);

}  // namespace
