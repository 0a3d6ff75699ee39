// Real-router PPP authentication on a serial link: what a router puts in its PPP keepalives so
// that the far end can check it, and whether an end accepts the peer that sent a keepalive.
#pragma once

#include "state/router_record.h"

namespace zorva {

// The sender's credentials: its `username` entries (CHAP answers come from them) and the PAP
// name and password of the sending interface.
void fill_ppp_credentials(const RouterRecord& sender, const InterfaceEntry& e, PacketRecord& frame);

// The receiving interface's authentication accepts the peer that sent `frame`.
// CHAP: the receiver holds `username <peer's host name> password S`, and the peer holds
// `username <receiver's host name> password S` with the same S. PAP: the name and password the
// peer sends are one of the receiver's `username` entries. Without authentication: always.
bool ppp_peer_accepted(const RouterRecord& receiver, const InterfaceEntry& e,
                       const PacketRecord& frame);

}  // namespace zorva
