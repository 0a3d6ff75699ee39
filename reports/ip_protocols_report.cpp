// The routing-protocol summary: a section for each protocol that has a network configured.
#include "reports/ip_protocols_report.h"

#include <algorithm>
#include <array>

#include "base/number_text.h"
#include "reports/column_text.h"
#include "reports/display_name.h"
#include "reports/report_text.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::size_t kSourceWidth = 21;      // the gateway field of a source line
constexpr std::size_t kOspfSourceWidth = 20;  // the same field in the OSPF section

// "    " + gateway + distance + age, one line per route the protocol learned (its route code).
void append_sources(std::string& out, const RouterRecord& r, char code, std::size_t width) {
  const int count = std::clamp<int>(r.route_count, 0, kMaxRoutes);
  for (int i = 1; i <= count; ++i) {
    const RouteEntry& route = r.routes[i];
    if (route.code != code) continue;
    out.append("    ");
    append_padded(out, route.interface_address, width);
    out.append(number_with_blank(route.distance));
    out.append(6, ' ');
    add_line(out, route.age < 10 ? "00:00:0" : "00:00:", plain_number(route.age));
  }
}

template <std::size_t N>
void append_networks(std::string& out, const std::array<std::string, N>& networks, int count) {
  add_line(out, "  Routing for Networks:");
  for (int i = 1; i <= std::clamp<int>(count, 0, static_cast<int>(N) - 1); ++i)
    add_line(out, "    ", networks[i]);
}

// The interface column of the RIP section: the name, then blanks so one-digit names fill 17.
std::string_view rip_interface_filler(std::string_view word) {
  if (word == "Ethernet") return "        ";
  if (word == "Serial") return "          ";
  return "             ";
}

void append_rip(std::string& out, const RouterRecord& r) {
  add_line(out, "Routing Protocol is \"rip\" ");
  add_line(out, "  Sending updates every 30 seconds, next due in 26 seconds");
  add_line(out, "  Invalid after 180 seconds, hold down 180, flushed after 240");
  add_line(out, "  Outgoing update filter list for all interfaces is");
  add_line(out, "  Incoming update filter list for all interfaces is");
  add_line(out, "  Redistributing:   rip");
  add_line(out, "  Default version control: send version 1, receive any version");
  add_line(out, "    Interface        Send  Recv   Key-chain");
  // Every interface whose line protocol is up is listed, covered by a RIP network or not.
  DisplayNamer namer;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const DisplayName name = namer.next(e);
    if (e.line_protocol != LinkState::Up) continue;
    out.append("    ");
    append_display_name(out, name);
    add_line(out, rip_interface_filler(name.word), "1     1 2");
  }
  append_networks(out, r.protocols.rip_networks, r.protocols.rip_network_count);
  add_line(out, "  Routing Information Sources:");
  append_sources(out, r, 'R', kSourceWidth);
  add_line(out, "  Distance: (default is 120)");
}

void append_igrp(std::string& out, const RouterRecord& r) {
  const std::string as = plain_number(r.protocols.igrp_process_numbers[1]);
  add_line(out, "Routing Protocol is \"igrp ", as, "\"");
  add_line(out, "  Sending updates every 90 seconds, next due in 56 seconds");
  add_line(out, "  Invalid after 270 seconds, hold down 280, flushed after 630");
  add_line(out, "  Outgoing update filter list for all interfaces is not set");
  add_line(out, "  Incoming update filter list for all interfaces is not set");
  add_line(out, "  Default networks flagged in outgoing updates");
  add_line(out, "  Default networks accepted from incoming updates");
  add_line(out, "  IGRP metric weight K1=1, K2=0, K3=1, K4=0, K5=0");
  add_line(out, "  IGRP maximum hopcount 100");
  add_line(out, "  IGRP maximum metric variance 1");
  add_line(out, "  Redistributing: igrp 100");  // the same number whatever the AS
  append_networks(out, r.protocols.igrp_networks, r.protocols.igrp_network_count);
  add_line(out, "  Routing Information Sources:");
  append_sources(out, r, 'I', kSourceWidth);
  add_line(out, "  Distance: (default is 100)");
}

void append_eigrp(std::string& out, const RouterRecord& r) {
  const std::string as = plain_number(r.protocols.eigrp_process_numbers[1]);
  add_line(out, "Routing Protocol is \"eigrp ", as, "\"");
  add_line(out, "  Outgoing update filter list for all interfaces is");
  add_line(out, "  Incoming update filter list for all interfaces is");
  add_line(out, "  Default networks flagged in outgoing updates");
  add_line(out, "  Default networks accepted from incoming updates");
  add_line(out, "  EIGRP metric weight K1=1, K2=0, K3=1, K4=0, K5=0");
  add_line(out, "  EIGRP maximum hopcount 100");
  add_line(out, "  EIGRP maximum metric variance 1");
  add_line(out, "  Redistributing: eigrp ", as);
  append_networks(out, r.protocols.eigrp_networks, r.protocols.eigrp_network_count);
  add_line(out, "  Routing Information Sources:");
  append_sources(out, r, 'D', kSourceWidth);
  add_line(out, "  Distance: internal 90 external 170");
}

// An OSPF network with its wildcard-bit count ("/8"), or with the hexadecimal form of a wildcard
// that is no plain run of one bits ("  0x5").
void append_ospf_network(std::string& out, const OspfNetworkEntry& n) {
  const bool counted = is_numeric(n.wildcard_bits);
  add_line(out, "    ", n.network, counted ? "/" : "  ", n.wildcard_bits);
}

void append_ospf(std::string& out, const RouterRecord& r) {
  const ProtocolBlock& p = r.protocols;
  const std::string process = plain_number(p.ospf_process_numbers[1]);
  add_line(out, "Routing Protocol is \"ospf ", process, "\"");
  add_line(out, "  Sending updates every 0 seconds");
  add_line(out, "  Invalid after 0 seconds, hold down 0, flushed after 0");
  add_line(out, "  Outgoing update filter list for all interfaces is");
  add_line(out, "  Incoming update filter list for all interfaces is");
  add_line(out, "  Redistributing:   ospf ", process);
  add_line(out, "  Routing for Networks:");
  for (int i = 1; i <= std::clamp<int>(p.ospf_network_count, 0, kMaxOspfNetworks); ++i)
    append_ospf_network(out, p.ospf_networks[i]);
  add_line(out, "  Routing Information Sources:");
  add_line(out, "    Gateway         Distance      Last Update");
  append_sources(out, r, 'O', kOspfSourceWidth);
  out.append("  Distance: (default is 110)");
}

}  // namespace

std::string build_show_ip_protocols(const RouterRecord& r) {
  const ProtocolBlock& p = r.protocols;
  std::string out(kLineEnd);
  if (is_set(p.rip_enabled)) append_rip(out, r);
  if (is_set(p.igrp_enabled)) append_igrp(out, r);
  if (is_set(p.eigrp_enabled)) append_eigrp(out, r);
  if (is_set(p.ospf_enabled)) append_ospf(out, r);
  return out;
}

}  // namespace zorva
