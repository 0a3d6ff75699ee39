// The cabling of the loaded topology: which interface of which router is joined to which.
#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "base/types.h"

namespace zorva {

inline constexpr int kMaxConnectors = 200;

struct ConnectorEntry {
  std::string dev1name;       // router at one end: "Router" and its number
  std::string dev1interface;  // interface name at that end
  std::string connectortype;  // cable type word; stored, not used
  std::string dev2name;       // router at the other end
  std::string dev2interface;  // interface at the other end
};

struct ConnectorTable {
  std::array<ConnectorEntry, kMaxConnectors + 1> entries{};  // entries 1..200
  Int16 connector_count = 0;  // the count as the file gives it; may exceed 200
  // Entries that exist: never more than 200 whatever the count says.
  int stored() const {
    return connector_count < 0 ? 0 : std::min<int>(connector_count, kMaxConnectors);
  }
};

}  // namespace zorva
