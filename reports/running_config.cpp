// The running configuration report, built line by line from the record.
#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/display_name.h"
#include "reports/password_scramble.h"
#include "reports/real_router_config.h"
#include "reports/report_text.h"
#include "reports/reports.h"
#include "reports/show_commands.h"
#include "state/ipv4.h"
#include "state/route_metrics.h"
#include "state/router_record.h"

namespace zorva {

namespace {

// The number of entries 1..count that exist in a list of `capacity` entries.
int entries_in_use(int count, int capacity) {
  return std::clamp(count, 0, capacity);
}

// A password as the configuration shows it: scrambled ("7 ...") once a real router's
// service password-encryption is on, else as typed.
std::string shown_password(const RouterRecord& r, bool real, const std::string& password) {
  return real && is_set(r.password_encryption) ? "7 " + scramble_password(password) : password;
}

// A real router's secret with its type: "0 TEXT" in clear, "7 ..." once encryption is on.
std::string typed_secret(const RouterRecord& r, const std::string& secret) {
  return is_set(r.password_encryption) ? shown_password(r, true, secret) : "0 " + secret;
}

// "username NAME password PASS"; a real router's also with its privilege, and a secret hashed.
void add_user(std::string& out, const RouterRecord& r, int i, bool real) {
  out.append("username ").append(r.usernames[static_cast<std::size_t>(i)]);
  const std::size_t at = static_cast<std::size_t>(i);
  if (real && r.user_privileges[at] > 0)
    out.append(" privilege ").append(plain_number(r.user_privileges[at]));
  const std::string& password = r.user_passwords[at];
  if (real && is_set(r.user_secrets[at]))
    add_line(out, " secret 5 ", transform_secret(password).value_or(password));
  else if (real && !is_set(r.password_encryption))
    add_line(out, " password 0 ", password);  // a real router names the cleartext type
  else
    add_line(out, " password ", shown_password(r, real, password));
}

// A real router's name settings, under `ip subnet-zero`: lookup when turned off, the domain, then
// the host table in the order it was given.
void add_name_lines(std::string& out, const NameServices& names) {
  if (!is_set(names.domain_lookup)) add_line(out, "no ip domain-lookup");
  if (!names.domain_name.empty()) add_line(out, "ip domain-name ", names.domain_name);
  for (const HostEntry& h : names.hosts) add_line(out, "ip host " + h.name + " ", h.address);
}

// Real routers write "version" and "end" in lower case, the networks of RIP, IGRP and EIGRP with
// the word `network`, a serial interface's clock rate, and a banner between its ^C marks; the
// byte count is added by the caller, which knows the size.
void add_header(std::string& out, const RouterRecord& r, bool real) {
  out.append(kLineEnd);
  if (!real) add_line(out, "Current configuration : 677 bytes");
  add_line(out, "!");
  add_line(out, real ? "version 12.1" : "Version 12.1");
  add_line(out, "service timestamps debug ", real ? r.timestamps_debug : "uptime");
  add_line(out, "service timestamps log ", real ? r.timestamps_log : "uptime");
  add_line(out, real && is_set(r.password_encryption) ? "service password-encryption"
                                                      : "no service password-encryption");
  add_line(out, "!");
  add_line(out, "hostname ", r.hostname);
  if (!r.enable_secret.empty()) add_line(out, "enable secret 5 ", r.enable_secret);
  if (!r.enable_password.empty())
    add_line(out, "enable password ", shown_password(r, real, r.enable_password));
  const int users = entries_in_use(r.username_count, kMaxUsers);
  if (users > 0) {
    add_line(out, "!");
    for (int i = 1; i <= users; ++i) add_user(out, r, i, real);
  }
  for (int i = 0; i < 4; ++i) add_line(out, "!");
  add_line(out, "ip subnet-zero");
  if (real) add_name_lines(out, r.names);
}

// The OSPF lines show only on an up interface with an address while OSPF runs, and only when the
// value differs from a default.
void add_ospf_lines(std::string& out, const InterfaceEntry& e, bool ospf_on, bool real) {
  if (e.line_protocol != LinkState::Up || e.ip_address.empty() || !ospf_on) return;
  // A real router shows the cost only where `ip ospf cost` set it.
  if (real ? is_set(e.ospf_cost_configured) : e.ospf_cost != 10 && e.ospf_cost != 64)
    add_line(out, " ip ospf cost ", plain_number(e.ospf_cost));
  if (e.ospf_priority != 1) add_line(out, " ip ospf priority ", plain_number(e.ospf_priority));
}

// A real router's `ip ospf` authentication and timers on an interface, keys scrambled as the
// passwords are.
void add_real_ospf_lines(std::string& out, const RouterRecord& r, const InterfaceEntry& e) {
  const OspfInterfaceSettings& o = e.ospf;
  switch (o.authentication) {
    case OspfAuthentication::Simple:
      add_line(out, " ip ospf authentication");
      break;
    case OspfAuthentication::MessageDigest:
      add_line(out, " ip ospf authentication message-digest");
      break;
    case OspfAuthentication::None:
      add_line(out, " ip ospf authentication null");
      break;
    case OspfAuthentication::FromArea:
      break;
  }
  if (!o.authentication_key.empty())
    add_line(out, " ip ospf authentication-key ", shown_password(r, true, o.authentication_key));
  if (o.md5_key_id > 0)
    add_line(out, " ip ospf message-digest-key ", plain_number(o.md5_key_id), " md5 ",
             shown_password(r, true, o.md5_key));
  if (o.hello_interval > 0)
    add_line(out, " ip ospf hello-interval ", plain_number(o.hello_interval));
  if (o.dead_interval > 0) add_line(out, " ip ospf dead-interval ", plain_number(o.dead_interval));
}

void add_interface(std::string& out, const RouterRecord& r, DisplayName name,
                   const InterfaceEntry& e, bool ospf_on, bool real) {
  add_line(out, "!");
  out.append("interface ");
  append_display_name(out, name);
  out.append(kLineEnd);
  if (!e.description.empty()) add_line(out, " description ", e.description);
  if (real && e.bandwidth > 0) add_line(out, " bandwidth ", std::to_string(e.bandwidth));
  if (real && e.delay > 0) add_line(out, " delay ", std::to_string(e.delay));
  if (!e.ip_address.empty()) {
    add_line(out, " ip address ", e.ip_address, " ", e.subnet_mask);
  } else {
    add_line(out, " no ip address");
  }
  add_line(out, " no ip directed-broadcast");
  if (real && e.rip_summary_length > 0)
    add_line(out, " ip summary-address rip ", dotted(e.rip_summary_network), " ",
             dotted(mask_for_length(e.rip_summary_length)));
  if (real && e.eigrp_summary_length > 0)
    add_line(out, " ip summary-address eigrp ", plain_number(e.eigrp_summary_as), " ",
             dotted(e.eigrp_summary_network), " ", dotted(mask_for_length(e.eigrp_summary_length)));
  add_ospf_lines(out, e, ospf_on, real);
  if (real && is_set(e.ospf_point_to_point)) add_line(out, " ip ospf network point-to-point");
  if (real) add_real_ospf_lines(out, r, e);
  if (e.encapsulation == Encapsulation::Ppp) add_line(out, " encapsulation ppp");
  if (e.ppp_authentication != PppAuthentication::None)
    add_line(out, " ppp authentication ", to_lower(std::string(text_of(e.ppp_authentication))));
  if (real && !e.chap_hostname.empty()) add_line(out, " ppp chap hostname ", e.chap_hostname);
  if (real && !e.chap_password.empty())
    add_line(out, " ppp chap password ", typed_secret(r, e.chap_password));
  if (real && !e.pap_username.empty())
    add_line(out, " ppp pap sent-username ", e.pap_username, " password ",
             typed_secret(r, e.pap_password));
  if (real && e.clock_rate > 0) add_line(out, " clock rate ", std::to_string(e.clock_rate));
  if (is_set(e.shutdown)) add_line(out, " shutdown");
}

// `area N authentication [message-digest]`, one line per area, before the network statements.
void add_area_authentication(std::string& out, const ProtocolBlock& p) {
  for (const auto& [area, kind] : p.ospf_area_authentication)
    add_line(out, " area ", plain_number(area), " authentication",
             kind == OspfAuthentication::MessageDigest ? " message-digest" : "");
}

// The interfaces a real router's process does not send updates on; `bit` is the process's.
void add_passive_interfaces(std::string& out, const RouterRecord& r, int bit) {
  DisplayNamer namer;
  for (int i = 1; i <= entries_in_use(r.interface_count, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const DisplayName name = namer.next(e);
    if ((e.passive_protocols & bit) == 0) continue;
    out.append(" passive-interface ");
    append_display_name(out, name);
    out.append(kLineEnd);
  }
}

template <std::size_t N>
void add_classful_networks(std::string& out, const std::array<std::string, N>& networks, int count,
                           bool real) {
  const int n = entries_in_use(count, static_cast<int>(N) - 1);
  for (int i = 1; i <= n; ++i) add_line(out, real ? " network " : " ", networks[i]);
}

// A real router's `maximum-paths`, where it differs from the four a protocol keeps unasked.
void add_maximum_paths(std::string& out, const ProtocolBlock& p, char code) {
  const Int16 paths = equal_paths_kept(p, code);
  if (paths != kDefaultEqualPaths) add_line(out, " maximum-paths ", plain_number(paths));
}

// A real router's `redistribute` lines for the process whose routes carry `code`.
void add_redistribution(std::string& out, const ProtocolBlock& p, char code) {
  const auto it = p.redistribution.find(code);
  if (it == p.redistribution.end()) return;
  const Redistribution& d = it->second;
  const std::string options = (d.metric > 0 ? " metric " + plain_number(d.metric) : "") +
                              std::string(d.subnets ? " subnets" : "");
  if (d.connected) add_line(out, " redistribute connected", options);
  if (d.static_routes) add_line(out, " redistribute static", options);
}

// Bits of InterfaceEntry::passive_protocols, in the order of the routing modes.
constexpr int kPassiveRip = 1;
constexpr int kPassiveIgrp = 2;
constexpr int kPassiveEigrp = 4;
constexpr int kPassiveOspf = 8;

void add_routing(std::string& out, const RouterRecord& r, bool real) {
  const ProtocolBlock& p = r.protocols;
  if (is_set(p.rip_enabled)) {
    add_line(out, "!");
    add_line(out, "router rip");
    if (real && p.rip_version != 0) add_line(out, " version ", plain_number(p.rip_version));
    if (real) add_redistribution(out, p, 'R');
    if (real) add_passive_interfaces(out, r, kPassiveRip);
    add_classful_networks(out, p.rip_networks, p.rip_network_count, real);
    if (real && is_set(p.rip_default_originate)) add_line(out, " default-information originate");
    if (real && is_set(p.rip_no_auto_summary)) add_line(out, " no auto-summary");
    if (real) add_maximum_paths(out, p, 'R');
  }
  if (is_set(p.igrp_enabled)) {
    add_line(out, "!");
    add_line(out, "router igrp ", plain_number(p.igrp_process_numbers[1]));
    if (real) add_passive_interfaces(out, r, kPassiveIgrp);
    add_classful_networks(out, p.igrp_networks, p.igrp_network_count, real);
    if (real) add_maximum_paths(out, p, 'I');
  }
  if (is_set(p.eigrp_enabled)) {
    add_line(out, "!");
    add_line(out, "router eigrp ", plain_number(p.eigrp_process_numbers[1]));
    if (real) add_redistribution(out, p, 'D');
    if (real) add_passive_interfaces(out, r, kPassiveEigrp);
    add_classful_networks(out, p.eigrp_networks, p.eigrp_network_count, real);
    if (real && is_set(p.eigrp_no_auto_summary)) add_line(out, " no auto-summary");
    if (real) add_maximum_paths(out, p, 'D');
  }
  if (is_set(p.ospf_enabled)) {
    add_line(out, "!");
    add_line(out, "router ospf ", plain_number(p.ospf_process_numbers[1]));
    if (real && !p.ospf_configured_router_id.empty())
      add_line(out, " router-id ", p.ospf_configured_router_id);
    if (real && p.ospf_reference_bandwidth != 100)
      add_line(out, " auto-cost reference-bandwidth ", plain_number(p.ospf_reference_bandwidth));
    if (real) add_redistribution(out, p, 'O');
    if (real) add_passive_interfaces(out, r, kPassiveOspf);
    if (real) add_area_authentication(out, p);
    const int n = entries_in_use(p.ospf_network_count, kMaxOspfNetworks);
    for (int i = 1; i <= n; ++i) {
      const OspfNetworkEntry& net = p.ospf_networks[i];
      add_line(out, " network ", net.network, " ", net.wildcard, " area ", net.area);
    }
    if (real && is_set(p.ospf_default_originate)) add_line(out, " default-information originate");
    if (real) add_maximum_paths(out, p, 'O');
  }
}

// A real router's static routes as typed: network, mask, next hop or exit interface, and a
// distance other than 1.
void add_static_routes(std::string& out, const RouterRecord& r) {
  for (int k = 1; k <= entries_in_use(r.learned_route_count, kMaxRoutes); ++k) {
    const RouteEntry& s = r.learned_routes[k];
    if (s.code != 'S') continue;
    const Ipv4 mask =
        s.prefix_length <= 0 ? 0 : ~Ipv4{0} << (32 - std::min<int>(s.prefix_length, 32));
    out.append("ip route ").append(dotted(s.network)).append(" ").append(dotted(mask)).append(" ");
    out.append(s.interface_name.empty() ? dotted(s.next_hop) : s.interface_name);
    if (s.distance != 1) out.append(" ").append(std::to_string(s.distance));
    out.append(kLineEnd);
  }
}

void add_cdp(std::string& out, const RouterRecord& r) {
  if (!is_set(r.cdp_advertise_v2)) add_line(out, "no cdp advertise-v2");
  if (r.cdp_holdtime != 180) add_line(out, "cdp holdtime", number_with_blank(r.cdp_holdtime));
  if (r.cdp_timer != 60) add_line(out, "cdp timer", number_with_blank(r.cdp_timer));
  if (!is_set(r.cdp_run)) add_line(out, "no cdp run");
}

void add_banner(std::string& out, const std::string& banner, bool real) {
  if (!real) {
    add_line(out, "banner motd ^C");
    add_line(out, banner, "^C");
  } else if (banner.find('\n') == std::string::npos) {
    add_line(out, "banner motd ^C", banner, "^C");
  } else {
    add_line(out, "banner motd ^C");
    add_line(out, banner);
    add_line(out, "^C");
  }
}

// One terminal line's settings in a real router's order: exec-timeout, password, logging
// synchronous, login. Classic shows the password alone.
void add_line_settings(std::string& out, const RouterRecord& r, bool real, TerminalLine line,
                       const std::string& password) {
  const LineSettings& s = r.line_settings[static_cast<std::size_t>(line)];
  if (real && (s.exec_timeout_minutes != 10 || s.exec_timeout_seconds != 0))
    add_line(out, " exec-timeout ", std::to_string(s.exec_timeout_minutes), " ",
             std::to_string(s.exec_timeout_seconds));
  if (!password.empty()) add_line(out, " password ", shown_password(r, real, password));
  if (real && is_set(s.logging_synchronous)) add_line(out, " logging synchronous");
  if (real && is_set(s.login)) add_line(out, " login");
}

void add_lines_and_end(std::string& out, const RouterRecord& r, bool real) {
  if (!r.banner_motd.empty()) add_banner(out, r.banner_motd, real);
  add_line(out, "line con 0");
  add_line(out, " transport input none");
  add_line_settings(out, r, real, TerminalLine::Console, r.console_password);
  add_line(out, "line aux 0");
  add_line_settings(out, r, real, TerminalLine::Aux, r.aux_password);
  add_line(out, "line vty 0 4");
  add_line_settings(out, r, real, TerminalLine::Vty, r.vty_password);
  // `line vty 0 15` configured the sixteen lines alike: the rest are listed as their own group.
  if (real && r.vty_last_line > 4) {
    add_line(out, "line vty 5 ", std::to_string(r.vty_last_line));
    add_line_settings(out, r, real, TerminalLine::Vty, r.vty_password);
  }
  add_line(out, "!");
  add_line(out, "no scheduler allocate");
  add_line(out, real ? "end" : "End");
}

std::string configuration_text(const RouterRecord& r, bool real) {
  const int interfaces = entries_in_use(r.interface_count, kMaxInterfaces);
  std::string out;
  out.reserve(1024 + 160 * static_cast<std::size_t>(interfaces) + r.banner_motd.size());
  add_header(out, r, real);
  DisplayNamer namer;
  const bool ospf_on = is_set(r.protocols.ospf_enabled);
  // Loopbacks come first, as a real router lists them; classic has none.
  for (const bool loopbacks : {true, false}) {
    for (int i = 1; i <= interfaces; ++i) {
      const InterfaceEntry& e = r.interfaces[i];
      if ((e.type == InterfaceType::Loopback) == loopbacks)
        add_interface(out, r, namer.next(e), e, ospf_on, real);
    }
  }
  add_routing(out, r, real);
  add_line(out, "!");
  add_line(out, "ip classless");
  if (real) add_static_routes(out, r);
  add_line(out, "no ip http server");
  add_line(out, "!");
  add_cdp(out, r);
  add_line(out, "!");
  add_lines_and_end(out, r, real);
  return out;
}

}  // namespace

std::string build_running_config(const RouterRecord& r) {
  return configuration_text(r, false);
}

std::string build_real_router_config(const RouterRecord& r) {
  return configuration_text(r, true).substr(kLineEnd.size());  // "!" comes first
}

// What `show running-config` prints before a configuration text: its size in bytes.
std::string with_byte_count(const std::string& text) {
  return "\r\nBuilding configuration...\r\n\r\nCurrent configuration : " +
         std::to_string(text.size()) + " bytes\r\n" + text;
}

std::string show_real_router_running_config(const RouterRecord& r) {
  return with_byte_count(build_real_router_config(r));
}

std::string show_real_router_startup_config(const std::string& saved) {
  return "\r\nUsing " + std::to_string(saved.size()) + " out of 32762 bytes\r\n" + saved;
}

std::string show_real_router_interface_config(const RouterRecord& r, const std::string& name) {
  const std::string text = build_real_router_config(r);
  // Every line of the configuration follows a line end, the first "!" aside.
  const std::size_t found = text.find("\r\ninterface " + name + "\r\n");
  if (found == std::string::npos) return "\r\n% Invalid interface type and number\r\n";
  const std::size_t start = found + kLineEnd.size();
  const std::size_t end = text.find("\r\n!", start);  // the block runs to the next "!" line
  return with_byte_count("!\r\n" + text.substr(start, end + kLineEnd.size() - start) + "end\r\n");
}

void show_running_config_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  r.output_pending = kTrue;
  if (cmd.behaviour == Behaviour::RealRouter &&
      to_lower(trim(cmd.pc.FullWords[3])) == "interface") {
    r.output_buffer = show_real_router_interface_config(r, interface_named_on_line(cmd.pc, 4));
    return;
  }
  r.output_buffer = cmd.behaviour == Behaviour::RealRouter ? show_real_router_running_config(r)
                                                           : build_running_config(r);
}

void show_startup_config_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  r.output_pending = kTrue;
  const bool real = cmd.behaviour == Behaviour::RealRouter;
  // A real router prints the message on a line of its own; classic runs it on from the prompt.
  constexpr std::string_view kNothingSaved =
      "%% Non-volatile configuration memory is not present\r\n";
  if (r.startup_config.empty())
    r.output_buffer = (real ? "\r\n" : "") + std::string(kNothingSaved);
  else
    r.output_buffer = real ? show_real_router_startup_config(r.startup_config) : r.startup_config;
}

}  // namespace zorva
