// A small routed network shared by the long-running tests: three routers in a chain, addressed,
// with RIP and OSPF on every interface, configured by typing as a student would.
#pragma once

#include <string>
#include <vector>

#include "tests/support/test_simulation.h"

namespace zorva::testing {

// Router1 Serial0 --- Serial0 Router2 Ethernet0 --- Ethernet0 Router3
extern const char* const kThreeRouterChain;

struct InterfaceSetup {
  const char* interface;  // as typed after "interface"
  const char* address;    // a /24 address
};

// Names router n "Rn", addresses and brings up `interfaces`, runs RIP over 10.0.0.0 and OSPF over
// each interface's /24.
void configure_rip_ospf(TestSimulation& t, int router,
                        const std::vector<InterfaceSetup>& interfaces);

// All three routers of kThreeRouterChain: 10.1.12.0/24 on the serial link, 10.1.23.0/24 on the
// Ethernet.
void configure_three_router_chain(TestSimulation& t);

}  // namespace zorva::testing
