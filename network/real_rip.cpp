// RIP versions, summarisation, summary addresses and the originated default route.
#include "network/real_rip.h"

#include <algorithm>

#include "state/ipv4.h"

namespace zorva {

Int16 rip_send_version(const ProtocolBlock& p) {
  return p.rip_version == 2 ? 2 : 1;
}

bool rip_takes_version(const ProtocolBlock& p, Int16 version) {
  return p.rip_version == 0 || p.rip_version == version;
}

bool rip_summarises(const ProtocolBlock& p) {
  return rip_send_version(p) == 1 || !is_set(p.rip_no_auto_summary);
}

bool rip_v1_carries(const ProtocolBlock& p, const InterfaceEntry& out, const RouteEntry& route) {
  if (rip_send_version(p) == 2 || route.prefix_length == 0) return true;
  if (classful_network(route.network) != classful_network(out.network_value)) return true;
  return route.prefix_length == out.prefix_length;
}

void finish_rip_update(const ProtocolBlock& p, const InterfaceEntry& out,
                       std::vector<RouteEntry>& carried) {
  if (out.rip_summary_length > 0) {
    const Ipv4 mask = mask_for_length(out.rip_summary_length);
    const auto inside = [&](const RouteEntry& c) {
      return c.prefix_length >= out.rip_summary_length &&
             (c.network & mask) == out.rip_summary_network;
    };
    const auto first = std::find_if(carried.begin(), carried.end(), inside);
    if (first != carried.end()) {
      RouteEntry summary = *first;
      for (const RouteEntry& c : carried)
        if (inside(c)) summary.metric = std::min(summary.metric, c.metric);
      summary.network = out.rip_summary_network;
      summary.prefix_length = out.rip_summary_length;
      std::erase_if(carried, inside);
      carried.push_back(summary);
    }
  }
  if (is_set(p.rip_default_originate)) {
    std::erase_if(carried, [](const RouteEntry& c) { return c.prefix_length == 0; });
    RouteEntry originated;
    originated.code = 'R';
    originated.network = 0;
    originated.prefix_length = 0;
    originated.metric = 0;
    carried.push_back(originated);
  }
}

}  // namespace zorva
