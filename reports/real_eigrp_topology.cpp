// `show ip eigrp topology` as a real router prints it: the table of the real AS and router ID,
// then every network EIGRP knows (its covered connected networks and the networks heard from
// neighbours), each passive with its successors and feasible distance, and under it the paths:
// "via Connected, Ethernet0" or "via 10.1.12.2 (2195456/281600), Serial0" with the path's
// metric and the neighbour's reported distance. A path whose reported distance is below the
// feasible distance (a feasible successor) is listed after the successors.
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "base/number_text.h"
#include "reports/eigrp_reports.h"
#include "reports/report_text.h"
#include "state/ipv4.h"
#include "state/route_metrics.h"
#include "state/router_record.h"
#include "state/summary_route.h"

namespace zorva {

namespace {

constexpr std::string_view kPathIndent = "        ";

// The EIGRP router ID: the highest loopback address, else the highest address of an up interface.
std::string eigrp_router_id(const RouterRecord& r) {
  std::optional<Ipv4> loopback, other;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const std::optional<Ipv4> a = parse_dotted(e.ip_address);
    if (!a) continue;
    std::optional<Ipv4>& best = e.type == InterfaceType::Loopback ? loopback : other;
    if (e.type != InterfaceType::Loopback && e.line_protocol != LinkState::Up) continue;
    if (!best || *a > *best) best = a;
  }
  if (loopback) return dotted(*loopback);
  return other ? dotted(*other) : "0.0.0.0";
}

struct Entry {
  const InterfaceEntry* connected = nullptr;  // a covered connected network
  const RouteEntry* summary = nullptr;        // the automatic summary of the network, to Null0
  std::vector<const RouteEntry*> heard;       // EIGRP candidates from neighbours
};

std::string interface_name(const RouterRecord& r, int index) {
  return index >= 1 && index <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces)
             ? r.interfaces[index].name
             : "";
}

void append_entry(std::string& out, const RouterRecord& r, Ipv4 network, int length, Entry& entry) {
  const std::string name = dotted(network) + "/" + plain_number(length);
  if (entry.connected != nullptr) {
    const InterfaceEntry& e = *entry.connected;
    const Int32 fd = eigrp_metric(interface_bandwidth(e), interface_delay(e));
    add_line(out, "P ", name, ", 1 successors, FD is ", plain_number(fd));
    add_line(out, kPathIndent, "via Connected, ", e.name);
    return;
  }
  if (entry.summary != nullptr) {
    const std::string fd = plain_number(entry.summary->metric);
    add_line(out, "P ", name, ", 1 successors, FD is ", fd);
    add_line(out, kPathIndent, "via Summary (", fd, "/0), ", kNullInterface);
    return;
  }
  std::stable_sort(entry.heard.begin(), entry.heard.end(),
                   [](const RouteEntry* a, const RouteEntry* b) { return a->metric < b->metric; });
  const Int32 fd = entry.heard.front()->metric;
  const auto successors = std::count_if(entry.heard.begin(), entry.heard.end(),
                                        [fd](const RouteEntry* c) { return c->metric == fd; });
  add_line(out, "P ", name, ", ", plain_number(std::min<long long>(successors, 4)),
           " successors, FD is ", plain_number(fd));
  for (const RouteEntry* c : entry.heard) {
    if (c->metric != fd && c->reported_metric >= fd) continue;  // not feasible
    add_line(out, kPathIndent, "via ", dotted(c->next_hop), " (", plain_number(c->metric), "/",
             plain_number(c->reported_metric), "), ", interface_name(r, c->out_index));
  }
}

}  // namespace

std::string build_real_eigrp_topology(const RouterRecord& r) {
  const ProtocolBlock& p = r.protocols;
  std::string out(kLineEnd);
  if (!is_set(p.eigrp_enabled)) return out;
  add_line(out, "IP-EIGRP Topology Table for AS(", plain_number(p.eigrp_process_numbers[1]),
           ")/ID(", eigrp_router_id(r), ")");
  out.append(kLineEnd);
  add_line(out, "Codes: P - Passive, A - Active, U - Update, Q - Query, R - Reply,");
  add_line(out, "       r - reply Status, s - sia Status ");
  out.append(kLineEnd);
  std::map<std::pair<Ipv4, int>, Entry> entries;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (is_set(e.eigrp_state) && e.line_protocol == LinkState::Up && !e.ip_address.empty())
      entries[{e.network_value, e.prefix_length}].connected = &e;
  }
  for (int k = 1; k <= std::clamp<int>(r.learned_route_count, 0, kMaxRoutes); ++k) {
    const RouteEntry& c = r.learned_routes[k];
    if (c.code != 'D') continue;
    Entry& entry = entries[{c.network, c.prefix_length}];
    if (is_summary_route(c))
      entry.summary = &c;
    else
      entry.heard.push_back(&c);
  }
  for (auto& [key, entry] : entries) append_entry(out, r, key.first, key.second, entry);
  return out;
}

}  // namespace zorva
