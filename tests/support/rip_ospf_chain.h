// Routers of a test network configured by typing as a student would: addressed, brought up, with
// RIP and OSPF on every interface, for the tests that need a network that converges.
#pragma once

#include <vector>

#include "tests/support/test_simulation.h"

namespace zorva::testing {

struct InterfaceSetup {
  const char* interface;  // as typed after "interface"
  const char* address;    // a /24 address
};

// Names router n "Rn", addresses and brings up `interfaces`, runs RIP over 10.0.0.0 and OSPF over
// each interface's /24.
void configure_rip_ospf(TestSimulation& t, int router,
                        const std::vector<InterfaceSetup>& interfaces);

}  // namespace zorva::testing
