// The `show ip ...` reports: a placeholder until the routing reports are built.
#include "reports/show_ip.h"

namespace zorva {

void ipshow(CommandContext&) {
  // Filled in with the routing reports: show ip route, protocols, interface, ospf, eigrp.
}

}  // namespace zorva
