// Initialize_Router_to_Defaults: what a reload without saving clears and what it keeps. The reload
// transcript shows the host name, enable password, RIP and one interface address cleared and
// OSPF kept; the fields below are the ones no transcript looks at.
#include "commands/factory_defaults.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class FactoryDefaults : public CommandFixture {};

TEST_F(FactoryDefaults, ClearsTheConfigurationButKeepsOspfCdpTimerUsersAndMode) {
  RouterRecord& r = router();
  r.aux_password = r.console_password = r.vty_password = r.enable_secret = r.banner_motd =
      r.startup_config = "x";
  r.config_register = "0x2142";
  r.cdp_neighbor_count = r.route_count = r.learned_route_count = 2;
  r.username_count = r.history.exec_count = r.history.config_count = 1;
  r.usernames[1] = "ann";
  r.mode = kModeGlobal;
  r.cdp_timer = 30;
  ProtocolBlock& p = r.protocols;
  p.igrp_enabled = p.eigrp_enabled = p.ospf_enabled = kTrue;
  p.igrp_network_count = p.eigrp_network_count = p.eigrp_neighbor_count = 1;
  p.ospf_network_count = p.ospf_neighbor_count = 1;
  for (int i = 1; i <= r.interface_count; ++i) {
    InterfaceEntry& e = r.interfaces[i];
    e.description = e.network_address = e.subnet_mask = "x";
    e.network_value = 167772160u;
    e.eigrp_state = e.igrp_state = e.ospf_state = kTrue;
    e.rip_state = e.shutdown = kFalse;
    e.status = e.line_protocol = LinkState::Up;
    e.encapsulation = Encapsulation::Ppp;
    e.ospf_cost = 100;
  }

  Initialize_Router_to_Defaults(r);

  EXPECT_EQ(r.aux_password + r.console_password + r.vty_password + r.enable_secret + r.banner_motd +
                r.startup_config,
            "");
  EXPECT_EQ(r.config_register, "0X2102");
  EXPECT_EQ(r.cdp_neighbor_count + r.route_count + r.learned_route_count, 0);
  EXPECT_EQ(r.username_count + r.history.exec_count + r.history.config_count, 0);
  EXPECT_FALSE(is_set(p.igrp_enabled) || is_set(p.eigrp_enabled));
  EXPECT_EQ(p.igrp_network_count + p.eigrp_network_count + p.eigrp_neighbor_count, 0);
  for (int i = 1; i <= r.interface_count; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    EXPECT_EQ(e.description + e.network_address + e.subnet_mask, "") << i;
    EXPECT_EQ(e.network_value, 0u) << i;
    EXPECT_FALSE(is_set(e.eigrp_state) || is_set(e.igrp_state)) << i;
    EXPECT_TRUE(is_set(e.rip_state) && is_set(e.shutdown)) << i;
    EXPECT_EQ(e.line_protocol, LinkState::Down) << i;
    // Kept: the interface's own settings.
    EXPECT_TRUE(is_set(e.ospf_state)) << i;
    EXPECT_EQ(e.status, LinkState::Up) << i;
    EXPECT_EQ(e.encapsulation, Encapsulation::Ppp) << i;
    EXPECT_EQ(e.ospf_cost, 100) << i;
  }
  EXPECT_TRUE(is_set(p.ospf_enabled));
  EXPECT_EQ(p.ospf_network_count + p.ospf_neighbor_count, 2);
  EXPECT_EQ(r.cdp_timer, 30);
  EXPECT_EQ(r.usernames[1], "ann");  // only the count is cleared
  EXPECT_EQ(r.mode, kModeGlobal);
  EXPECT_EQ(r.interface_count, 3);
}

}  // namespace
}  // namespace zorva::testing
