// Interface metrics and the composite IGRP/EIGRP metric of the real-router behaviour.
#include "state/route_metrics.h"

#include <algorithm>
#include <limits>

#include "base/number_text.h"
#include "state/ipv4.h"
#include "state/router_record.h"

namespace zorva {

namespace {

std::int64_t capped(std::int64_t v) {
  return std::min<std::int64_t>(v, std::numeric_limits<Int32>::max());
}

}  // namespace

Int32 interface_bandwidth(const InterfaceEntry& e) {
  if (e.bandwidth > 0) return e.bandwidth;
  if (e.type == InterfaceType::Ethernet) return 10000;
  if (e.type == InterfaceType::Bri) return 64;
  if (e.type == InterfaceType::Loopback) return 8000000;
  return 1544;
}

Int32 interface_delay(const InterfaceEntry& e) {
  if (e.delay > 0) return e.delay;
  if (e.type == InterfaceType::Ethernet) return 100;
  if (e.type == InterfaceType::Loopback) return 500;
  return 2000;
}

Int32 ospf_interface_cost(const InterfaceEntry& e, Int32 reference_mbps) {
  if (is_set(e.ospf_cost_configured)) return std::max<Int32>(e.ospf_cost, 1);
  const std::int64_t cost = static_cast<std::int64_t>(std::max<Int32>(reference_mbps, 1)) * 1000 /
                            std::max<Int32>(interface_bandwidth(e), 1);
  return static_cast<Int32>(std::clamp<std::int64_t>(cost, 1, 65535));
}

Int32 igrp_metric(Int32 lowest_bandwidth, Int32 delay_sum) {
  const std::int64_t bandwidth = std::max<Int32>(lowest_bandwidth, 1);
  return static_cast<Int32>(capped(10000000 / bandwidth + std::max<Int32>(delay_sum, 0)));
}

Int32 eigrp_metric(Int32 lowest_bandwidth, Int32 delay_sum) {
  return static_cast<Int32>(
      capped(256 * static_cast<std::int64_t>(igrp_metric(lowest_bandwidth, delay_sum))));
}

std::optional<Int32> ospf_area_of(const ProtocolBlock& p, const InterfaceEntry& e) {
  const std::optional<Ipv4> address = parse_dotted(e.ip_address);
  if (!address) return std::nullopt;
  const int count = std::clamp<int>(p.ospf_network_count, 0, kMaxOspfNetworks);
  for (int k = 1; k <= count; ++k) {
    const OspfNetworkEntry& n = p.ospf_networks[k];
    const std::optional<Ipv4> net = parse_dotted(n.network);
    const std::optional<Ipv4> wildcard = parse_dotted(n.wildcard);
    if (!net || !wildcard) continue;
    if ((*address & ~*wildcard) == (*net & ~*wildcard))
      return static_cast<Int32>(leading_number(n.area));
  }
  return std::nullopt;
}

Int16 equal_paths_kept(const ProtocolBlock& p, char code) {
  const auto it = p.maximum_paths.find(code);
  return it == p.maximum_paths.end() ? kDefaultEqualPaths : it->second;
}

}  // namespace zorva
