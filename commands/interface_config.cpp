// Interface selection and the interface configuration commands.
#include "commands/interface_config.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>
#include <vector>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/number_text.h"
#include "commands/command_support.h"
#include "commands/real_router_settings.h"
#include "parser/command_context.h"
#include "reports/password_scramble.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kIpAddressLogName = "ip address set interface()";
constexpr std::string_view kInvalidCommand = "\r\nInvalid Command";

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

InterfaceType type_of_name(const std::string& name) {
  const char first =
      name.empty() ? ' '
                   : static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
  switch (first) {
    case 'E':
      return InterfaceType::Ethernet;
    case 'B':
      return InterfaceType::Bri;
    case 'S':
      return InterfaceType::Serial;
    default:
      return InterfaceType::None;
  }
}

int mode_for_type(InterfaceType type) {
  if (type == InterfaceType::Ethernet) return kModeEthernet;
  if (type == InterfaceType::Serial) return kModeSerial;
  return kModeBri;
}

void print_incomplete(RouterRecord& r) {
  set_output(r, std::string(kCrLf) + std::string(kIncompleteText));
}

void shut_down(CommandContext& cmd, InterfaceEntry& e) {
  if (is_set(e.shutdown)) return;
  e.shutdown = kTrue;
  std::string message =
      "\r\n%LINK-5-CHANGED: Interface " + e.name + ", changed state to administratively down";
  // A real router takes the line down at once; its routes leave after the command.
  if (cmd.behaviour == Behaviour::RealRouter && e.status == LinkState::Up) {
    e.status = e.line_protocol = LinkState::Down;
    message +=
        "\r\n%LINEPROTO-5-UPDOWN: Line protocol on Interface " + e.name + ", changed state to down";
  }
  set_output(cmd.router, message);
}

void bring_up(CommandContext& cmd, InterfaceEntry& e) {
  if (!is_set(e.shutdown)) return;
  // A real router's serial line protocol comes up at a later layer-2 tick, once the line has a
  // clock and a keepalive from the far end has crossed it: one tick is counted as missed already.
  const bool wait_for_line =
      cmd.behaviour == Behaviour::RealRouter && e.type == InterfaceType::Serial;
  e.keepalive_misses = wait_for_line ? 1 : 0;
  e.shutdown = kFalse;
  e.status = LinkState::Up;
  // A real router's PPP line protocol waits for the far end to accept it (and it the far end).
  const bool ppp_waits =
      cmd.behaviour == Behaviour::RealRouter && e.line_encapsulation == Encapsulation::Ppp;
  e.line_protocol = wait_for_line || ppp_waits ? LinkState::Down : LinkState::Up;
  set_output(cmd.router, "\r\n%LINK-3-UPDOWN: Interface " + e.name + ", changed state to up");
}

bool is_real_router_no(const CommandContext& cmd) {
  return cmd.behaviour == Behaviour::RealRouter && is_set(cmd.pc.Negated);
}

void set_encapsulation(InterfaceEntry& e, Encapsulation kind) {
  e.line_encapsulation = kind;
  e.encapsulation_shown = kind;
  e.encapsulation = kind;
}

// `ppp pap sent-username NAME password [0] SECRET`, read from the typed line: the name and the
// secret are the words after the keywords, whatever their abbreviations.
void set_pap_sent_username(CommandContext& cmd, InterfaceEntry& e) {
  std::vector<std::string> words;
  std::istringstream in(cmd.pc.Line);
  for (std::string w; in >> w;) words.push_back(w);
  std::size_t at = 0;
  while (at < words.size() && to_lower(words[at]).rfind("sent", 0) != 0) ++at;
  e.pap_username.clear();
  e.pap_password.clear();
  if (is_set(cmd.pc.Negated) || at + 1 >= words.size()) return;
  e.pap_username = words[at + 1];
  const std::size_t secret = at + 3;  // after NAME and "password"
  if (secret >= words.size()) return;
  // "0 TEXT" is the secret in clear, "7 SCRAMBLED" as the configuration shows it encrypted.
  const std::string& rest = secret + 1 < words.size() ? words[secret + 1] : std::string();
  if (words[secret] == "7" && !rest.empty())
    e.pap_password = unscramble_password(rest).value_or(rest);
  else
    e.pap_password = words[secret] == "0" && !rest.empty() ? rest : words[secret];
}

// `ppp chap hostname NAME` and `ppp chap password [0|7] SECRET`: the name this end answers a
// challenge with, and the secret it answers with when it holds no user for the challenger.
void set_chap_parameter(CommandContext& cmd, InterfaceEntry& e) {
  const bool off = is_set(cmd.pc.Negated);
  if (full_word(cmd.pc, 3) == "hostname")
    e.chap_hostname = off ? "" : raw_word(cmd.pc, 4);
  else if (full_word(cmd.pc, 3) == "password")
    e.chap_password = off ? "" : typed_password(cmd, 4);
}

// `ppp authentication chap|pap`, `ppp pap sent-username ...` and `ppp chap ...`; `no` undoes each.
void real_ppp_command(CommandContext& cmd) {
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  const std::string second = full_word(cmd.pc, 2);
  if (second == "pap") {
    set_pap_sent_username(cmd, *e);
    return;
  }
  if (second == "chap") {
    set_chap_parameter(cmd, *e);
    return;
  }
  if (second != "authentication") return;
  // With two methods (`chap pap`) the link authenticates by the first, which both ends of a lab's
  // link name alike.
  const std::string method = full_word(cmd.pc, 3);
  if (is_set(cmd.pc.Negated))
    e->ppp_authentication = PppAuthentication::None;
  else if (method == "chap")
    e->ppp_authentication = PppAuthentication::Chap;
  else if (method == "pap")
    e->ppp_authentication = PppAuthentication::Pap;
}

}  // namespace

InterfaceLookup parse_interface(CommandContext& cmd, const std::string& name,
                                const std::string& second) {
  InterfaceLookup result;
  bool valid = false;
  if (!name.empty() && is_digit(name.back())) {
    valid = true;
    result.number = name.back() - '0';
  } else if (is_numeric(second)) {
    valid = true;
    result.number = leading_number(second);
  }
  const std::string last_two = name.substr(name.size() < 2 ? 0 : name.size() - 2);
  if (is_numeric(last_two)) valid = false;
  RouterRecord& r = cmd.router;
  if (!valid) {
    set_output(r, std::string(kInvalidCommand));
    return result;
  }
  result.type = type_of_name(name);
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  for (int i = 1; i <= count; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.type == result.type && is_numeric(e.number) &&
        leading_number(e.number) == result.number) {
      result.found = true;
      result.index = i;
    }
  }
  if (!result.found) {
    set_output(r, cmd.behaviour == Behaviour::RealRouter
                      ? std::string(kCrLf) + std::string(kInvalidInterfaceText)
                      : std::string(kInvalidCommand));
  }
  return result;
}

namespace {

// A real router's loopback takes a host address (mask 255.255.255.255), which the mask table of
// the other interfaces does not hold. True when the address was set that way.
bool set_loopback_host_address(CommandContext& cmd, const std::string& address,
                               const std::string& mask) {
  if (cmd.behaviour != Behaviour::RealRouter || trim(mask) != "255.255.255.255") return false;
  InterfaceEntry* e = selected_interface(cmd, kIpAddressLogName);
  const std::optional<Ipv4> value = parse_dotted(trim(address));
  if (e == nullptr || e->type != InterfaceType::Loopback || !value) return false;
  e->ip_address = trim(address);
  e->subnet_mask = trim(mask);
  e->prefix_length = 32;
  e->network_value = *value;
  e->network_address = e->ip_address;
  return true;
}

}  // namespace

void ip_address_set_interface(CommandContext& cmd, std::string& address, std::string& mask) {
  if (set_loopback_host_address(cmd, address, mask)) return;
  RouterRecord& r = cmd.router;
  if (trim(mask).empty() || !cmd.ip.is_ip_valid(address)) {
    print_incomplete(r);
    return;
  }
  const double address_value = cmd.ip.last_address_value;
  if (!cmd.ip.is_mask_valid(mask)) {
    print_incomplete(r);
    return;
  }
  InterfaceEntry* e = selected_interface(cmd, kIpAddressLogName);
  if (e == nullptr) return;
  cmd.ip.create_subnet_slash(mask, *e);
  e->ip_address = address;
  e->subnet_mask = mask;
  const double network =
      cmd.ip.boolean_and(address_value, cmd.ip.converted_dotted_decimal_to_integer(mask));
  e->network_value = static_cast<Ipv4>(network);
  e->network_address = cmd.ip.integer_to_dotted_decimal(network);
}

namespace {

// `interface loopback N` creates LoopbackN if it is new and selects it; `no interface loopback N`
// removes it (leaving its configuration mode if the console stood in it).
void loopback_command(CommandContext& cmd, int number) {
  RouterRecord& r = cmd.router;
  if (is_set(cmd.pc.Negated)) {
    const int selected = r.mode == kModeEthernet ? r.cur_if_index : 0;
    const bool was_selected = selected >= 1 && selected <= r.interface_count &&
                              r.interfaces[selected].type == InterfaceType::Loopback &&
                              r.interfaces[selected].number == std::to_string(number);
    if (remove_loopback(r, number) && was_selected) set_mode(cmd, kModeGlobal);
    return;
  }
  const int count_before = r.interface_count;
  const int index = add_loopback(r, number);
  if (index != 0 && r.interface_count != count_before) {
    const std::string& name = r.interfaces[index].name;
    set_output(r, "\r\n%LINK-3-UPDOWN: Interface " + name +
                      ", changed state to up\r\n%LINEPROTO-5-UPDOWN: Line protocol on Interface " +
                      name + ", changed state to up");
  }
  if (index == 0) {
    set_output(r, "\r\n%No room for another interface");
    return;
  }
  r.cur_if_index = static_cast<Int16>(index);
  r.cur_if_type = InterfaceType::Loopback;
  r.cur_if_number = static_cast<Int16>(number);
  // A loopback is configured with the commands of a LAN interface.
  set_mode(cmd, kModeEthernet);
}

// The loopback number a real router reads from `loopback 0`, `loopback0` or `lo0` (the type
// abbreviated to at least "lo"); nothing for any other interface name.
std::optional<int> loopback_number(const CommandContext& cmd) {
  if (full_word(cmd.pc, 2) == "loopback") return static_cast<int>(leading_number(word(cmd.pc, 3)));
  const std::string name = to_lower(word(cmd.pc, 2));
  const std::size_t digits = name.find_first_of("0123456789");
  if (digits == std::string::npos || digits < 2) return std::nullopt;
  const std::string type = name.substr(0, digits), number = name.substr(digits);
  if (std::string_view("loopback").rfind(type, 0) != 0 || !is_numeric(number) || number.size() > 2)
    return std::nullopt;
  return static_cast<int>(leading_number(number));
}

}  // namespace

void interface_command(CommandContext& cmd) {
  if (cmd.behaviour == Behaviour::RealRouter) {
    if (const std::optional<int> number = loopback_number(cmd)) {
      loopback_command(cmd, *number);
      return;
    }
  }
  const InterfaceLookup found = parse_interface(cmd, word(cmd.pc, 2), word(cmd.pc, 3));
  if (!found.found) return;
  RouterRecord& r = cmd.router;
  r.cur_if_index = static_cast<Int16>(found.index);
  r.cur_if_type = found.type;
  r.cur_if_number = static_cast<Int16>(found.number);  // an existing port number: 0..49
  set_mode(cmd, mode_for_type(found.type));
}

void shutdown_command(CommandContext& cmd) {
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  if (is_set(cmd.pc.Negated)) {
    bring_up(cmd, *e);
  } else {
    shut_down(cmd, *e);
  }
}

// The typed line, trimmed, after its first blank; a leading "no" stays part of the text.
void description_command(CommandContext& cmd) {
  if (cmd.router.mode <= kModeGlobal) return;
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  if (is_real_router_no(cmd)) {
    e->description.clear();
    return;
  }
  const std::string line = trim(cmd.pc.Line);
  const std::size_t blank = line.find(' ');
  e->description = blank == std::string::npos ? line : line.substr(blank + 1);
}

void encapsulation_command(CommandContext& cmd) {
  if (cmd.behaviour == Behaviour::RealRouter) {
    // `no encapsulation` and `encapsulation hdlc` give the serial default back.
    const std::string kind = full_word(cmd.pc, 2);
    InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
    if (e == nullptr) return;
    if (is_set(cmd.pc.Negated) || kind == "hdlc") set_encapsulation(*e, Encapsulation::Hdlc);
    if (!is_set(cmd.pc.Negated) && kind == "ppp") set_encapsulation(*e, Encapsulation::Ppp);
    return;
  }
  if (full_word(cmd.pc, 2) != "ppp") return;
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  set_encapsulation(*e, is_set(cmd.pc.Negated) ? Encapsulation::Hdlc : Encapsulation::Ppp);
}

void ppp_command(CommandContext& cmd) {
  if (cmd.behaviour == Behaviour::RealRouter) {
    real_ppp_command(cmd);
    return;
  }
  if (full_word(cmd.pc, 2) != "authentication" || full_word(cmd.pc, 3) != "chap") return;
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e != nullptr)
    e->ppp_authentication =
        is_real_router_no(cmd) ? PppAuthentication::None : PppAuthentication::Chap;
}

void clock_command(CommandContext& cmd) {
  if (real_router(cmd) && full_word(cmd.pc, 2) == "set") {
    clock_set_command(cmd);
    return;
  }
  if (cmd.behaviour != Behaviour::RealRouter || full_word(cmd.pc, 2) != "rate") return;
  if (cmd.router.mode != kModeSerial) return;
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  e->clock_rate = is_set(cmd.pc.Negated) ? 0 : static_cast<Int32>(leading_number(word(cmd.pc, 3)));
}

void clear_ip_address(CommandContext& cmd) {
  InterfaceEntry* e = selected_interface(cmd, kIpAddressLogName);
  if (e == nullptr) return;
  e->ip_address.clear();
  e->subnet_mask.clear();
  e->network_address.clear();
  e->network_value = 0;
  e->prefix_length = 0;
}

namespace {

// A real router's `ip ospf` timers and authentication; `no` puts each back to its default.
void real_ip_ospf_setting(CommandContext& cmd, const std::string& setting, InterfaceEntry& e) {
  OspfInterfaceSettings& o = e.ospf;
  const bool no = negated(cmd);
  const auto seconds = [&cmd] {
    return static_cast<Int32>(std::clamp(leading_number(word(cmd.pc, 4)), 1.0, 65535.0));
  };
  if (setting == "hello-interval") {
    o.hello_interval = no ? 0 : seconds();
  } else if (setting == "dead-interval") {
    o.dead_interval = no ? 0 : seconds();
  } else if (setting == "authentication") {
    const std::string kind = full_word(cmd.pc, 4);
    o.authentication = no                         ? OspfAuthentication::FromArea
                       : kind == "message-digest" ? OspfAuthentication::MessageDigest
                       : kind == "null"           ? OspfAuthentication::None
                                                  : OspfAuthentication::Simple;
  } else if (setting == "authentication-key") {
    o.authentication_key = no ? std::string() : raw_word(cmd.pc, 4);
  } else if (setting == "message-digest-key") {
    o.md5_key_id = no ? Int16{0} : static_cast<Int16>(leading_number(word(cmd.pc, 4)));
    o.md5_key = no ? std::string() : raw_word(cmd.pc, 6);
  }
}

bool real_ip_ospf_word(const std::string& setting) {
  return setting == "hello-interval" || setting == "dead-interval" || setting == "authentication" ||
         setting == "authentication-key" || setting == "message-digest-key";
}

}  // namespace

void ip_ospf_command(CommandContext& cmd) {
  const std::string setting = full_word(cmd.pc, 3);
  if (real_router(cmd) && real_ip_ospf_word(setting)) {
    if (InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName))
      real_ip_ospf_setting(cmd, setting, *e);
    return;
  }
  if (setting == "network" && real_router(cmd)) {
    // `ip ospf network point-to-point`; `no ip ospf network` goes back to the interface's own type.
    if (InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName))
      e->ospf_point_to_point = negated(cmd) ? kFalse : kTrue;
    return;
  }
  if (setting != "priority" && setting != "cost") return;
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  const std::string& value = word(cmd.pc, 4);
  if (!is_numeric(value)) {
    set_output(cmd.router, "\r\n\r\n" + std::string(kInvalidInputText));
    return;
  }
  Int16& field = setting == "priority" ? e->ospf_priority : e->ospf_cost;
  store_int16(field, leading_number(value), cmd.log, kExecCmdLogName);
  if (setting == "cost") e->ospf_cost_configured = kTrue;
}

namespace {

void set_metric_setting(CommandContext& cmd, Int32 InterfaceEntry::*field) {
  if (cmd.behaviour != Behaviour::RealRouter) return;
  InterfaceEntry* e = selected_interface(cmd, kExecCmdLogName);
  if (e == nullptr) return;
  const std::string& value = word(cmd.pc, 2);
  if (is_set(cmd.pc.Negated)) {
    e->*field = 0;
  } else if (is_numeric(value) && leading_number(value) >= 1) {
    e->*field = static_cast<Int32>(std::min(leading_number(value), 16777215.0 * 1000));
  }
}

}  // namespace

void bandwidth_command(CommandContext& cmd) {
  set_metric_setting(cmd, &InterfaceEntry::bandwidth);
}

void delay_command(CommandContext& cmd) {
  set_metric_setting(cmd, &InterfaceEntry::delay);
}

}  // namespace zorva
