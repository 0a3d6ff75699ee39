// `show ip ospf interface` as a real router prints it: one block per interface OSPF runs on, with
// its area, cost and network type (point-to-point on serial lines, broadcast with a designated
// router on Ethernet, a stub host on a loopback) and the neighbours adjacent over it.
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/display_name.h"
#include "reports/ospf_reports.h"
#include "reports/report_text.h"
#include "state/ipv4.h"
#include "state/ospf_hello_terms.h"
#include "state/ospf_segment.h"
#include "state/route_metrics.h"
#include "state/router_record.h"

namespace zorva {

namespace {

std::vector<const OspfNeighborEntry*> neighbors_on(const RouterRecord& r, const InterfaceEntry& e) {
  std::vector<const OspfNeighborEntry*> found;
  const ProtocolBlock& p = r.protocols;
  for (int j = 1; j <= std::clamp<int>(p.ospf_neighbor_count, 0, kMaxProtocolNeighbors); ++j)
    if (p.ospf_neighbors[j].local_interface == e.name) found.push_back(&p.ospf_neighbors[j]);
  return found;
}

// On a broadcast network: this router's state, and the designated and backup routers.
void append_broadcast_roles(std::string& out, const RouterRecord& r, const InterfaceEntry& e) {
  const std::vector<SegmentMember> members = ospf_segment_members(r, e);
  add_line(out, "  Transmit Delay is 1 sec, State ",
           ospf_segment_role(members, r.protocols.ospf_active_router_id), ", Priority ",
           plain_number(e.ospf_priority));
  add_line(out, "  Designated Router (ID) ", members[0].id_text, ", Interface address ",
           members[0].address);
  if (members.size() > 1)
    add_line(out, "  Backup Designated router (ID) ", members[1].id_text, ", Interface address ",
             members[1].address);
  else
    add_line(out, "  No backup designated router on this network");
}

void append_authentication(std::string& out, const ProtocolBlock& p, const InterfaceEntry& e) {
  switch (ospf_authentication_on(p, e)) {
    case OspfAuthentication::Simple:
      add_line(out, "  Simple password authentication enabled");
      break;
    case OspfAuthentication::MessageDigest:
      add_line(out, "  Message digest authentication enabled");
      if (e.ospf.md5_key_id > 0)
        add_line(out, "    Youngest key id is ", plain_number(e.ospf.md5_key_id));
      else
        add_line(out, "    No key configured, using default key id 0");
      break;
    case OspfAuthentication::FromArea:
    case OspfAuthentication::None:
      break;
  }
}

void append_block(std::string& out, const RouterRecord& r, const InterfaceEntry& e,
                  const std::string& area) {
  const ProtocolBlock& p = r.protocols;
  add_line(out, e.name, " is up, line protocol is up ");
  add_line(out, "  Internet Address ", e.ip_address, "/", plain_number(e.prefix_length), ", Area ",
           area, " ");
  // A loopback is a stub host unless `ip ospf network point-to-point` made it a network.
  const bool loopback = e.type == InterfaceType::Loopback && !is_set(e.ospf_point_to_point);
  const bool broadcast = e.type == InterfaceType::Ethernet;
  const char* type = loopback ? "LOOPBACK" : broadcast ? "BROADCAST" : "POINT_TO_POINT";
  add_line(out, "  Process ID ", plain_number(p.ospf_process_numbers[1]), ", Router ID ",
           p.ospf_active_router_id, ", Network Type ", type,
           ", Cost: ", plain_number(ospf_interface_cost(e, p.ospf_reference_bandwidth)));
  if (loopback) {
    add_line(out, "  Loopback interface is treated as a stub Host");
    return;
  }
  const std::vector<const OspfNeighborEntry*> neighbors = neighbors_on(r, e);
  if (broadcast)
    append_broadcast_roles(out, r, e);
  else
    add_line(out, "  Transmit Delay is 1 sec, State POINT_TO_POINT,");
  const std::string dead = plain_number(ospf_dead_interval(e));
  add_line(out, "  Timer intervals configured, Hello ", plain_number(ospf_hello_interval(e)),
           ", Dead ", dead, ", Wait ", dead, ", Retransmit 5");
  add_line(out, "    Hello due in 00:00:05");  // hellos are not timed one by one
  const std::string n = plain_number(static_cast<long long>(neighbors.size()));
  add_line(out, "  Neighbor Count is ", n, ", Adjacent neighbor count is ", n, " ");
  for (const OspfNeighborEntry* neighbor : neighbors)
    add_line(out, "    Adjacent with neighbor ", neighbor->router_id);
  add_line(out, "  Suppress hello for 0 neighbor(s)");
  append_authentication(out, p, e);
}

// How `show ip ospf` describes an area's authentication.
std::string area_authentication_text(const ProtocolBlock& p, Int32 area) {
  const auto found = p.ospf_area_authentication.find(area);
  if (found == p.ospf_area_authentication.end()) return "no authentication";
  return found->second == OspfAuthentication::MessageDigest ? "message digest authentication"
                                                            : "simple password authentication";
}

}  // namespace

std::string build_real_ospf_interface(const RouterRecord& r, std::string_view only) {
  std::string out(kLineEnd);
  if (!is_set(r.protocols.ospf_enabled)) return out;
  bool shown = false, exists = false;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (!only.empty() && to_lower(e.name) != to_lower(std::string(only))) continue;
    exists = true;
    if (e.line_protocol != LinkState::Up || is_set(e.shutdown)) continue;
    if (const std::optional<Int32> area = ospf_area_of(r.protocols, e)) {
      append_block(out, r, e, plain_number(*area));
      shown = true;
    }
  }
  // One interface asked for by name that OSPF does not run on is named; one the router does not
  // have is refused.
  if (!only.empty() && !exists) add_line(out, "% Invalid interface type and number");
  if (!only.empty() && exists && !shown) add_line(out, "%OSPF: OSPF not enabled on ", only);
  return out;
}

std::string build_real_ospf_interface_brief(const RouterRecord& r) {
  std::string out(kLineEnd);
  if (!is_set(r.protocols.ospf_enabled)) return out;
  add_line(out, "Interface    PID   Area            IP Address/Mask    Cost  State Nbrs F/C");
  const ProtocolBlock& p = r.protocols;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.line_protocol != LinkState::Up || is_set(e.shutdown)) continue;
    const std::optional<Int32> area = ospf_area_of(p, e);
    if (!area) continue;
    const std::vector<const OspfNeighborEntry*> neighbors = neighbors_on(r, e);
    const bool loopback = e.type == InterfaceType::Loopback && !is_set(e.ospf_point_to_point);
    const std::string state =
        loopback ? "LOOP"
        : e.type != InterfaceType::Ethernet
            ? "P2P"
            : std::string(ospf_segment_role(ospf_segment_members(r, e), p.ospf_active_router_id));
    std::string line;
    append_padded(line, short_interface_name(e.name), 13);
    append_padded(line, plain_number(p.ospf_process_numbers[1]), 6);
    append_padded(line, plain_number(*area), 16);
    append_padded(line, e.ip_address + "/" + plain_number(e.prefix_length), 19);
    append_padded(line, plain_number(ospf_interface_cost(e, p.ospf_reference_bandwidth)), 6);
    append_padded(line, state, 6);
    const std::string n = plain_number(static_cast<long long>(neighbors.size()));
    add_line(out, line, n, "/", n);
  }
  return out;
}

std::string build_real_show_ip_ospf(const RouterRecord& r,
                                    const std::vector<LinkStateLine>& externals) {
  const ProtocolBlock& p = r.protocols;
  // Each area this router has an interface in, with its interfaces and how many are loopbacks.
  std::map<Int32, std::pair<int, int>> areas;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const std::optional<Int32> area = ospf_area_of(p, e);
    if (!area || e.line_protocol != LinkState::Up) continue;
    auto& [all, loopbacks] = areas[*area];
    ++all;
    if (e.type == InterfaceType::Loopback) ++loopbacks;
  }
  std::string out(kLineEnd);
  add_line(out, " Routing Process \"ospf ", plain_number(p.ospf_process_numbers[1]), "\" with ID ",
           p.ospf_active_router_id);
  out.append(
      " Supports only single TOS(TOS0) routes\r\n"
      " Supports opaque LSA\r\n"
      " SPF schedule delay 5 secs, Hold time between two SPFs 10 secs\r\n"
      " Minimum LSA interval 5 secs. Minimum LSA arrival 1 secs\r\n");
  unsigned checksum_sum = 0;
  for (const LinkStateLine& l : externals) checksum_sum += link_state_checksum(l, '5');
  char sum[16];
  std::snprintf(sum, sizeof sum, "0x%06X", checksum_sum);
  add_line(out, " Number of external LSA ", plain_number(static_cast<long long>(externals.size())),
           ". Checksum Sum ", sum);
  const std::string n = plain_number(static_cast<long long>(areas.size()));
  add_line(out, " Number of areas in this router is ", n, ". ", n, " normal 0 stub 0 nssa");
  if (areas.size() > 1) add_line(out, " It is an area border router");
  for (const auto& [area, counts] : areas) {
    add_line(out, area == 0 ? "    Area BACKBONE(0)" : "    Area " + plain_number(area));
    add_line(out, "        Number of interfaces in this area is ", plain_number(counts.first),
             counts.second > 0 ? " (" + plain_number(counts.second) + " loopback)" : "");
    add_line(out, "        Area has ", area_authentication_text(p, area));
    add_line(out, "        Area ranges are");
  }
  return out;
}

}  // namespace zorva
