// The `show cdp ...` reports: a placeholder until the CDP reports are built.
#include "reports/cdp.h"

namespace zorva {

void cdp_show(CommandContext&) {
  // Filled in with the CDP reports: show cdp, neighbors [detail], interface, entry, traffic.
}

}  // namespace zorva
