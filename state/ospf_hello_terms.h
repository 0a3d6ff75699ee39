// A real router's OSPF terms on one interface: the hello and dead intervals (10 and 40 seconds
// unless `ip ospf hello-interval` or `dead-interval` changed them; a changed hello alone makes the
// dead interval four hellos) and the authentication, the interface's own `ip ospf authentication`
// or else its area's `area N authentication`. Two routers become neighbours only on equal terms.
#pragma once

#include "base/types.h"
#include "state/router_record.h"

namespace zorva {

Int32 ospf_hello_interval(const InterfaceEntry& e);
Int32 ospf_dead_interval(const InterfaceEntry& e);

// The authentication the interface uses: never FromArea.
OspfAuthentication ospf_authentication_on(const ProtocolBlock& p, const InterfaceEntry& e);

// What the interface's hellos say: timers, authentication type and, for that type, the key.
OspfHelloTerms ospf_hello_terms(const ProtocolBlock& p, const InterfaceEntry& e);

}  // namespace zorva
