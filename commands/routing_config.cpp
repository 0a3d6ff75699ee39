// router and network commands: the routing-protocol configuration of the record.
#include "commands/routing_config.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/number_text.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kAddOspfLogName = "add ospf network()";

// One of the three protocols whose networks are plain classful addresses.
struct ClassfulList {
  std::array<std::string, kMaxProtocolNetworks + 1>& networks;  // entries 1..count
  Int16& count;                                                 // entries in use
  Flag& enabled;                                                // the protocol's switch
  std::string_view log_name;                                    // the adder's log name
};

void print_invalid_input(RouterRecord& r) {
  set_output(r, std::string(kCrLf) + std::string(kInvalidInputText));
}

void add_classful_network(CommandContext& cmd, std::string& address, ClassfulList list) {
  if (!cmd.ip.is_ip_valid(address)) {
    print_invalid_input(cmd.router);
    return;
  }
  const std::string net = cmd.ip.get_classful_network(address);
  const int count = std::clamp<int>(list.count, 0, kMaxProtocolNetworks);
  for (int i = 1; i <= count; ++i)
    if (list.networks[i] == net) return;
  if (count >= kMaxProtocolNetworks) {
    cmd.log.log(list.log_name, RuntimeError::SubscriptOutOfRange);
    return;
  }
  list.count = static_cast<Int16>(count + 1);
  list.networks[list.count] = net;
  list.enabled = kTrue;
}

// Stores the whole part of a typed process or AS number in element 1 of `numbers`, or logs the
// overflow and leaves it.
void store_process_number(CommandContext& cmd, std::array<Int16, 11>& numbers,
                          const std::string& n) {
  store_int16(numbers[1], std::floor(leading_number(n)), cmd.log, kExecCmdLogName);
}

// `router igrp|eigrp|ospf` n without `no`: the outcome shared by the numbered protocols.
// Returns true when n is a number and the mode was entered.
bool enter_numbered_mode(CommandContext& cmd, const std::string& n, int mode,
                         bool empty_is_incomplete, std::array<Int16, 11>& numbers) {
  RouterRecord& r = cmd.router;
  if (trim(n).empty()) {
    if (empty_is_incomplete)
      set_output(r, std::string(kCrLf) + std::string(kIncompleteText) + std::string(kCrLf));
    return false;
  }
  if (!is_numeric(n)) {
    set_output(r, "\r\n\r\n" + std::string(kInvalidInputText) + std::string(kCrLf));
    return false;
  }
  set_mode(cmd, mode);
  store_process_number(cmd, numbers, n);
  return true;
}

// The wildcard-bit text of an OSPF network: the bit count, or "0x" and the wildcard in
// upper-case hexadecimal when it is not one of the contiguous wildcards.
std::string wildcard_bits_text(CommandContext& cmd, std::string& wildcard) {
  std::string bits = cmd.ip.Is_Wildcard_Mask_Slash(wildcard);
  if (bits != "-1") return bits;
  const double value = cmd.ip.converted_dotted_decimal_to_integer(wildcard);
  char hex[16];
  std::snprintf(hex, sizeof hex, "%llX", static_cast<unsigned long long>(value));
  return "0x" + std::string(hex);
}

}  // namespace

void router_command(CommandContext& cmd) {
  RouterRecord& r = cmd.router;
  ProtocolBlock& p = r.protocols;
  const std::string protocol = full_word(cmd.pc, 2);
  const bool negated = is_set(cmd.pc.Negated);
  const std::string& n = word(cmd.pc, 3);
  if (protocol == "rip") {
    if (negated) {
      p.rip_enabled = kFalse;
    } else {
      set_mode(cmd, kModeRip);
    }
  } else if (protocol == "igrp") {
    if (negated) {
      p.igrp_enabled = kFalse;
    } else {
      enter_numbered_mode(cmd, n, kModeIgrp, false, p.igrp_process_numbers);
    }
  } else if (protocol == "eigrp") {
    if (negated) {
      p.eigrp_enabled = kFalse;
    } else {
      // A real router keeps its neighbours when its process's mode is entered again; only
      // another AS number starts afresh.
      const Int16 before = p.eigrp_process_numbers[1];
      if (enter_numbered_mode(cmd, n, kModeEigrp, true, p.eigrp_process_numbers) &&
          (!real_router(cmd) || p.eigrp_process_numbers[1] != before))
        p.eigrp_neighbor_count = 0;
    }
  } else if (protocol == "ospf") {
    if (negated) {
      p.ospf_enabled = kFalse;
    } else {
      enter_numbered_mode(cmd, n, kModeOspf, true, p.ospf_process_numbers);
    }
  }
}

namespace {

// Real-router `no network A.B.C.D` in RIP, IGRP or EIGRP mode: the classful network of the
// address leaves the list; the protocol is off once no network is left.
void remove_classful_network(CommandContext& cmd, std::string address, ClassfulList list) {
  if (!cmd.ip.is_ip_valid(address)) return;
  const std::string net = cmd.ip.get_classful_network(address);
  const int count = std::clamp<int>(list.count, 0, kMaxProtocolNetworks);
  for (int i = 1; i <= count; ++i) {
    if (list.networks[i] != net) continue;
    for (int j = i; j < count; ++j) list.networks[j] = list.networks[j + 1];
    list.networks[count].clear();
    list.count = static_cast<Int16>(count - 1);
    if (list.count == 0) list.enabled = kFalse;
    return;
  }
}

// A real router's EIGRP statement with wildcard bits, "network 10.1.1.0 0.0.0.3", kept as typed
// but with the network's wildcard bits cleared: "10.1.1.0 0.0.0.3". nullopt for a bad address.
std::optional<std::string> wildcard_statement(const std::string& address, const std::string& bits) {
  const std::optional<Ipv4> net = parse_dotted(address);
  const std::optional<Ipv4> wildcard = parse_dotted(bits);
  if (!net || !wildcard) return std::nullopt;
  return dotted(*net & ~*wildcard) + " " + dotted(*wildcard);
}

// Adds (or, `no network ...`, removes) a wildcard statement to the EIGRP networks.
void change_eigrp_wildcard_network(CommandContext& cmd, bool remove) {
  const std::optional<std::string> statement = wildcard_statement(word(cmd.pc, 2), word(cmd.pc, 3));
  if (!statement) {
    if (!remove) print_invalid_input(cmd.router);
    return;
  }
  ProtocolBlock& p = cmd.router.protocols;
  const int count = std::clamp<int>(p.eigrp_network_count, 0, kMaxProtocolNetworks);
  for (int i = 1; i <= count; ++i) {
    if (p.eigrp_networks[i] != *statement) continue;
    if (!remove) return;
    for (int j = i; j < count; ++j) p.eigrp_networks[j] = p.eigrp_networks[j + 1];
    p.eigrp_networks[count].clear();
    p.eigrp_network_count = static_cast<Int16>(count - 1);
    if (p.eigrp_network_count == 0) p.eigrp_enabled = kFalse;
    return;
  }
  if (remove) return;
  if (count >= kMaxProtocolNetworks) {
    cmd.log.log("add eigrp network()", RuntimeError::SubscriptOutOfRange);
    return;
  }
  p.eigrp_network_count = static_cast<Int16>(count + 1);
  p.eigrp_networks[p.eigrp_network_count] = *statement;
  p.eigrp_enabled = kTrue;
}

bool wildcard_form(const CommandContext& cmd) {
  return cmd.behaviour == Behaviour::RealRouter && cmd.router.mode == kModeEigrp &&
         !word(cmd.pc, 3).empty();
}

// `no network A.B.C.D WILDCARD area N` removes the statement with that network, wildcard and area.
void remove_ospf_network(CommandContext& cmd) {
  const std::optional<std::string> statement = wildcard_statement(word(cmd.pc, 2), word(cmd.pc, 3));
  if (!statement) return;
  const std::string area = ospf_area_word(cmd, 5);
  ProtocolBlock& p = cmd.router.protocols;
  const int count = std::clamp<int>(p.ospf_network_count, 0, kMaxOspfNetworks);
  for (int i = 1; i <= count; ++i) {
    const OspfNetworkEntry& n = p.ospf_networks[i];
    if (n.network + " " + n.wildcard != *statement ||
        (!area.empty() && leading_number(n.area) != leading_number(area)))
      continue;
    for (int j = i; j < count; ++j) p.ospf_networks[j] = p.ospf_networks[j + 1];
    p.ospf_networks[count] = OspfNetworkEntry{};
    p.ospf_network_count = static_cast<Int16>(count - 1);
    if (p.ospf_network_count == 0) p.ospf_enabled = kFalse;
    return;
  }
}

bool removes_network(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter || !is_set(cmd.pc.Negated)) return false;
  ProtocolBlock& p = cmd.router.protocols;
  const std::string& address = word(cmd.pc, 2);
  switch (cmd.router.mode) {
    case kModeRip:
      remove_classful_network(cmd, address,
                              {p.rip_networks, p.rip_network_count, p.rip_enabled, ""});
      return true;
    case kModeIgrp:
      remove_classful_network(cmd, address,
                              {p.igrp_networks, p.igrp_network_count, p.igrp_enabled, ""});
      return true;
    case kModeEigrp:
      remove_classful_network(cmd, address,
                              {p.eigrp_networks, p.eigrp_network_count, p.eigrp_enabled, ""});
      return true;
    case kModeOspf:
      remove_ospf_network(cmd);
      return true;
    default:
      return true;
  }
}

}  // namespace

void network_command(CommandContext& cmd) {
  if (wildcard_form(cmd)) {
    change_eigrp_wildcard_network(cmd, is_set(cmd.pc.Negated));
    return;
  }
  if (removes_network(cmd)) return;
  switch (cmd.router.mode) {
    case kModeRip:
      add_rip_network(cmd, word(cmd.pc, 2));
      break;
    case kModeIgrp:
      add_igrp_network(cmd, word(cmd.pc, 2));
      break;
    case kModeEigrp:
      add_eigrp_network(cmd, word(cmd.pc, 2));
      break;
    case kModeOspf:
      add_ospf_network(cmd, word(cmd.pc, 2), word(cmd.pc, 3), ospf_area_word(cmd, 5));
      break;
    default:
      break;
  }
}

void add_rip_network(CommandContext& cmd, std::string address) {
  ProtocolBlock& p = cmd.router.protocols;
  add_classful_network(cmd, address,
                       {p.rip_networks, p.rip_network_count, p.rip_enabled, "add rip network()"});
}

void add_igrp_network(CommandContext& cmd, std::string address) {
  ProtocolBlock& p = cmd.router.protocols;
  add_classful_network(
      cmd, address, {p.igrp_networks, p.igrp_network_count, p.igrp_enabled, "add igrp network()"});
}

void add_eigrp_network(CommandContext& cmd, std::string address) {
  ProtocolBlock& p = cmd.router.protocols;
  add_classful_network(
      cmd, address,
      {p.eigrp_networks, p.eigrp_network_count, p.eigrp_enabled, "add eigrp network()"});
}

void add_ospf_network(CommandContext& cmd, std::string network, std::string wildcard,
                      std::string area) {
  RouterRecord& r = cmd.router;
  if (trim(network).empty() || trim(wildcard).empty() || trim(area).empty()) {
    set_output(r, "\r\n% Incomplete commmand.");
    return;
  }
  if (!is_numeric(area)) {
    cmd.log.log(kAddOspfLogName, RuntimeError::TypeMismatch);
    return;
  }
  const std::optional<Int16> area_number = fit_int16(leading_number(area));
  if (!area_number) {
    cmd.log.log(kAddOspfLogName, RuntimeError::Overflow);
    return;
  }
  if (!cmd.ip.is_ip_valid(network) || !cmd.ip.is_ip_valid(wildcard)) {
    print_invalid_input(r);
    return;
  }
  const std::string stored = cmd.ip.integer_to_dotted_decimal(
      cmd.ip.Wildcard_NAND(cmd.ip.converted_dotted_decimal_to_integer(network),
                           cmd.ip.converted_dotted_decimal_to_integer(wildcard)));
  ProtocolBlock& p = r.protocols;
  const int count = std::clamp<int>(p.ospf_network_count, 0, kMaxOspfNetworks);
  for (int i = 1; i <= count; ++i)
    if (p.ospf_networks[i].network == stored) return;
  if (count >= kMaxOspfNetworks) {
    cmd.log.log(kAddOspfLogName, RuntimeError::SubscriptOutOfRange);
    return;
  }
  std::string bits = wildcard_bits_text(cmd, wildcard);
  p.ospf_network_count = static_cast<Int16>(count + 1);
  OspfNetworkEntry& entry = p.ospf_networks[p.ospf_network_count];
  entry.network = stored;
  entry.wildcard = wildcard;
  entry.area = plain_number(*area_number);
  entry.wildcard_bits = std::move(bits);
  p.ospf_enabled = kTrue;
}

}  // namespace zorva
