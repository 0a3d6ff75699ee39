#include "console/network_work.h"

#include <utility>

#include "network/network.h"
#include "router/output.h"
#include "router/router.h"

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

void NetworkWork::print_ospf_process() {
  work_.emplace_back(ShowOspfProcess{});
}

std::optional<std::string> NetworkWork::report_text(const Network& network, const Router& r,
                                                    const Work& w) {
  if (std::holds_alternative<ShowArp>(w)) return network.arp_text(r);
  if (std::holds_alternative<ShowOspfDatabase>(w)) return network.ospf_database_text(r);
  if (std::holds_alternative<ShowOspfProcess>(w)) return network.ospf_process_text(r);
  return std::nullopt;
}

void NetworkWork::leave_reports(const Network& network, Router& r) {
  std::erase_if(work_, [&](const Work& w) {
    const std::optional<std::string> text = report_text(network, r, w);
    if (!text) return false;
    // Text left in the buffer while nothing was pending is an earlier command's.
    if (r.record.output_pending != kTrue) r.record.output_buffer.clear();
    r.record.output_buffer += *text;
    r.record.output_pending = kTrue;
    return true;
  });
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
            // The OSPF reports, which only real-router asks for.
            [&](const auto& report) { output_text(r, *report_text(network, r, report)); },
        },
        w);
  }
}

}  // namespace zorva
