// What `debug ppp authentication` prints on a real router when a PPP link authenticates: the
// challenges, responses and verdicts each way, as PPP with CHAP or PAP worksheets have students
// watch them ("Se0 CHAP: O CHALLENGE id 3 len 23 from "R1"", "Se0 CHAP: I SUCCESS id 3 len 4").
// The lines wait in the router's console messages for the engine to print.
#pragma once

#include "network/ppp_link.h"
#include "state/router_record.h"

namespace zorva {

// Whether the router has `debug ppp authentication` on.
bool debugging_ppp_authentication(const RouterRecord& r);

// One exchange on interface `e`, whose peer sent `frame`: the directions each end's
// `ppp authentication` asks for. `mine` is this end's verdict on the peer; the peer's verdict on
// this end is printed only when `peer_known` (the peer has heard this end and says so).
struct PppExchange {
  PppVerdict mine = PppVerdict::Accepted;
  bool peer_accepts = false;
  bool peer_known = false;
  int id = 1;  // the exchange's identifier on the wire
};
void log_ppp_exchange(RouterRecord& r, const InterfaceEntry& e, const PacketRecord& frame,
                      const PppExchange& exchange);

}  // namespace zorva
