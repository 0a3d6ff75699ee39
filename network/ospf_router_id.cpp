// The OSPF router ID of a router.
#include "network/ospf_router_id.h"

#include <algorithm>
#include <limits>

namespace zorva {

std::uint64_t address_digits(std::string_view address) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t value = 0;
  for (const char c : address) {
    if (c == '.' || c == ' ') continue;
    if (c < '0' || c > '9') break;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (kMax - digit) / 10) return kMax;
    value = value * 10 + digit;
  }
  return value;
}

std::string ospf_router_id_from(std::span<const InterfaceEntry> interfaces) {
  std::uint64_t best = 0;
  const InterfaceEntry* chosen = nullptr;
  for (const InterfaceEntry& e : interfaces) {
    if (e.line_protocol != "up" || e.ip_address.empty()) continue;
    const std::uint64_t digits = address_digits(e.ip_address);
    if (digits > best) {
      best = digits;
      chosen = &e;
    }
  }
  return chosen != nullptr ? chosen->ip_address : std::string();
}

std::string ospf_router_id_of(const RouterRecord& r) {
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  return ospf_router_id_from(std::span<const InterfaceEntry>(r.interfaces).subspan(1, count));
}

}  // namespace zorva
