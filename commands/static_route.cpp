// `ip route`: the line's words become a StaticRoute in the values the routing table keeps. A line
// that names no route prints its error here; the route itself goes to the network, which takes it
// once the command's output has been printed.
#include "commands/static_route.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/number_text.h"
#include "commands/command_support.h"
#include "parser/command_context.h"
#include "parser/network_requests.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kSetIpRouteLogName = "set ip route()";
constexpr const char* kInvalidRoute = "\r\n% Invalid input detected at '^' marker.";

// The interface a typed name means: letters that begin its type word ("s", "ser", "serial")
// followed by its number, without regard to case; 0 when none.
int interface_by_typed_name(const RouterRecord& r, const std::string& typed) {
  const std::size_t digits = typed.find_first_of("0123456789");
  if (digits == 0 || digits == std::string::npos) return 0;
  const std::string letters = to_lower(typed.substr(0, digits));
  const std::string number = typed.substr(digits);
  for (int i = 1; i <= r.interface_count; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const std::string type_word = to_lower(e.name.substr(0, e.name.size() - e.number.size()));
    if (type_word.starts_with(letters) && e.number == number) return i;
  }
  return 0;
}

// A mask of contiguous one bits, 0.0.0.0 included; its length, or nothing.
std::optional<int> contiguous_mask_length(const std::string& text) {
  const std::optional<Ipv4> mask = parse_dotted(text);
  if (!mask) return std::nullopt;
  for (int length = 0; length <= 32; ++length)
    if (mask_for_length(length) == *mask) return length;
  return std::nullopt;
}

// Classic: three addresses as the lenient address check takes them, the route bound to the
// interface last selected for configuration. A distance that is not a number, or does not fit
// in 16 bits, is logged and not taken; the route is stored all the same, with the default
// distance, and nothing is printed. `no` changes nothing: the line adds its route.
std::optional<StaticRoute> classic_route(CommandContext& cmd) {
  std::string prefix = word(cmd.pc, 3);
  std::string mask = word(cmd.pc, 4);
  std::string next_hop = word(cmd.pc, 5);
  const std::string& distance_text = word(cmd.pc, 6);
  // An interface name in place of the next hop fails the address check like any other word.
  if (!cmd.ip.is_ip_valid(prefix) || !cmd.ip.is_ip_valid(next_hop) || !cmd.ip.is_mask_valid(mask)) {
    set_output(cmd.router, kInvalidRoute);
    return std::nullopt;
  }
  StaticRoute route;
  if (!trim(distance_text).empty()) {
    if (!is_numeric(distance_text)) {
      cmd.log.log(kSetIpRouteLogName, RuntimeError::TypeMismatch);
    } else {
      store_int16(route.distance, leading_number(distance_text), cmd.log, kSetIpRouteLogName);
    }
  }
  route.network = static_cast<Ipv4>(cmd.ip.converted_dotted_decimal_to_integer(prefix));
  route.prefix_length = static_cast<Int16>(leading_number(cmd.ip.return_subnet_slash(mask)));
  route.next_hop = next_hop;
  route.interface = cmd.router.cur_if_index;
  return route;
}

// Real-router: strict addresses, a mask of contiguous ones, a prefix with no host bits, and a
// next hop that is an address or an interface ("serial 0": its type word and number typed apart).
std::optional<StaticRoute> real_route(CommandContext& cmd) {
  const RouterRecord& rec = cmd.router;
  const std::string& next_hop = word(cmd.pc, 5);
  const std::string& distance_text = word(cmd.pc, 6);
  const std::optional<Ipv4> network = parse_dotted(word(cmd.pc, 3));
  const std::optional<int> length = contiguous_mask_length(word(cmd.pc, 4));
  const std::optional<Ipv4> gateway = parse_dotted(next_hop);
  int exit = gateway ? 0 : interface_by_typed_name(rec, next_hop);
  std::string distance_word = distance_text;
  if (!gateway && exit == 0 && is_numeric(distance_text)) {
    exit = interface_by_typed_name(rec, next_hop + distance_text);
    distance_word = word(cmd.pc, 7);
  }
  if (!network || !length || (!gateway && exit == 0)) {
    set_output(cmd.router, invalid_input_at(cmd, !network ? 3 : !length ? 4 : 5) + "\r\n");
    return std::nullopt;
  }
  // The words read: the line is taken, and typed in a sub-mode it leaves it.
  leave_for_global(cmd);
  if ((*network & mask_for_length(*length)) != *network) {
    set_output(cmd.router, "\r\n%Inconsistent address and mask");
    return std::nullopt;
  }
  StaticRoute route;
  if (is_numeric(distance_word))
    store_int16(route.distance, leading_number(distance_word), cmd.log, kSetIpRouteLogName);
  route.network = *network;
  route.prefix_length = static_cast<Int16>(*length);
  route.next_hop = gateway ? dotted(*gateway) : "";
  route.gateway = gateway.value_or(0);
  route.interface = static_cast<Int16>(exit);
  route.remove = is_set(cmd.pc.Negated);
  return route;
}

}  // namespace

// Typed in a sub-mode, the line leaves it for global configuration. A real router refuses words
// that do not read before the line runs, so such a line keeps the mode it was typed in.
void ip_route_command(CommandContext& cmd) {
  if (cmd.behaviour != Behaviour::RealRouter) leave_for_global(cmd);
  const std::optional<StaticRoute> route =
      cmd.behaviour == Behaviour::RealRouter ? real_route(cmd) : classic_route(cmd);
  if (route) cmd.network.set_static_route(*route);
}

}  // namespace zorva
