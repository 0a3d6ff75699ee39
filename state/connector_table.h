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
  // A serial cable's clocking: its DCE end is dev1 unless the file says `dce=dev2`, and a line
  // `clocked=yes` takes its clock from the provider, so neither end needs a clock rate.
  bool dce_is_dev2 = false;
  bool clocked = false;
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
