// Work the network does for a command once its output is printed: a static route given by
// `ip route` (checked by the command), and the ARP cache that `show arp` prints and
// `clear arp-cache` empties.
#include <span>

#include "base/error_log.h"
#include "network/network.h"
#include "network/routing_table.h"
#include "network/table_capacity.h"
#include "reports/arp_report.h"
#include "router/output.h"

namespace zorva {

void Network::set_real_static_route(RouterRecord& rec, const StaticRoute& route) {
  const int exit = route.interface;
  const std::string exit_name = exit > 0 ? rec.interfaces[exit].name : "";
  // The route the line names: the same network, mask and next hop (or exit interface).
  int slot = 0;
  for (int k = 1; k <= rec.learned_route_count && slot == 0; ++k) {
    const RouteEntry& c = rec.learned_routes[k];
    if (c.code == 'S' && c.network == route.network && c.prefix_length == route.prefix_length &&
        c.interface_name == exit_name && c.next_hop == route.gateway)
      slot = k;
  }
  if (route.remove) {
    if (slot == 0) return;
    for (int k = slot; k < rec.learned_route_count; ++k)
      rec.learned_routes[k] = rec.learned_routes[k + 1];
    rec.learned_routes[rec.learned_route_count] = RouteEntry{};
    rec.learned_route_count = static_cast<Int16>(rec.learned_route_count - 1);
  } else if (slot != 0) {
    rec.learned_routes[slot].distance =
        route.distance;  // typed again: the new distance replaces it
  } else {
    const std::uint16_t full = full_table_bit(FullTable::LearnedRoutes);
    if (rec.learned_route_count >= kMaxRoutes) {
      log_full_once(rec, full, "Update Routes()", log_);
      return;
    }
    table_has_room(rec, full);
    RouteEntry added;
    added.distance = route.distance;
    added.code = 'S';
    added.network = route.network;
    added.prefix_length = route.prefix_length;
    added.interface_name = exit_name;
    added.interface_address = route.next_hop;
    added.interface_index = added.out_index = static_cast<Int16>(exit);
    added.next_hop = route.gateway;
    added.learned_at = sim_clock_;
    rec.learned_route_count = static_cast<Int16>(rec.learned_route_count + 1);
    rec.learned_routes[rec.learned_route_count] = std::move(added);
  }
  note_candidates_changed(rec);
  Calculate_Routing_Table(rec, behaviour_);
}

void Network::set_static_route(Router& r, const StaticRoute& route) {
  RouterRecord& rec = r.record;
  if (behaviour_ == Behaviour::RealRouter) {
    set_real_static_route(rec, route);
    return;
  }
  update_routes(rec, route.network, "", route.prefix_length, route.distance, 'S', 1, route.next_hop,
                route.interface, log_);
}

void Network::Clear_Arp_Table(Router& r) {
  for (int j = 1; j <= r.arp_count; ++j) r.arp_table[j] = ArpEntry{};
  r.arp_count = 0;
}

void Network::Build_Show_Arp(Router& r) {
  output_text(r, arp_text(r));
}

std::string Network::arp_text(const Router& r) const {
  const std::span<const ArpEntry> used(r.arp_table.data() + 1,
                                       static_cast<std::size_t>(r.arp_count));
  return build_show_arp(used, r.record);
}

}  // namespace zorva
