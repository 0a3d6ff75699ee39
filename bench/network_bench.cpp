// The network engine at scale, on the fifty-router ring: the layer-2, Ethernet-keepalive and CDP
// timers for a simulated hour and day; RIP and OSPF on every link for a day after convergence;
// the same on a ring of doubled links, whose hundred networks overflow a routing update; and one
// ping across 25 routers. Peak memory is reported as the process's maximum resident size, and the
// routing days report the error log they wrote.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/scripted_host.h"
#include "network/network.h"
#include "simulation/simulation.h"

namespace {

const std::filesystem::path kBin = ZORVA_BIN_DIR;
const std::filesystem::path kLog = std::filesystem::temp_directory_path() / "zorva-bench.log";
constexpr int kRouters = 50;
constexpr long long kHour = 3600LL * 1000;

// One line typed into router n's console, as a student would, then Enter.
void type_line(zorva::Simulation& sim, int n, const std::string& text) {
  zorva::Router& r = *sim.router(n);
  for (unsigned char c : text) sim.key_press(r, c);
  sim.key_press(r, 13);
}

struct Ring {
  zorva::ScriptedHost host;
  std::unique_ptr<zorva::Simulation> sim;
};

// Fifty routers whose Serial0/Serial1 form one ring and, with `doubled`, whose Serial2/Serial3
// form a second ring beside it (networks 11.n.0.0/24), so that a hundred networks are routed.
std::filesystem::path ring_topology(bool doubled) {
  if (!doubled) return kBin / "topologies" / "ring50.ini";
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "zorva-bench-ring50x2.ini";
  std::ofstream out(file, std::ios::binary);
  out << "[GENERAL]\nnumberofrouters=" << kRouters << "\nnumberofconnectors=" << 2 * kRouters
      << "\n";
  for (int n = 1; n <= kRouters; ++n) out << "[ROUTER" << n << "]\nSerial=4\nEthernet=1\nBri=0\n";
  for (int c = 1; c <= 2 * kRouters; ++c) {
    const int n = (c - 1) % kRouters + 1;
    const int next = n % kRouters + 1;
    const bool second = c > kRouters;
    out << "[CONNECTOR" << c << "]\nconnectortype=serial\ndev1name=Router" << n
        << "\ndev1interface=Serial" << (second ? 2 : 0) << "\ndev2name=Router" << next
        << "\ndev2interface=Serial" << (second ? 3 : 1) << "\n";
  }
  return file;
}

// The link from router n's Serial0 (Serial2) to router n+1's Serial1 (Serial3) is network
// 10.n.0.0/24 (11.n.0.0/24).
std::string link_address(int link, int host, int ring = 0) {
  return std::to_string(10 + ring) + "." + std::to_string(link) + ".0." + std::to_string(host);
}

// The ring with the serial interfaces of every router addressed and up; with `routing`, RIP and
// OSPF cover every link. With `real_router`, in that behaviour, each Serial0 (the DCE end of its
// link) is given a clock rate as a real router's line needs.
std::unique_ptr<Ring> make_ring(bool routing, bool doubled = false, bool real_router = false) {
  auto ring = std::make_unique<Ring>();
  ring->sim = std::make_unique<zorva::Simulation>(ring->host, zorva::SimulationPaths{kBin, kLog});
  zorva::Simulation& sim = *ring->sim;
  if (real_router) sim.behaviour = zorva::Behaviour::RealRouter;
  sim.start(ring_topology(doubled).string());
  for (int n = 1; n <= kRouters; ++n) {
    const int previous = n == 1 ? kRouters : n - 1;
    type_line(sim, n, "enable");
    type_line(sim, n, "configure terminal");
    for (int k = 0; k < (doubled ? 2 : 1); ++k) {
      type_line(sim, n, "interface s" + std::to_string(2 * k));
      type_line(sim, n, "ip address " + link_address(n, 1, k) + " 255.255.255.0");
      if (real_router) type_line(sim, n, "clock rate 64000");
      type_line(sim, n, "no shutdown");
      type_line(sim, n, "exit");
      type_line(sim, n, "interface s" + std::to_string(2 * k + 1));
      type_line(sim, n, "ip address " + link_address(previous, 2, k) + " 255.255.255.0");
      type_line(sim, n, "no shutdown");
      type_line(sim, n, "exit");
    }
    if (routing) {
      type_line(sim, n, "router rip");
      type_line(sim, n, "network 10.0.0.0");
      if (doubled) type_line(sim, n, "network 11.0.0.0");
      type_line(sim, n, "exit");
      type_line(sim, n, "router ospf 1");
      for (int k = 0; k < (doubled ? 2 : 1); ++k) {
        type_line(sim, n, "network " + link_address(n, 0, k) + " 0.0.0.255 area 0");
        type_line(sim, n, "network " + link_address(previous, 0, k) + " 0.0.0.255 area 0");
      }
    }
    type_line(sim, n, "end");
  }
  return ring;
}

long long peak_memory_kb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_RingLinkTimers(benchmark::State& state) {
  const long long span = state.range(0) * kHour;
  for (auto _ : state) {
    state.PauseTiming();
    auto ring = make_ring(false);
    state.ResumeTiming();
    ring->sim->scheduler.advance(span);
    benchmark::DoNotOptimize(ring->sim->sim_clock);
  }
  state.counters["peak_MB"] = static_cast<double>(peak_memory_kb()) / 1024.0;
  state.SetLabel(std::to_string(state.range(0)) + " simulated hour(s), layer 2 + CDP");
}
BENCHMARK(BM_RingLinkTimers)->Arg(1)->Arg(24)->Unit(benchmark::kMillisecond)->Iterations(2);

// Simulated seconds until no router's routing table changed for a minute.
long long converge(zorva::Simulation& sim) {
  long long last_change = 0, now = 0;
  int last_total = -1;
  while (now - last_change < 60 && now < 3600) {
    sim.scheduler.advance(5000);
    now += 5;
    int total = 0;
    for (int n = 1; n <= kRouters; ++n) total += sim.router(n)->record.route_count;
    if (total != last_total) last_change = now, last_total = total;
  }
  return last_change;
}

// A simulated day of routing after convergence; range 0 doubles the ring's links, range 1 runs
// the real-router behaviour.
void BM_RingRoutingDayAfterConvergence(benchmark::State& state) {
  const bool doubled = state.range(0) != 0;
  const bool real_router = state.range(1) != 0;
  long long converged_at = 0;
  int log_lines = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto ring = make_ring(true, doubled, real_router);
    converged_at = converge(*ring->sim);
    state.ResumeTiming();
    ring->sim->scheduler.advance(24 * kHour);
    benchmark::DoNotOptimize(ring->sim->sim_clock);
    log_lines = ring->sim->log.lines_written();
  }
  std::error_code ignored;
  const auto log_size = std::filesystem::file_size(kLog, ignored);
  state.counters["converged_s"] = static_cast<double>(converged_at);
  state.counters["log_lines"] = log_lines;
  state.counters["log_MB"] = ignored ? 0.0 : static_cast<double>(log_size) / (1024.0 * 1024.0);
  state.counters["peak_MB"] = static_cast<double>(peak_memory_kb()) / 1024.0;
  state.SetLabel(std::string(doubled ? "100 networks" : "50 networks") +
                 (real_router ? ", real-router" : ", classic"));
}
BENCHMARK(BM_RingRoutingDayAfterConvergence)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_PingAcross25Hops(benchmark::State& state) {
  auto ring = make_ring(true);
  zorva::Simulation& sim = *ring->sim;
  converge(sim);
  zorva::Router& first = *sim.router(1);
  zorva::PacketRecord request;
  request.protocol = "IP";
  request.payload = zorva::FramePayload::PingRequest;
  request.dst_ip = link_address(26, 1);  // Serial0 of router 26, 25 links away either way round
  request.ttl = 255;
  for (auto _ : state) {
    first.record.output_buffer.clear();
    sim.network.ip_route_packet(first, request);
    benchmark::DoNotOptimize(first.record.output_buffer);
  }
  state.SetLabel(first.record.output_buffer == "!!!!!" ? "reply received" : "no reply");
}
BENCHMARK(BM_PingAcross25Hops)->Unit(benchmark::kMicrosecond);

}  // namespace
