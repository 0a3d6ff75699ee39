// Real-router PPP authentication on a serial link: what a router puts in its PPP keepalives so
// that the far end can check it, and whether an end accepts the peer that sent a keepalive.
#pragma once

#include "state/router_record.h"

namespace zorva {

// The sender's credentials: its `username` entries (CHAP answers come from them), the CHAP name
// and default secret of the sending interface, and its PAP name and password.
void fill_ppp_credentials(const RouterRecord& sender, const InterfaceEntry& e, PacketRecord& frame);

// Why an end accepts or refuses the peer that sent a keepalive: a CHAP peer whose name the end
// holds no `username` for is refused for that, any other refusal is a wrong password.
enum class PppVerdict { Accepted, UnknownUser, WrongPassword };

PppVerdict ppp_peer_verdict(const RouterRecord& receiver, const InterfaceEntry& e,
                            const PacketRecord& frame);

// The receiving interface's authentication accepts the peer that sent `frame`.
// CHAP: the receiver holds `username <peer's CHAP name> password S`, and the peer holds
// `username <receiver's CHAP name> password S` with the same S, or has `ppp chap password S`.
// A CHAP name is the interface's `ppp chap hostname`, else the router's host name. PAP: the name
// and password the peer sends are one of the receiver's `username` entries. Without
// authentication: always.
bool ppp_peer_accepted(const RouterRecord& receiver, const InterfaceEntry& e,
                       const PacketRecord& frame);

}  // namespace zorva
