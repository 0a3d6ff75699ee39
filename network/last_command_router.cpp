#include "network/last_command_router.h"

#include <algorithm>

#include "state/router_record.h"

namespace zorva {

void LastCommandRouter::remember(const RouterRecord& record) {
  const int count = std::clamp<int>(record.interface_count, 0, kMaxInterfaces);
  interfaces_.resize(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    const InterfaceEntry& e = record.interfaces[static_cast<std::size_t>(i)];
    Interface& kept = interfaces_[static_cast<std::size_t>(i - 1)];
    kept.line_protocol_up = e.line_protocol == "up";
    kept.ip_address = e.ip_address;
  }
}

}  // namespace zorva
