// Typing a router's addresses, RIP and OSPF, for the tests that need a converging network.
#include "tests/support/rip_ospf_chain.h"

namespace zorva::testing {

void configure_rip_ospf(TestSimulation& t, int router,
                        const std::vector<InterfaceSetup>& interfaces) {
  t.sim->active_router = router;
  t.line("enable");
  t.line("configure terminal");
  t.line("hostname R" + std::to_string(router));
  for (const InterfaceSetup& s : interfaces) {
    t.line(std::string("interface ") + s.interface);
    t.line(std::string("ip address ") + s.address + " 255.255.255.0");
    t.line("no shutdown");
    t.line("exit");
  }
  t.line("router rip");
  t.line("network 10.0.0.0");
  t.line("exit");
  t.line("router ospf 1");
  for (const InterfaceSetup& s : interfaces) {
    const std::string address = s.address;
    t.line("network " + address.substr(0, address.rfind('.')) + ".0 0.0.0.255 area 0");
  }
  t.line("end");
}

}  // namespace zorva::testing
