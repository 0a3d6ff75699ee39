// Console work the network does after a command: a static route typed with `ip route`, and the
// ARP cache that `show arp` prints and `clear arp-cache` empties.
#include <span>

#include "base/checked.h"
#include "base/error_log.h"
#include "base/number_text.h"
#include "network/network.h"
#include "network/routing_table.h"
#include "reports/arp_report.h"
#include "router/output.h"
#include "state/ip_routines.h"

namespace zorva {

namespace {

constexpr std::string_view kSetIpRouteLogName = "set ip route()";
constexpr const char* kInvalidRoute = "\r\n% Invalid input detected at '^' marker.";

}  // namespace

void Network::set_ip_route(Router& r, std::string prefix, std::string mask, std::string next_hop,
                           const std::string& distance_text) {
  RouterRecord& rec = r.record;
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
