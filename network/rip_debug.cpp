#include "network/rip_debug.h"

#include <algorithm>
#include <string>

#include "state/ipv4.h"
#include "state/route_metrics.h"

namespace zorva {

namespace {

constexpr const char* kEntryIndent = "        ";
constexpr const char* kReceivedIndent = "     ";

// The metric on the wire: the hops to the network from the router that receives it.
Int32 wire_metric(const RouteEntry& e) {
  return std::min<Int32>(e.metric + 1, kRipInfinity);
}

std::string with_prefix(const RouteEntry& e) {
  return dotted(e.network) + "/" + std::to_string(e.prefix_length);
}

void add(RouterRecord& r, std::string line) {
  r.routing_bookkeeping.console_messages.push_back(std::move(line));
}

}  // namespace

bool debugging_rip(const RouterRecord& r) {
  return std::find(r.debugging.begin(), r.debugging.end(), "RIP protocol") != r.debugging.end();
}

void log_rip_sent(RouterRecord& r, const InterfaceEntry& out, const PacketRecord& update) {
  const bool v2 = update.rip_version == 2;
  add(r, std::string("RIP: sending v") + (v2 ? "2" : "1") + " update to " +
             (v2 ? "224.0.0.9" : "255.255.255.255") + " via " + out.name + " (" + out.ip_address +
             ")");
  add(r, "RIP: build update entries");
  for (const RouteEntry& e : update.routes) {
    const std::string metric = std::to_string(wire_metric(e));
    if (v2) {
      add(r, kEntryIndent + with_prefix(e) + " via 0.0.0.0, metric " + metric + ", tag 0");
    } else {
      const bool subnet = e.prefix_length > classful_length(e.network);
      add(r, kEntryIndent + std::string(subnet ? "subnet " : "network ") + dotted(e.network) +
                 " metric " + metric);
    }
  }
}

void log_rip_received(RouterRecord& r, const InterfaceEntry& in, const PacketRecord& update) {
  const bool v2 = update.rip_version == 2;
  add(r, std::string("RIP: received v") + (v2 ? "2" : "1") + " update from " + update.src_ip +
             " on " + in.name);
  for (const RouteEntry& e : update.routes) {
    const std::string hops = std::to_string(wire_metric(e));
    add(r, kReceivedIndent + (v2 ? with_prefix(e) + " via 0.0.0.0" : dotted(e.network)) + " in " +
               hops + " hops");
  }
}

void log_rip_ignored(RouterRecord& r, const PacketRecord& update) {
  add(r, "RIP: ignored v" + std::to_string(update.rip_version) + " packet from " + update.src_ip +
             " (illegal version)");
}

}  // namespace zorva
