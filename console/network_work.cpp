#include "console/network_work.h"

#include <utility>

#include "network/network.h"

namespace zorva {

namespace {

template <class... Ways>
struct Overloaded : Ways... {
  using Ways::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14).
template <class... Ways>
Overloaded(Ways...) -> Overloaded<Ways...>;

}  // namespace

void NetworkWork::ping(const std::string& destination, int count) {
  work_.emplace_back(Ping{destination, count, false});
}

void NetworkWork::asked_ping(const std::string& destination, int count) {
  work_.emplace_back(Ping{destination, count, true});
}

void NetworkWork::traceroute(const std::string& destination) {
  work_.emplace_back(Traceroute{destination});
}

void NetworkWork::set_static_route(const StaticRoute& route) {
  work_.emplace_back(route);
}

void NetworkWork::clear_arp_cache() {
  work_.emplace_back(ClearArp{});
}

void NetworkWork::print_arp_table() {
  work_.emplace_back(ShowArp{});
}

void NetworkWork::print_ospf_database() {
  work_.emplace_back(ShowOspfDatabase{});
}

void NetworkWork::carry_out(Network& network, Router& r) {
  // Taken first: the work may run a command's effects that reach the console again.
  const std::vector<Work> work = std::exchange(work_, {});
  for (const Work& w : work) {
    std::visit(
        Overloaded{
            [&](const Ping& p) { network.ip_ping_execute(r, p.destination, p.count, p.asked); },
            [&](const Traceroute& t) { network.ip_traceroute_execute(r, t.destination); },
            [&](const StaticRoute& route) { network.set_static_route(r, route); },
            [&](const ClearArp&) { network.Clear_Arp_Table(r); },
            [&](const ShowArp&) { network.Build_Show_Arp(r); },
            [&](const ShowOspfDatabase&) { network.print_ospf_database(r); },
        },
        w);
  }
}

}  // namespace zorva
