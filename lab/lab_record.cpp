#include "lab/lab_record.h"

#include <algorithm>

#include "base/error_log.h"
#include "base/number_text.h"
#include "network/routing_table.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

using json = nlohmann::ordered_json;

constexpr long long kInt16Low = -32768;
constexpr long long kInt16High = 32767;
constexpr long long kInt32Low = -2147483648LL;
constexpr long long kInt32High = 2147483647LL;

bool on(Flag f) {
  return is_set(f);
}
Flag flag_of(bool b) {
  return b ? kTrue : kFalse;
}
Int16 int16_of(const JsonIn& in, const char* key, Int16 fallback) {
  return static_cast<Int16>(in.whole(key, kInt16Low, kInt16High, fallback));
}

// An address as the router takes it typed: plain dotted text, or another spelling that the
// address check of `ip address` and `ip route` lets through ("+10.1.1.1"), so that every lab the
// program saves opens again.
bool address_accepted(const std::string& text, ErrorLog& log) {
  if (parse_dotted(text)) return true;
  std::string checked = text;
  IpRoutines ip(log);
  return ip.is_ip_valid(checked);
}

// An encapsulation saved under `key`, `fallback` when the key is missing; a file written by hand
// with any other word is refused, since no interface could run it.
Encapsulation encapsulation_of(const JsonIn& in, const char* key, Encapsulation fallback) {
  const std::optional<Encapsulation> e =
      encapsulation_named(in.text(key, std::string(text_of(fallback))));
  if (!e) in.fail(key, "HDLC, PPP, ARPA or ETHERNET was expected");
  return *e;
}

LinkState link_state_of(const JsonIn& in, const char* key, LinkState fallback) {
  const std::optional<LinkState> s = link_state_named(in.text(key, std::string(text_of(fallback))));
  if (!s) in.fail(key, "up or down was expected");
  return *s;
}

// "CHAP", "PAP" or nothing; a lab file naming any other authentication is refused.
PppAuthentication ppp_authentication_of(const JsonIn& in, const char* key,
                                        PppAuthentication fallback) {
  const std::optional<PppAuthentication> a =
      ppp_authentication_named(in.text(key, std::string(text_of(fallback))));
  if (!a) in.fail(key, "CHAP, PAP or nothing was expected");
  return *a;
}

// "simple", "message-digest", "null", or "" for an interface that takes its area's.
const char* ospf_authentication_name(OspfAuthentication a) {
  switch (a) {
    case OspfAuthentication::Simple:
      return "simple";
    case OspfAuthentication::MessageDigest:
      return "message-digest";
    case OspfAuthentication::None:
      return "null";
    case OspfAuthentication::FromArea:
      break;
  }
  return "";
}

OspfAuthentication ospf_authentication_of(const JsonIn& in, const char* key,
                                          OspfAuthentication fallback) {
  const std::string name = in.text(key, ospf_authentication_name(fallback));
  for (OspfAuthentication a : {OspfAuthentication::FromArea, OspfAuthentication::None,
                               OspfAuthentication::Simple, OspfAuthentication::MessageDigest})
    if (name == ospf_authentication_name(a)) return a;
  in.fail(key, "simple, message-digest, null or nothing was expected");
  return fallback;
}

// The interface's OSPF timers and authentication, only those set.
json ospf_settings_to_json(const OspfInterfaceSettings& o) {
  json out = json::object();
  if (o.hello_interval > 0) out["hello_interval"] = o.hello_interval;
  if (o.dead_interval > 0) out["dead_interval"] = o.dead_interval;
  if (o.authentication != OspfAuthentication::FromArea)
    out["authentication"] = ospf_authentication_name(o.authentication);
  if (!o.authentication_key.empty()) out["authentication_key"] = o.authentication_key;
  if (o.md5_key_id > 0) out["message_digest_key"] = {{"id", o.md5_key_id}, {"key", o.md5_key}};
  return out;
}

void ospf_settings_from_json(const JsonIn& in, OspfInterfaceSettings& o) {
  o.hello_interval = static_cast<Int32>(in.whole("hello_interval", 0, 65535, o.hello_interval));
  o.dead_interval = static_cast<Int32>(in.whole("dead_interval", 0, 65535, o.dead_interval));
  o.authentication = ospf_authentication_of(in, "authentication", o.authentication);
  o.authentication_key = in.text("authentication_key", o.authentication_key);
  const JsonIn key = in.object("message_digest_key");
  o.md5_key_id = static_cast<Int16>(key.whole("id", 0, 255, o.md5_key_id));
  o.md5_key = key.text("key", o.md5_key);
}

// A summary address as the file writes it: "172.16.0.0/16".
std::string summary_text(Ipv4 network, Int16 length) {
  return dotted(network) + "/" + std::to_string(length);
}

// A summary address written "172.16.0.0/16" under `key`, when the file has one.
void summary_from_json(const JsonIn& in, const char* key, Ipv4& network, Int16& length) {
  if (!in.has(key)) return;
  const std::string summary = in.text(key, "");
  const std::size_t slash = summary.find('/');
  const std::optional<Ipv4> address = parse_dotted(summary.substr(0, slash));
  if (!address || slash == std::string::npos || !is_numeric(summary.substr(slash + 1)))
    in.fail(key, "a network and length such as 172.16.0.0/16 was expected");
  network = *address;
  length = static_cast<Int16>(std::clamp(leading_number(summary.substr(slash + 1)), 0.0, 32.0));
}

// The real-router interface settings, saved under "real_router" only when one is set, so a classic
// lab is written exactly as before and an older file reads as none set.
json interface_settings_to_json(const InterfaceEntry& e) {
  json out = json::object();
  if (e.clock_rate != 0) out["clock_rate"] = e.clock_rate;
  if (e.bandwidth != 0) out["bandwidth"] = e.bandwidth;
  if (e.delay != 0) out["delay"] = e.delay;
  if (on(e.ospf_cost_configured)) out["ospf_cost_configured"] = true;
  if (on(e.ospf_point_to_point)) out["ospf_point_to_point"] = true;
  if (!e.pap_username.empty() || !e.pap_password.empty())
    out["pap_sent"] = {{"username", e.pap_username}, {"password", e.pap_password}};
  if (!e.chap_hostname.empty()) out["chap_hostname"] = e.chap_hostname;
  if (!e.chap_password.empty()) out["chap_password"] = e.chap_password;
  if (e.rip_summary_length > 0)
    out["rip_summary"] = summary_text(e.rip_summary_network, e.rip_summary_length);
  if (e.eigrp_summary_length > 0) {
    out["eigrp_summary"] = summary_text(e.eigrp_summary_network, e.eigrp_summary_length);
    out["eigrp_summary_as"] = e.eigrp_summary_as;
  }
  if (e.passive_protocols != 0) out["passive_protocols"] = e.passive_protocols;
  if (json ospf = ospf_settings_to_json(e.ospf); !ospf.empty()) out["ospf"] = std::move(ospf);
  return out;
}

void interface_settings_from_json(const JsonIn& in, InterfaceEntry& e) {
  e.clock_rate = static_cast<Int32>(in.whole("clock_rate", 0, kInt32High, e.clock_rate));
  e.bandwidth = static_cast<Int32>(in.whole("bandwidth", 0, kInt32High, e.bandwidth));
  e.delay = static_cast<Int32>(in.whole("delay", 0, kInt32High, e.delay));
  e.ospf_cost_configured = flag_of(in.flag("ospf_cost_configured", on(e.ospf_cost_configured)));
  e.ospf_point_to_point = flag_of(in.flag("ospf_point_to_point", on(e.ospf_point_to_point)));
  const JsonIn pap = in.object("pap_sent");
  e.pap_username = pap.text("username", e.pap_username);
  e.pap_password = pap.text("password", e.pap_password);
  e.chap_hostname = in.text("chap_hostname", e.chap_hostname);
  e.chap_password = in.text("chap_password", e.chap_password);
  summary_from_json(in, "rip_summary", e.rip_summary_network, e.rip_summary_length);
  summary_from_json(in, "eigrp_summary", e.eigrp_summary_network, e.eigrp_summary_length);
  e.eigrp_summary_as =
      static_cast<Int32>(in.whole("eigrp_summary_as", 0, 65535, e.eigrp_summary_as));
  e.passive_protocols =
      static_cast<Int16>(in.whole("passive_protocols", 0, 15, e.passive_protocols));
  ospf_settings_from_json(in.object("ospf"), e.ospf);
}

json interface_to_json(const InterfaceEntry& e) {
  json out = {
      {"name", e.name},
      {"description", e.description},
      {"ip_address", e.ip_address},
      {"subnet_mask", e.subnet_mask},
      {"prefix_length", e.prefix_length},
      {"network_address", e.network_address},
      {"encapsulation", text_of(e.encapsulation)},
      {"encapsulation_shown", text_of(e.encapsulation_shown)},
      {"line_encapsulation", text_of(e.line_encapsulation)},
      {"ppp_authentication", text_of(e.ppp_authentication)},
      {"ospf_cost", e.ospf_cost},
      {"ospf_priority", e.ospf_priority},
      {"shutdown", on(e.shutdown)},
      {"cdp_enable", on(e.cdp_enable)},
      {"mac_address", e.mac_address},
      {"covered_by",
       {{"rip", on(e.rip_state)},
        {"igrp", on(e.igrp_state)},
        {"eigrp", on(e.eigrp_state)},
        {"ospf", on(e.ospf_state)}}},
      {"line",
       {{"status", text_of(e.status)},
        {"line_protocol", text_of(e.line_protocol)},
        {"keepalive_misses", e.keepalive_misses},
        {"keepalive_seen", on(e.keepalive_seen)}}},
  };
  if (json settings = interface_settings_to_json(e); !settings.empty())
    out["real_router"] = std::move(settings);
  return out;
}

void interface_from_json(const JsonIn& in, InterfaceEntry& e, ErrorLog& log) {
  const std::string name = in.text("name", e.name);
  if (name != e.name) in.fail("name", "the topology has " + e.name + " here, not " + name);
  e.description = in.text("description", e.description);
  e.ip_address = in.text("ip_address", e.ip_address);
  e.subnet_mask = in.text("subnet_mask", e.subnet_mask);
  e.prefix_length = static_cast<Int16>(in.whole("prefix_length", 0, 32, e.prefix_length));
  e.network_address = in.text("network_address", e.network_address);
  if (e.network_address.empty()) {
    e.network_value = 0;
  } else if (const auto v = parse_dotted(e.network_address)) {
    e.network_value = *v;
  } else {
    in.fail("network_address", "a dotted address such as 10.1.1.0 was expected");
  }
  if (!e.ip_address.empty() && !address_accepted(e.ip_address, log))
    in.fail("ip_address", "a dotted address such as 10.1.1.1 was expected");
  e.encapsulation = encapsulation_of(in, "encapsulation", e.encapsulation);
  e.encapsulation_shown = encapsulation_of(in, "encapsulation_shown", e.encapsulation_shown);
  e.line_encapsulation = encapsulation_of(in, "line_encapsulation", e.line_encapsulation);
  e.ppp_authentication = ppp_authentication_of(in, "ppp_authentication", e.ppp_authentication);
  e.ospf_cost = int16_of(in, "ospf_cost", e.ospf_cost);
  e.ospf_priority = int16_of(in, "ospf_priority", e.ospf_priority);
  e.shutdown = flag_of(in.flag("shutdown", on(e.shutdown)));
  e.cdp_enable = flag_of(in.flag("cdp_enable", on(e.cdp_enable)));
  e.mac_address = in.text("mac_address", e.mac_address);
  const JsonIn covered = in.object("covered_by");
  e.rip_state = flag_of(covered.flag("rip", on(e.rip_state)));
  e.igrp_state = flag_of(covered.flag("igrp", on(e.igrp_state)));
  e.eigrp_state = flag_of(covered.flag("eigrp", on(e.eigrp_state)));
  e.ospf_state = flag_of(covered.flag("ospf", on(e.ospf_state)));
  const JsonIn line = in.object("line");
  e.status = link_state_of(line, "status", e.status);
  e.line_protocol = link_state_of(line, "line_protocol", e.line_protocol);
  e.keepalive_misses = int16_of(line, "keepalive_misses", e.keepalive_misses);
  e.keepalive_seen = flag_of(line.flag("keepalive_seen", on(e.keepalive_seen)));
  interface_settings_from_json(in.object("real_router"), e);
}

template <std::size_t N>
json network_list(const std::array<std::string, N>& networks, int count) {
  json list = json::array();
  for (int i = 1; i <= std::min<int>(count, static_cast<int>(N) - 1); ++i)
    list.push_back(networks[i]);
  return list;
}

template <std::size_t N>
void networks_from_json(const JsonIn& in, std::array<std::string, N>& networks, Int16& count) {
  const std::vector<std::string> list = in.texts("networks", N - 1, "networks");
  networks = {};
  for (std::size_t i = 0; i < list.size(); ++i) networks[i + 1] = list[i];
  count = static_cast<Int16>(list.size());
}

json protocols_to_json(const ProtocolBlock& p) {
  json ospf_networks = json::array();
  for (int i = 1; i <= std::min<int>(p.ospf_network_count, kMaxOspfNetworks); ++i) {
    const OspfNetworkEntry& n = p.ospf_networks[i];
    ospf_networks.push_back({{"network", n.network},
                             {"wildcard", n.wildcard},
                             {"area", n.area},
                             {"wildcard_bits", n.wildcard_bits}});
  }
  return {
      {"rip",
       {{"enabled", on(p.rip_enabled)},
        {"networks", network_list(p.rip_networks, p.rip_network_count)}}},
      {"igrp",
       {{"enabled", on(p.igrp_enabled)},
        {"process", p.igrp_process_numbers[1]},
        {"networks", network_list(p.igrp_networks, p.igrp_network_count)}}},
      {"eigrp",
       {{"enabled", on(p.eigrp_enabled)},
        {"process", p.eigrp_process_numbers[1]},
        {"networks", network_list(p.eigrp_networks, p.eigrp_network_count)}}},
      {"ospf",
       {{"enabled", on(p.ospf_enabled)},
        {"process", p.ospf_process_numbers[1]},
        {"networks", ospf_networks}}},
  };
}

void protocols_from_json(const JsonIn& in, ProtocolBlock& p) {
  const JsonIn rip = in.object("rip");
  p.rip_enabled = flag_of(rip.flag("enabled", on(p.rip_enabled)));
  networks_from_json(rip, p.rip_networks, p.rip_network_count);
  const JsonIn igrp = in.object("igrp");
  p.igrp_enabled = flag_of(igrp.flag("enabled", on(p.igrp_enabled)));
  p.igrp_process_numbers[1] = int16_of(igrp, "process", p.igrp_process_numbers[1]);
  networks_from_json(igrp, p.igrp_networks, p.igrp_network_count);
  const JsonIn eigrp = in.object("eigrp");
  p.eigrp_enabled = flag_of(eigrp.flag("enabled", on(p.eigrp_enabled)));
  p.eigrp_process_numbers[1] = int16_of(eigrp, "process", p.eigrp_process_numbers[1]);
  networks_from_json(eigrp, p.eigrp_networks, p.eigrp_network_count);
  const JsonIn ospf = in.object("ospf");
  p.ospf_enabled = flag_of(ospf.flag("enabled", on(p.ospf_enabled)));
  p.ospf_process_numbers[1] = int16_of(ospf, "process", p.ospf_process_numbers[1]);
  const std::vector<JsonIn> nets = ospf.objects("networks", kMaxOspfNetworks, "networks");
  p.ospf_networks = {};
  for (std::size_t i = 0; i < nets.size(); ++i) {
    OspfNetworkEntry& n = p.ospf_networks[i + 1];
    n.network = nets[i].text("network", "");
    n.wildcard = nets[i].text("wildcard", "");
    n.area = nets[i].text("area", "");
    n.wildcard_bits = nets[i].text("wildcard_bits", "");
  }
  p.ospf_network_count = static_cast<Int16>(nets.size());
}

json static_routes_to_json(const RouterRecord& r) {
  json list = json::array();
  for (int i = 1; i <= std::min<int>(r.learned_route_count, kMaxRoutes); ++i) {
    const RouteEntry& e = r.learned_routes[i];
    if (e.code != 'S') continue;
    list.push_back({{"network", dotted(e.network)},
                    {"prefix_length", e.prefix_length},
                    {"next_hop", e.interface_address},
                    {"distance", e.distance},
                    {"metric", e.metric},
                    {"interface_index", e.interface_index}});
  }
  return list;
}

void static_routes_from_json(const JsonIn& in, RouterRecord& r, ErrorLog& log) {
  for (const JsonIn& route : in.objects("static_routes", kMaxRoutes, "static routes")) {
    const std::string network = route.text("network", "");
    const auto value = parse_dotted(network);
    if (!value) route.fail("network", "a dotted address such as 192.168.1.0 was expected");
    const std::string next_hop = route.text("next_hop", "");
    if (!address_accepted(next_hop, log))
      route.fail("next_hop", "a dotted address such as 10.1.1.2 was expected");
    const auto length = static_cast<Int16>(route.whole("prefix_length", 0, 32, 0));
    const auto distance = int16_of(route, "distance", 1);
    const auto metric = static_cast<Int32>(route.whole("metric", kInt32Low, kInt32High, 1));
    const auto index = static_cast<Int16>(route.whole("interface_index", 0, kMaxInterfaces, 0));
    update_routes(r, *value, "", length, distance, 'S', metric, next_hop, index, log);
  }
}

// Loopbacks are not in the topology: each saved after the topology's interfaces is created anew
// (the name check of each interface then catches anything else).
void add_saved_loopbacks(const std::vector<JsonIn>& interfaces, RouterRecord& r) {
  constexpr std::string_view kWord = "Loopback";
  for (std::size_t i = static_cast<std::size_t>(r.interface_count); i < interfaces.size(); ++i) {
    const std::string name = interfaces[i].text("name", "");
    const std::string number = name.substr(std::min(name.size(), kWord.size()));
    if (name.rfind(kWord, 0) != 0 || !is_numeric(number) || number.size() > 2) return;
    if (add_loopback(r, static_cast<int>(leading_number(number))) == 0) return;
  }
}

// The names a real router keeps for addresses: "domain_lookup" only when turned off, the domain
// and the host table only when given.
void add_names(json& out, const NameServices& names) {
  if (!on(names.domain_lookup)) out["domain_lookup"] = false;
  if (!names.domain_name.empty()) out["domain_name"] = names.domain_name;
  if (names.hosts.empty()) return;
  json hosts = json::array();
  for (const HostEntry& h : names.hosts)
    hosts.push_back({{"name", h.name}, {"address", h.address}});
  out["hosts"] = std::move(hosts);
}

void names_from_json(const JsonIn& in, NameServices& names) {
  names.domain_lookup = flag_of(in.flag("domain_lookup", on(names.domain_lookup)));
  names.domain_name = in.text("domain_name", names.domain_name);
  const std::vector<JsonIn> hosts = in.objects("hosts", kMaxHosts, "hosts");
  if (!hosts.empty()) names.hosts.clear();
  for (const JsonIn& h : hosts) {
    const std::string address = h.text("address", "");
    if (!parse_dotted(address)) h.fail("address", "a dotted address such as 10.1.1.1 was expected");
    names.hosts.push_back({h.text("name", ""), address});
  }
}

// The real-router router settings (lines, password scrambling, routing options), saved under
// "real_router" only when one differs from a fresh router's.
json router_settings_to_json(const RouterRecord& r) {
  const ProtocolBlock& p = r.protocols;
  json out = json::object();
  if (on(r.password_encryption)) out["password_encryption"] = true;
  if (r.vty_last_line != 4) out["vty_last_line"] = r.vty_last_line;
  const LineSettings fresh;
  json lines = json::array();
  bool lines_set = false;
  for (const LineSettings& l : r.line_settings) {
    lines.push_back({{"exec_timeout",
                      {{"minutes", l.exec_timeout_minutes}, {"seconds", l.exec_timeout_seconds}}},
                     {"logging_synchronous", on(l.logging_synchronous)},
                     {"login", on(l.login)}});
    lines_set = lines_set || l.exec_timeout_minutes != fresh.exec_timeout_minutes ||
                l.exec_timeout_seconds != fresh.exec_timeout_seconds || on(l.logging_synchronous) ||
                on(l.login);
  }
  if (lines_set) out["lines"] = lines;
  if (p.rip_version != 0) out["rip_version"] = p.rip_version;
  if (on(p.rip_no_auto_summary)) out["rip_no_auto_summary"] = true;
  if (on(p.rip_default_originate)) out["rip_default_originate"] = true;
  if (on(p.eigrp_no_auto_summary)) out["eigrp_no_auto_summary"] = true;
  if (on(p.ospf_default_originate)) out["ospf_default_originate"] = true;
  if (!p.ospf_configured_router_id.empty()) out["ospf_router_id"] = p.ospf_configured_router_id;
  if (p.ospf_reference_bandwidth != 100)
    out["ospf_reference_bandwidth"] = p.ospf_reference_bandwidth;
  if (!p.ospf_area_authentication.empty()) {
    json areas = json::array();
    for (const auto& [area, kind] : p.ospf_area_authentication)
      areas.push_back({{"area", area}, {"authentication", ospf_authentication_name(kind)}});
    out["ospf_area_authentication"] = std::move(areas);
  }
  // "maximum-paths" by protocol: {"R": 2, "O": 1}.
  if (!p.maximum_paths.empty()) {
    json paths = json::object();
    for (const auto& [code, n] : p.maximum_paths) paths[std::string(1, code)] = n;
    out["maximum_paths"] = std::move(paths);
  }
  // "redistribute ..." by protocol: {"D": {"static": true, "connected": false, ...}}.
  if (!p.redistribution.empty()) {
    json taken = json::object();
    for (const auto& [code, d] : p.redistribution)
      taken[std::string(1, code)] = {{"static", d.static_routes},
                                     {"connected", d.connected},
                                     {"subnets", d.subnets},
                                     {"metric", d.metric}};
    out["redistribution"] = std::move(taken);
  }
  if (r.timestamps_debug != "uptime") out["timestamps_debug"] = r.timestamps_debug;
  if (r.timestamps_log != "uptime") out["timestamps_log"] = r.timestamps_log;
  add_names(out, r.names);
  return out;
}

void router_settings_from_json(const JsonIn& in, RouterRecord& r) {
  ProtocolBlock& p = r.protocols;
  r.password_encryption = flag_of(in.flag("password_encryption", on(r.password_encryption)));
  r.vty_last_line = static_cast<Int16>(in.whole("vty_last_line", 4, 15, r.vty_last_line));
  const std::vector<JsonIn> lines = in.objects("lines", r.line_settings.size(), "lines");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    LineSettings& l = r.line_settings[i];
    const JsonIn timeouts = lines[i].object("exec_timeout");
    l.exec_timeout_minutes =
        static_cast<Int32>(timeouts.whole("minutes", 0, 35791, l.exec_timeout_minutes));
    l.exec_timeout_seconds =
        static_cast<Int32>(timeouts.whole("seconds", 0, 2147483, l.exec_timeout_seconds));
    l.logging_synchronous =
        flag_of(lines[i].flag("logging_synchronous", on(l.logging_synchronous)));
    l.login = flag_of(lines[i].flag("login", on(l.login)));
  }
  p.rip_version = static_cast<Int16>(in.whole("rip_version", 0, 2, p.rip_version));
  p.rip_no_auto_summary = flag_of(in.flag("rip_no_auto_summary", on(p.rip_no_auto_summary)));
  p.rip_default_originate = flag_of(in.flag("rip_default_originate", on(p.rip_default_originate)));
  p.eigrp_no_auto_summary = flag_of(in.flag("eigrp_no_auto_summary", on(p.eigrp_no_auto_summary)));
  p.ospf_default_originate =
      flag_of(in.flag("ospf_default_originate", on(p.ospf_default_originate)));
  p.ospf_configured_router_id = in.text("ospf_router_id", p.ospf_configured_router_id);
  p.ospf_reference_bandwidth = static_cast<Int32>(
      in.whole("ospf_reference_bandwidth", 1, 4294967, p.ospf_reference_bandwidth));
  if (in.has("ospf_area_authentication")) {
    p.ospf_area_authentication.clear();
    for (const JsonIn& a : in.objects("ospf_area_authentication", 64, "areas")) {
      const auto area = static_cast<Int32>(a.whole("area", 0, kInt32High, 0));
      const OspfAuthentication kind =
          ospf_authentication_of(a, "authentication", OspfAuthentication::Simple);
      if (kind != OspfAuthentication::Simple && kind != OspfAuthentication::MessageDigest)
        a.fail("authentication", "simple or message-digest was expected");
      p.ospf_area_authentication[area] = kind;
    }
  }
  const JsonIn paths = in.object("maximum_paths");
  for (const char code : {'R', 'I', 'D', 'O'}) {
    const std::string key(1, code);
    if (paths.has(key.c_str()))
      p.maximum_paths[code] = static_cast<Int16>(paths.whole(key.c_str(), 1, 6, 4));
  }
  const JsonIn taken = in.object("redistribution");
  for (const char code : {'R', 'D', 'O'}) {
    const std::string key(1, code);
    if (!taken.has(key.c_str())) continue;
    const JsonIn d = taken.object(key.c_str());
    Redistribution& into = p.redistribution[code];
    into.static_routes = d.flag("static", false);
    into.connected = d.flag("connected", false);
    into.subnets = d.flag("subnets", false);
    into.metric = static_cast<Int32>(d.whole("metric", 0, 16, 0));
  }
  r.timestamps_debug = in.text("timestamps_debug", r.timestamps_debug);
  r.timestamps_log = in.text("timestamps_log", r.timestamps_log);
  names_from_json(in, r.names);
}

}  // namespace

json router_to_json(const Router& router, bool with_transcript) {
  const RouterRecord& r = router.record;
  json users = json::array();
  for (int i = 1; i <= std::min<int>(r.username_count, kMaxUsers); ++i) {
    json user = {{"name", r.usernames[i]}, {"password", r.user_passwords[i]}};
    // A real router's privilege and secret, only where given.
    if (r.user_privileges[i] > 0) user["privilege"] = r.user_privileges[i];
    if (on(r.user_secrets[i])) user["secret"] = true;
    users.push_back(std::move(user));
  }
  json interfaces = json::array();
  for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
    interfaces.push_back(interface_to_json(r.interfaces[i]));
  json out = {
      {"number", router.number},
      {"hostname", r.hostname},
      {"enable_password", r.enable_password},
      {"enable_secret", r.enable_secret},
      {"console_password", r.console_password},
      {"vty_password", r.vty_password},
      {"aux_password", r.aux_password},
      {"users", users},
      {"banner_motd", r.banner_motd},
      {"config_register", r.config_register},
      {"history_size", {{"exec", r.history.exec_size}, {"config", r.history.config_size}}},
      {"cdp",
       {{"run", on(r.cdp_run)},
        {"timer", r.cdp_timer},
        {"holdtime", r.cdp_holdtime},
        {"advertise_v2", on(r.cdp_advertise_v2)}}},
      {"ospf_router_id", r.ospf_router_id},
      {"interfaces", interfaces},
      {"routing", protocols_to_json(r.protocols)},
      {"static_routes", static_routes_to_json(r)},
      {"startup_config", r.startup_config},
  };
  if (json settings = router_settings_to_json(r); !settings.empty())
    out["real_router"] = std::move(settings);
  if (with_transcript) out["transcript"] = router.console.transcript();
  return out;
}

void router_from_json(const JsonIn& in, Router& router, ErrorLog& log) {
  RouterRecord& r = router.record;
  const long long number = in.whole("number", router.number, router.number, router.number);
  (void)number;
  r.hostname = in.text("hostname", r.hostname);
  r.enable_password = in.text("enable_password", r.enable_password);
  r.enable_secret = in.text("enable_secret", r.enable_secret);
  r.console_password = in.text("console_password", r.console_password);
  r.vty_password = in.text("vty_password", r.vty_password);
  r.aux_password = in.text("aux_password", r.aux_password);
  const std::vector<JsonIn> users = in.objects("users", kMaxUsers, "users");
  for (std::size_t i = 0; i < users.size(); ++i) {
    r.usernames[i + 1] = users[i].text("name", "");
    r.user_passwords[i + 1] = users[i].text("password", "");
    r.user_privileges[i + 1] = static_cast<Int16>(users[i].whole("privilege", 0, 15, 0));
    r.user_secrets[i + 1] = flag_of(users[i].flag("secret", false));
  }
  if (in.has("users")) r.username_count = static_cast<Int16>(users.size());
  r.banner_motd = in.text("banner_motd", r.banner_motd);
  r.config_register = in.text("config_register", r.config_register);
  const JsonIn history = in.object("history_size");
  r.history.exec_size =
      static_cast<Int16>(history.whole("exec", 0, kHistorySlots, r.history.exec_size));
  r.history.config_size =
      static_cast<Int16>(history.whole("config", 0, kHistorySlots, r.history.config_size));
  const JsonIn cdp = in.object("cdp");
  r.cdp_run = flag_of(cdp.flag("run", on(r.cdp_run)));
  r.cdp_timer = static_cast<Int32>(cdp.whole("timer", kInt32Low, kInt32High, r.cdp_timer));
  r.cdp_holdtime = static_cast<Int32>(cdp.whole("holdtime", kInt32Low, kInt32High, r.cdp_holdtime));
  r.cdp_advertise_v2 = flag_of(cdp.flag("advertise_v2", on(r.cdp_advertise_v2)));
  r.ospf_router_id = in.text("ospf_router_id", r.ospf_router_id);

  const std::vector<JsonIn> interfaces = in.objects("interfaces", kMaxInterfaces, "interfaces");
  add_saved_loopbacks(interfaces, r);
  if (in.has("interfaces") && static_cast<int>(interfaces.size()) != r.interface_count)
    in.fail("interfaces", "the topology gives this router " + std::to_string(r.interface_count) +
                              " interfaces, the file " + std::to_string(interfaces.size()));
  for (std::size_t i = 0; i < interfaces.size(); ++i)
    interface_from_json(interfaces[i], r.interfaces[i + 1], log);

  protocols_from_json(in.object("routing"), r.protocols);
  router_settings_from_json(in.object("real_router"), r);
  static_routes_from_json(in, r, log);
  Routes_For_Connected_Interfaces(r, log);
  r.startup_config = in.text("startup_config", r.startup_config);
  // A saved transcript begins with the screen every console starts with, which the console
  // already shows.
  if (in.has("transcript")) {
    const std::string saved = in.text("transcript", "");
    const std::string& shown = router.console.transcript();
    router.console.append(saved.rfind(shown, 0) == 0 ? saved.substr(shown.size()) : saved);
  }
}

}  // namespace zorva
