// `show ip protocols` as a real router prints it: per running protocol its timers, the networks it
// routes for, and the neighbours it has heard routes from ("Routing Information Sources") with
// their distance and the time since their last update.
#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <vector>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/ip_protocols_report.h"
#include "reports/report_text.h"
#include "state/ipv4.h"
#include "state/route_metrics.h"
#include "state/router_record.h"
#include "state/summary_route.h"

namespace zorva {

namespace {

constexpr std::size_t kGatewayWidth = 16;
constexpr std::size_t kDistanceWidth = 8;
// The passive-interface bits of InterfaceEntry::passive_protocols, one per protocol.
constexpr int kRipBit = 1;
constexpr int kIgrpBit = 2;
constexpr int kEigrpBit = 4;
constexpr int kOspfBit = 8;

// Each neighbour whose routes of `code` are candidates, with the latest time it was heard.
void append_sources(std::string& out, const RouterRecord& r, char code, Int16 distance, Int32 now) {
  add_line(out, "  Routing Information Sources:");
  add_line(out, "    Gateway         Distance      Last Update");
  std::map<Ipv4, Int32> heard;
  for (int k = 1; k <= std::clamp<int>(r.learned_route_count, 0, kMaxRoutes); ++k) {
    const RouteEntry& c = r.learned_routes[k];
    if (c.code != code || is_summary_route(c)) continue;  // a summary is heard from nobody
    Int32& last = heard[c.next_hop];
    last = std::max(last, c.refreshed_at);
  }
  for (const auto& [gateway, last] : heard) {
    std::string line = "    ";
    std::string shown = dotted(gateway);
    // OSPF names its sources by router ID.
    for (int j = 1; code == 'O' && j <= r.protocols.ospf_neighbor_count; ++j)
      if (r.protocols.ospf_neighbors[j].address == shown)
        shown = r.protocols.ospf_neighbors[j].router_id;
    append_padded(line, shown, kGatewayWidth);
    const std::string d = plain_number(distance);
    line.append(kDistanceWidth - std::min(kDistanceWidth, d.size()), ' ');
    add_line(out, line, d, "      ", elapsed_text(std::max<Int32>(now - last, 0)));
  }
}

void append_classful_networks(std::string& out,
                              const std::array<std::string, kMaxProtocolNetworks + 1>& networks,
                              Int16 count) {
  add_line(out, "  Routing for Networks:");
  for (int i = 1; i <= std::clamp<int>(count, 0, kMaxProtocolNetworks); ++i) {
    // A statement with wildcard bits (EIGRP) is shown as network/length.
    const std::string& statement = networks[i];
    const std::size_t blank = statement.find(' ');
    const std::optional<Ipv4> wildcard =
        blank == std::string::npos ? std::nullopt : parse_dotted(statement.substr(blank + 1));
    if (wildcard)
      add_line(out, "    ", statement.substr(0, blank), "/",
               plain_number(std::popcount(~*wildcard)));
    else
      add_line(out, "    ", statement);
  }
}

void append_filters(std::string& out) {
  add_line(out, "  Outgoing update filter list for all interfaces is not set");
  add_line(out, "  Incoming update filter list for all interfaces is not set");
}

bool passive(const InterfaceEntry& e, int protocol_bit) {
  return (e.passive_protocols & protocol_bit) != 0;
}

// "Passive Interface(s):" and the interfaces a protocol covers but sends nothing on.
void append_passive(std::string& out, const RouterRecord& r, int protocol_bit) {
  bool any = false;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!passive(e, protocol_bit)) continue;
    if (!any) add_line(out, "  Passive Interface(s):");
    any = true;
    add_line(out, "    ", e.name);
  }
}

// The versions RIP sends and takes, for the router and per interface: "1     1 2" without a
// `version` line, "2     2" after `version 2`.
void append_rip_versions(std::string& out, const RouterRecord& r) {
  const Int16 version = r.protocols.rip_version;
  const std::string send = version == 2 ? "2" : "1";
  const std::string receive = version == 0 ? "any version" : "version " + send;
  add_line(out, "  Default version control: send version ", send, ", receive ", receive);
  add_line(out, "    Interface             Send  Recv  Triggered RIP  Key-chain");
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!is_set(e.rip_state) || e.line_protocol != LinkState::Up || passive(e, kRipBit)) continue;
    std::string line = "    ";
    append_padded(line, e.name, 22);
    add_line(out, line, send, "     ", version == 0 ? "1 2" : send);
  }
}

// What the process whose routes carry `code` takes in besides its own: ", static, connected".
std::string redistributed_sources(const RouterRecord& r, char code) {
  const auto it = r.protocols.redistribution.find(code);
  if (it == r.protocols.redistribution.end()) return "";
  return std::string(it->second.static_routes ? ", static" : "") +
         (it->second.connected ? ", connected" : "");
}

// The equal paths the protocol whose routes carry `code` keeps: its `maximum-paths`, else 4.
std::string maximum_paths(const RouterRecord& r, char code) {
  return plain_number(equal_paths_kept(r.protocols, code));
}

void append_rip(std::string& out, const RouterRecord& r, Int32 now) {
  add_line(out, "Routing Protocol is \"rip\"");
  add_line(out, "  Sending updates every 30 seconds, next due in ", plain_number(30 - now % 30),
           " seconds");
  add_line(out, "  Invalid after 180 seconds, hold down 180, flushed after 240");
  append_filters(out);
  add_line(out, "  Redistributing: rip", redistributed_sources(r, 'R'));
  append_rip_versions(out, r);
  const bool summarising = r.protocols.rip_version != 2 || !is_set(r.protocols.rip_no_auto_summary);
  add_line(out, "  Automatic network summarization is ", summarising ? "" : "not ", "in effect");
  add_line(out, "  Maximum path: ", maximum_paths(r, 'R'));
  append_classful_networks(out, r.protocols.rip_networks, r.protocols.rip_network_count);
  append_passive(out, r, kRipBit);
  append_sources(out, r, 'R', 120, now);
  add_line(out, "  Distance: (default is 120)");
}

// IGRP and EIGRP: the composite-metric protocols of one AS.
// EIGRP's automatic summaries and the interfaces each is sent out of: those EIGRP covers that lie
// outside the summarised major network.
// The interfaces whose `ip summary-address eigrp` asks for the summary `c`, or "" for none.
std::string manual_summary_interfaces(const RouterRecord& r, const RouteEntry& c) {
  std::string interfaces;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.eigrp_summary_length == c.prefix_length && e.eigrp_summary_network == c.network)
      interfaces += (interfaces.empty() ? "" : ", ") + e.name;
  }
  return interfaces;
}

// EIGRP's summaries towards Null0: those the interfaces ask for ("Address Summarization"), then
// the automatic ones, each for the covered interfaces outside its major network.
void append_eigrp_summaries(std::string& out, const RouterRecord& r) {
  for (const bool manual : {true, false}) {
    bool heading = false;
    for (int k = 1; k <= std::clamp<int>(r.learned_route_count, 0, kMaxRoutes); ++k) {
      const RouteEntry& c = r.learned_routes[k];
      if (!is_summary_route(c)) continue;
      std::string interfaces = manual_summary_interfaces(r, c);
      if (manual != !interfaces.empty()) continue;
      for (int i = 1; !manual && i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
        const InterfaceEntry& e = r.interfaces[i];
        if (!is_set(e.eigrp_state) || classful_network(e.network_value) == c.network) continue;
        interfaces += (interfaces.empty() ? "" : ", ") + e.name;
      }
      if (!heading)
        add_line(out, manual ? "  Address Summarization:" : "  Automatic address summarization:");
      heading = true;
      add_line(out, "    ", dotted(c.network), "/", plain_number(c.prefix_length), " for ",
               interfaces);
      add_line(out, "      Summarizing with metric ", plain_number(c.metric));
    }
  }
}

void append_igrp_family(std::string& out, const RouterRecord& r, bool eigrp, Int32 now) {
  const ProtocolBlock& p = r.protocols;
  const std::string name = eigrp ? "eigrp" : "igrp";
  const std::string upper = eigrp ? "EIGRP" : "IGRP";
  const std::string as =
      plain_number(eigrp ? p.eigrp_process_numbers[1] : p.igrp_process_numbers[1]);
  add_line(out, "Routing Protocol is \"", name, " ", as, "\"");
  if (!eigrp) {
    add_line(out, "  Sending updates every 90 seconds, next due in ", plain_number(90 - now % 90),
             " seconds");
    add_line(out, "  Invalid after 270 seconds, hold down 280, flushed after 630");
  }
  append_filters(out);
  add_line(out, "  Default networks flagged in outgoing updates");
  add_line(out, "  Default networks accepted from incoming updates");
  add_line(out, "  ", upper, " metric weight K1=1, K2=0, K3=1, K4=0, K5=0");
  add_line(out, "  ", upper, " maximum hopcount 100");
  add_line(out, "  ", upper, " maximum metric variance 1");
  add_line(out, "  Redistributing: ", name, " ", as, redistributed_sources(r, eigrp ? 'D' : 'I'));
  if (eigrp) {
    add_line(out, "  Automatic network summarization is ",
             is_set(p.eigrp_no_auto_summary) ? "not " : "", "in effect");
    append_eigrp_summaries(out, r);
  }
  add_line(out, "  Maximum path: ", maximum_paths(r, eigrp ? 'D' : 'I'));
  if (eigrp) {
    append_classful_networks(out, p.eigrp_networks, p.eigrp_network_count);
    append_passive(out, r, kEigrpBit);
    append_sources(out, r, 'D', 90, now);
    add_line(out, "  Distance: internal 90 external 170");
  } else {
    append_classful_networks(out, p.igrp_networks, p.igrp_network_count);
    append_passive(out, r, kIgrpBit);
    append_sources(out, r, 'I', 100, now);
    add_line(out, "  Distance: (default is 100)");
  }
}

void append_ospf(std::string& out, const RouterRecord& r, Int32 now) {
  const ProtocolBlock& p = r.protocols;
  add_line(out, "Routing Protocol is \"ospf ", plain_number(p.ospf_process_numbers[1]), "\"");
  append_filters(out);
  add_line(out, "  Router ID ", p.ospf_active_router_id);
  if (const std::string from = redistributed_sources(r, 'O'); !from.empty()) {
    const bool subnets = p.redistribution.at('O').subnets;
    add_line(out, "  Redistributing External Routes from,");
    add_line(out, "    ", from.substr(2), subnets ? ", includes subnets in redistribution" : "");
  }
  std::map<std::string, bool> areas;
  for (int i = 1; i <= std::clamp<int>(p.ospf_network_count, 0, kMaxOspfNetworks); ++i)
    areas[p.ospf_networks[i].area] = true;
  const std::string n = plain_number(static_cast<long long>(areas.size()));
  add_line(out, "  Number of areas in this router is ", n, ". ", n, " normal 0 stub 0 nssa");
  add_line(out, "  Maximum path: ", maximum_paths(r, 'O'));
  add_line(out, "  Routing for Networks:");
  for (int i = 1; i <= std::clamp<int>(p.ospf_network_count, 0, kMaxOspfNetworks); ++i) {
    const OspfNetworkEntry& e = p.ospf_networks[i];
    add_line(out, "    ", e.network, " ", e.wildcard, " area ", e.area);
  }
  append_passive(out, r, kOspfBit);
  append_sources(out, r, 'O', 110, now);
  add_line(out, "  Distance: (default is 110)");
}

}  // namespace

std::string build_real_ip_protocols(const RouterRecord& r, Int32 now) {
  const ProtocolBlock& p = r.protocols;
  std::string out(kLineEnd);
  // Sections are parted by an empty line.
  const auto section = [&out](auto&&... append) {
    (append(), ...);
    out.append(kLineEnd);
  };
  if (is_set(p.rip_enabled)) section([&] { append_rip(out, r, now); });
  if (is_set(p.igrp_enabled)) section([&] { append_igrp_family(out, r, false, now); });
  if (is_set(p.eigrp_enabled)) section([&] { append_igrp_family(out, r, true, now); });
  if (is_set(p.ospf_enabled)) section([&] { append_ospf(out, r, now); });
  return out;
}

// `show ip rip database`: the networks RIP holds, major network by major network: its summary
// line while RIP summarises (version 1, or version 2 with auto-summary), then each connected
// network RIP covers and each RIP route with its paths, hop counts, ages and interfaces.
std::string build_real_rip_database(const RouterRecord& r, Int32 now) {
  const ProtocolBlock& p = r.protocols;
  std::string out(kLineEnd);
  if (!is_set(p.rip_enabled)) return out;
  const bool summarises = p.rip_version != 2 || !is_set(p.rip_no_auto_summary);
  // Network and length as the key, so each major network and its subnets come out in order.
  std::map<std::pair<Ipv4, int>, std::vector<std::string>> networks;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!is_set(e.rip_state) || e.line_protocol != LinkState::Up) continue;
    networks[{e.network_value, e.prefix_length}].push_back("    directly connected, " + e.name);
  }
  for (int k = 1; k <= std::clamp<int>(r.route_count, 0, kMaxRoutes); ++k) {
    const RouteEntry& e = r.routes[k];
    if (e.code != 'R') continue;
    const int i = e.out_index;
    const std::string name =
        i >= 1 && i <= std::min<int>(r.interface_count, kMaxInterfaces) ? r.interfaces[i].name : "";
    networks[{e.network, e.prefix_length}].push_back(
        "\r\n    [" + plain_number(e.metric) + "] via " + dotted(e.next_hop) + ", " +
        elapsed_text(std::max<Int32>(now - e.refreshed_at, 0)) + ", " + name);
  }
  std::optional<Ipv4> major;
  for (const auto& [key, lines] : networks) {
    const auto& [network, length] = key;
    if (summarises && key.first != 0 && classful_network(network) != major) {
      major = classful_network(network);
      add_line(out, dotted(*major), "/", plain_number(classful_length(*major)), "    auto-summary");
    }
    out += dotted(network) + "/" + plain_number(length);
    for (const std::string& line : lines) out += line;
    out.append(kLineEnd);
  }
  return out;
}

}  // namespace zorva
