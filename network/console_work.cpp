// Console work the network does after a command: a static route typed with `ip route`, and the
// ARP cache that `show arp` prints and `clear arp-cache` empties.
#include <span>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/number_text.h"
#include "network/network.h"
#include "network/routing_table.h"
#include "network/table_capacity.h"
#include "reports/arp_report.h"
#include "router/output.h"
#include "state/ip_routines.h"
#include "state/ipv4.h"

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
    const std::string word = to_lower(e.name.substr(0, e.name.size() - e.number.size()));
    if (word.starts_with(letters) && e.number == number) return i;
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

}  // namespace

void Network::set_real_static_route(Router& r, const std::string& prefix, const std::string& mask,
                                    const std::string& next_hop, const std::string& distance_text,
                                    bool negated, const std::string& after_next_hop) {
  RouterRecord& rec = r.record;
  const std::optional<Ipv4> network = parse_dotted(prefix);
  const std::optional<int> length = contiguous_mask_length(mask);
  std::optional<Ipv4> gateway = parse_dotted(next_hop);
  int exit = gateway ? 0 : interface_by_typed_name(rec, next_hop);
  std::string distance_word = distance_text;
  // "serial 0": the type word and the number typed apart.
  if (!gateway && exit == 0 && is_numeric(distance_text)) {
    exit = interface_by_typed_name(rec, next_hop + distance_text);
    distance_word = after_next_hop;
  }
  if (!network || !length || (!gateway && exit == 0)) {
    output_text(r, kInvalidRoute);
    return;
  }
  if ((*network & mask_for_length(*length)) != *network) {
    output_text(r, "\r\n%Inconsistent address and mask");
    return;
  }
  Int16 distance = 1;
  if (is_numeric(distance_word))
    store_int16(distance, leading_number(distance_word), log_, kSetIpRouteLogName);
  const std::string exit_name = exit > 0 ? rec.interfaces[exit].name : "";
  // The route the line names: the same network, mask and next hop (or exit interface).
  int slot = 0;
  for (int k = 1; k <= rec.learned_route_count && slot == 0; ++k) {
    const RouteEntry& c = rec.learned_routes[k];
    if (c.code == 'S' && c.network == *network && c.prefix_length == *length &&
        c.interface_name == exit_name && c.next_hop == gateway.value_or(0))
      slot = k;
  }
  if (negated) {
    if (slot == 0) return;
    for (int k = slot; k < rec.learned_route_count; ++k)
      rec.learned_routes[k] = rec.learned_routes[k + 1];
    rec.learned_routes[rec.learned_route_count] = RouteEntry{};
    rec.learned_route_count = static_cast<Int16>(rec.learned_route_count - 1);
  } else if (slot != 0) {
    rec.learned_routes[slot].distance = distance;  // typed again: the new distance replaces it
  } else {
    const std::uint16_t full = full_table_bit(FullTable::LearnedRoutes);
    if (rec.learned_route_count >= kMaxRoutes) {
      log_full_once(rec, full, "Update Routes()", log_);
      return;
    }
    table_has_room(rec, full);
    RouteEntry added;
    added.distance = distance;
    added.code = 'S';
    added.network = *network;
    added.prefix_length = static_cast<Int16>(*length);
    added.interface_name = exit_name;
    added.interface_address = gateway ? dotted(*gateway) : "";
    added.interface_index = added.out_index = static_cast<Int16>(exit);
    added.next_hop = gateway.value_or(0);
    added.learned_at = sim_clock_;
    rec.learned_route_count = static_cast<Int16>(rec.learned_route_count + 1);
    rec.learned_routes[rec.learned_route_count] = std::move(added);
  }
  note_candidates_changed(rec);
  Calculate_Routing_Table(rec, behaviour_);
}

void Network::set_ip_route(Router& r, std::string prefix, std::string mask, std::string next_hop,
                           const std::string& distance_text, bool negated,
                           const std::string& after_next_hop) {
  RouterRecord& rec = r.record;
  if (behaviour_ == Behaviour::RealRouter) {
    rec.pending_action = PendingAction::None;
    set_real_static_route(r, prefix, mask, next_hop, distance_text, negated, after_next_hop);
    return;
  }
  rec.pending_action = PendingAction::None;
  // An interface name in place of the next hop fails the address check like any other word.
  if (!ip_.is_ip_valid(prefix) || !ip_.is_ip_valid(next_hop) || !ip_.is_mask_valid(mask)) {
    output_text(r, kInvalidRoute);
    return;
  }
  // A distance that is not a number, or does not fit in 16 bits, is logged and not taken; the
  // route is stored all the same, with the default distance, and nothing is printed.
  Int16 distance = 1;
  if (!trim(distance_text).empty()) {
    if (!is_numeric(distance_text)) {
      log_.log(kSetIpRouteLogName, RuntimeError::TypeMismatch);
    } else {
      store_int16(distance, leading_number(distance_text), log_, kSetIpRouteLogName);
    }
  }
  const Ipv4 network = static_cast<Ipv4>(ip_.converted_dotted_decimal_to_integer(prefix));
  const Int16 prefix_length = static_cast<Int16>(leading_number(ip_.return_subnet_slash(mask)));
  update_routes(rec, network, "", prefix_length, distance, 'S', 1, next_hop, rec.cur_if_index,
                log_);
}

void Network::Clear_Arp_Table(Router& r) {
  for (int j = 1; j <= r.arp_count; ++j) r.arp_table[j] = ArpEntry{};
  r.arp_count = 0;
  r.record.pending_action = PendingAction::None;
}

void Network::Build_Show_Arp(Router& r) {
  const std::span<const ArpEntry> used(r.arp_table.data() + 1,
                                       static_cast<std::size_t>(r.arp_count));
  output_text(r, build_show_arp(used, r.record));
  r.record.pending_action = PendingAction::None;
}

}  // namespace zorva
