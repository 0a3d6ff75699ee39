#include "network/console_work.h"

#include "router/router.h"

namespace zorva {

// The routing table arrives with the network engine; until then a static route is accepted and
// forgotten.
void set_ip_route(Router& r, const std::string&, const std::string&, const std::string&,
                  const std::string&) {
  r.record.pending_action = PendingAction::None;
}

void Clear_Arp_Table(Router& r) {
  r.record.pending_action = PendingAction::None;
}

void Build_Show_Arp(Router& r) {
  r.record.pending_action = PendingAction::None;
}

void ip_ping_execute(Router& r) {
  r.record.pending_action = PendingAction::None;
}

}  // namespace zorva
