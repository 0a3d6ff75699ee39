// Initialize_Router_to_Defaults: what a reload without saving clears and what it keeps.
#include "commands/factory_defaults.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class FactoryDefaults : public CommandFixture {
 protected:
  // A router configured in every field the reset looks at.
  void configure_everything() {
    RouterRecord& r = router();
    r.aux_password = r.console_password = r.vty_password = "pw";
    r.enable_password = "en";
    r.enable_secret = "tfd";
    r.banner_motd = "Welcome";
    r.startup_config = "saved";
    r.hostname = "Lab";
    r.config_register = "0x2142";
    r.cdp_neighbor_count = 2;
    r.route_count = 3;
    r.learned_route_count = 4;
    r.usernames[1] = "ann";
    r.user_passwords[1] = "one";
    r.username_count = 1;
    r.history.exec_count = 5;
    r.history.config_count = 6;
    r.mode = kModeGlobal;
    r.prompt = "(config)#";
    r.cdp_timer = 30;
    ProtocolBlock& p = r.protocols;
    p.rip_enabled = p.igrp_enabled = p.eigrp_enabled = p.ospf_enabled = kTrue;
    p.rip_network_count = p.igrp_network_count = p.eigrp_network_count = 1;
    p.eigrp_neighbor_count = 1;
    p.ospf_network_count = 1;
    p.ospf_networks[1] = {"10.0.0.0", "0.255.255.255", "0", "24"};
    p.ospf_neighbor_count = 1;
    for (int i = 1; i <= r.interface_count; ++i) {
      InterfaceEntry& e = r.interfaces[i];
      e.description = "d";
      e.ip_address = "10.0.0.1";
      e.network_address = "10.0.0.0";
      e.subnet_mask = "255.0.0.0";
      e.network_value = 167772160.0;
      e.eigrp_state = e.igrp_state = e.ospf_state = kTrue;
      e.rip_state = kFalse;
      e.shutdown = kFalse;
      e.status = "up";
      e.line_protocol = "up";
      e.encapsulation = "PPP";
      e.ospf_cost = 100;
      e.ospf_priority = 5;
    }
  }
};

TEST_F(FactoryDefaults, ClearsTheConfiguration) {
  configure_everything();
  Initialize_Router_to_Defaults(router());
  const RouterRecord& r = router();
  for (const std::string* s :
       {&r.aux_password, &r.console_password, &r.vty_password, &r.enable_password, &r.enable_secret,
        &r.banner_motd, &r.startup_config})
    EXPECT_EQ(*s, "");
  EXPECT_EQ(r.hostname, "Router");
  EXPECT_EQ(r.config_register, "0X2102");
  EXPECT_EQ(r.cdp_neighbor_count, 0);
  EXPECT_EQ(r.route_count, 0);
  EXPECT_EQ(r.learned_route_count, 0);
  EXPECT_EQ(r.username_count, 0);
  EXPECT_EQ(r.history.exec_count, 0);
  EXPECT_EQ(r.history.config_count, 0);
  const ProtocolBlock& p = r.protocols;
  EXPECT_FALSE(is_set(p.rip_enabled) || is_set(p.igrp_enabled) || is_set(p.eigrp_enabled));
  EXPECT_EQ(p.rip_network_count + p.igrp_network_count + p.eigrp_network_count, 0);
  EXPECT_EQ(p.eigrp_neighbor_count, 0);
}

TEST_F(FactoryDefaults, ResetsEveryInterfaceAddressAndLineState) {
  configure_everything();
  Initialize_Router_to_Defaults(router());
  for (int i = 1; i <= router().interface_count; ++i) {
    const InterfaceEntry& e = interface(i);
    EXPECT_EQ(e.description, "") << i;
    EXPECT_EQ(e.ip_address, "") << i;
    EXPECT_EQ(e.network_address, "") << i;
    EXPECT_EQ(e.subnet_mask, "") << i;
    EXPECT_EQ(e.network_value, 0) << i;
    EXPECT_FALSE(is_set(e.eigrp_state) || is_set(e.igrp_state)) << i;
    EXPECT_TRUE(is_set(e.rip_state) && is_set(e.shutdown)) << i;
    EXPECT_EQ(e.line_protocol, "down") << i;
  }
}

TEST_F(FactoryDefaults, KeepsOspfCdpUsersTextsInterfacesAndMode) {
  configure_everything();
  Initialize_Router_to_Defaults(router());
  const RouterRecord& r = router();
  const ProtocolBlock& p = r.protocols;
  EXPECT_TRUE(is_set(p.ospf_enabled));
  EXPECT_EQ(p.ospf_network_count, 1);
  EXPECT_EQ(p.ospf_networks[1].network, "10.0.0.0");
  EXPECT_EQ(p.ospf_neighbor_count, 1);
  EXPECT_EQ(r.cdp_timer, 30);
  EXPECT_EQ(r.usernames[1], "ann");  // only the count is cleared
  EXPECT_EQ(r.mode, kModeGlobal);
  EXPECT_EQ(r.prompt, "(config)#");
  EXPECT_EQ(r.interface_count, 3);
  const InterfaceEntry& e = interface(1);
  EXPECT_EQ(e.name, "Serial0");
  EXPECT_EQ(e.encapsulation, "PPP");
  EXPECT_EQ(e.ospf_cost, 100);
  EXPECT_EQ(e.ospf_priority, 5);
  EXPECT_TRUE(is_set(e.ospf_state));
  EXPECT_EQ(e.status, "up");
}

}  // namespace
}  // namespace zorva::testing
