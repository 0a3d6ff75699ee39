// The OSPF router identifier: the interface address whose digits, read as one number, are largest.
#include "state/ospf_router_id.h"

#include <algorithm>
#include <limits>

#include "state/router_record.h"

namespace zorva {

std::uint64_t router_id_number(std::string_view address) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t number = 0;
  for (char c : address) {
    if (c == '.') continue;
    if (c < '0' || c > '9') break;
    const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
    if (number > (kMax - digit) / 10) return kMax;
    number = number * 10 + digit;
  }
  return number;
}

std::string ospf_router_id_of(const RouterRecord& r) {
  std::string best;
  std::uint64_t best_number = 0;
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.line_protocol != LinkState::Up || e.ip_address.empty()) continue;
    const std::uint64_t number = router_id_number(e.ip_address);
    if (number > best_number) {
      best_number = number;
      best = e.ip_address;
    }
  }
  return best;
}

}  // namespace zorva
