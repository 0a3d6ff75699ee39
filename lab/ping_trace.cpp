#include "lab/ping_trace.h"

#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "commands/ping.h"
#include "network/routing_table.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

// The interface a route leaves by, as forwarding picks it: a static route by the connected route
// that holds its next hop, else by the interface it was entered under. 0 when none fits.
int exit_interface(const RouterRecord& r, const RouteEntry& route) {
  int k = route.out_index;
  if (route.code == 'S') {
    if (const std::optional<Ipv4> hop = parse_dotted(route.interface_address))
      k = static_route_interface(r, route, *hop);
  }
  return k >= 1 && k <= std::min<int>(r.interface_count, kMaxInterfaces) ? k : 0;
}

// The source address a request takes from its first hop.
std::string source_address(const RouterRecord& r, const RouteEntry& route, int exit) {
  if (route.code == 'S' && !r.interfaces[exit].ip_address.empty())
    return r.interfaces[exit].ip_address;
  return route.interface_address;
}

bool owns(const RouterRecord& r, const std::string& address) {
  for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
    if (r.interfaces[i].ip_address == address) return true;
  return false;
}

std::string at(int router) {
  return "router " + std::to_string(router);
}

// Why router `n` has no route to `destination`: an interface whose network holds it but whose
// line is down takes its connected route away, which is the usual cause.
std::string no_route(const RouterRecord& r, int n, Ipv4 destination, const std::string& dst) {
  for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const std::optional<Ipv4> address = parse_dotted(e.ip_address);
    const std::optional<Ipv4> mask = parse_dotted(e.subnet_mask);
    if (!address || !mask || ((*address ^ destination) & *mask) != 0) continue;
    if (is_set(e.shutdown)) return "line down at " + at(n) + "'s " + e.name + " (shut down)";
    if (e.line_protocol != LinkState::Up) return "line down at " + at(n) + "'s " + e.name;
  }
  return "no route to " + dst + " at " + at(n);
}

}  // namespace

bool ping_now(Simulation& sim, int from, const std::string& address) {
  Router* r = sim.router(from);
  if (!r) return false;
  // A reply marks the router it reaches with "!!!!!" for its console; every router's waiting
  // output is set aside meanwhile and given back, so the consoles never see this ping.
  std::vector<std::pair<std::string, Flag>> kept;
  for (int n = 1; n <= sim.router_count; ++n) {
    RouterRecord& rec = sim.router(n)->record;
    kept.emplace_back(std::move(rec.output_buffer), rec.output_pending);
    rec.output_buffer.clear();
  }
  PacketRecord request;
  request.protocol = "IP";
  request.payload = FramePayload::PingRequest;
  request.dst_ip = address;
  request.ttl = kPingTtl;
  sim.network.ip_route_packet(*r, request);
  bool replied = false;
  for (int n = 1; n <= sim.router_count; ++n) {
    RouterRecord& rec = sim.router(n)->record;
    replied = replied || rec.output_buffer == "!!!!!";
    rec.output_buffer = std::move(kept[static_cast<std::size_t>(n - 1)].first);
    rec.output_pending = kept[static_cast<std::size_t>(n - 1)].second;
  }
  return replied;
}

std::string where_ping_breaks(Simulation& sim, int from, const std::string& address) {
  std::string dst = address;
  std::string src;
  bool reply = false;
  int n = from;
  std::set<std::pair<int, bool>> seen;
  for (int hop = 0; hop < kPingTtl; ++hop) {
    if (!seen.insert({n, reply}).second) return "the packets go round in a loop through " + at(n);
    const RouterRecord& r = sim.router(n)->record;
    const std::optional<Ipv4> destination = parse_dotted(dst);
    if (!destination) return "";
    const RouteEntry* route = longest_match(r, *destination);
    if (!route) {
      const std::string why = no_route(r, n, *destination, dst);
      return reply ? "no reply route: " + why : why;
    }
    const int exit = exit_interface(r, *route);
    if (exit == 0) return "";
    if (src.empty()) src = source_address(r, *route, exit);
    const CableEnd far = sim.network.far_end(n, exit);
    if (!far.resolved()) return at(n) + "'s " + r.interfaces[exit].name + " is not cabled";
    const RouterRecord& next = sim.router(far.router)->record;
    const InterfaceEntry& in = next.interfaces[far.interface];
    if (is_set(in.shutdown))
      return std::string(reply ? "no reply route: " : "") + "line down at " + at(far.router) +
             "'s " + in.name + " (shut down)";
    n = far.router;
    if (dst != "255.255.255.255" && !owns(next, dst)) continue;
    if (reply) return "";
    reply = true;
    dst = src;
  }
  return "";
}

}  // namespace zorva
