#include "tests/support/rip_ospf_chain.h"

namespace zorva::testing {

const char* const kThreeRouterChain = R"([GENERAL]
numberofrouters=3
numberofconnectors=2
[ROUTER1]
Serial=1
Ethernet=1
[ROUTER2]
Serial=1
Ethernet=1
[ROUTER3]
Serial=1
Ethernet=1
[CONNECTOR1]
connectortype=serial
dev1name=Router1
dev1interface=Serial0
dev2name=Router2
dev2interface=Serial0
[CONNECTOR2]
connectortype=ethernet
dev1name=Router2
dev1interface=Ethernet0
dev2name=Router3
dev2interface=Ethernet0
)";

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

void configure_three_router_chain(TestSimulation& t) {
  configure_rip_ospf(t, 1, {{"s0", "10.1.12.1"}});
  configure_rip_ospf(t, 2, {{"s0", "10.1.12.2"}, {"e0", "10.1.23.2"}});
  configure_rip_ospf(t, 3, {{"e0", "10.1.23.3"}});
}

}  // namespace zorva::testing
