// router and network commands: modes, process numbers, network lists and their limits.
#include "commands/routing_config.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class RoutingConfig : public CommandFixture {};

TEST_F(RoutingConfig, RouterWithoutAUsableNumberStaysInGlobalMode) {
  struct Case {
    const char* protocol;  // word 2
    const char* rest;      // what follows it
    const char* message;   // the output
  };
  // router igrp and router eigrp without a number are in net_bad_input.out.
  const Case cases[] = {
      {"ospf", "", "\r\n% Incomplete command.\r\n"},
      {"ospf", " one", "\r\n\r\n% Invalid input detected at '^' marker.\r\n"},
  };
  for (const Case& c : cases) {
    run(std::string("router ") + c.protocol + c.rest, {"router", c.protocol}, kModeGlobal);
    EXPECT_EQ(output(), c.message) << c.protocol << c.rest;
    EXPECT_EQ(router().mode, kModeGlobal) << c.protocol << c.rest;
  }
  run("router ospf 99999", {"router", "ospf"}, kModeGlobal);  // too large: logged, mode entered
  EXPECT_EQ(router().mode, kModeOspf);
  EXPECT_EQ(router().protocols.ospf_process_numbers[1], 0);
  EXPECT_NE(log_text().find("exec cmd() - 6 - Overflow"), std::string::npos);
}

TEST_F(RoutingConfig, ClassfulNetworksAreStoredOnceAndInvalidOnesRefused) {
  run("router igrp 1", {"router", "igrp"}, kModeGlobal);
  run("network 10.1.1", {"network"});
  EXPECT_EQ(output(), "\r\n% Invalid input detected at '^' marker.");
  EXPECT_FALSE(is_set(router().protocols.igrp_enabled));
  run("network 10.1.2.3", {"network"});
  run("network 10.9.9.9", {"network"});
  const ProtocolBlock& p = router().protocols;
  EXPECT_EQ(p.igrp_network_count, 1);
  EXPECT_EQ(p.igrp_networks[1], "10.0.0.0");
  EXPECT_TRUE(is_set(p.igrp_enabled));
  EXPECT_FALSE(output_pending());
}

TEST_F(RoutingConfig, EleventhNetworkIsRefusedAndLogged) {
  run("router rip", {"router", "rip"}, kModeGlobal);
  for (int i = 1; i <= 11; ++i) run("network " + std::to_string(i) + ".0.0.0", {"network"});
  EXPECT_EQ(router().protocols.rip_network_count, 10);
  EXPECT_NE(log_text().find("add rip network() - 9 - "), std::string::npos);
}

TEST_F(RoutingConfig, EigrpEntryKeepsItsNumberAndForgetsNeighbours) {
  router().protocols.eigrp_neighbor_count = 3;
  run("router eigrp 100", {"router", "eigrp"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeEigrp);
  EXPECT_EQ(router().protocols.eigrp_process_numbers[1], 100);
  EXPECT_EQ(router().protocols.eigrp_neighbor_count, 0);
}

TEST_F(RoutingConfig, NoRouterClearsOnlyTheSwitch) {
  run("router rip", {"router", "rip"}, kModeGlobal);
  run("network 10.0.0.0", {"network"});
  run("no router rip", {"router", "rip"}, kModeGlobal);
  EXPECT_FALSE(is_set(router().protocols.rip_enabled));
  EXPECT_EQ(router().protocols.rip_network_count, 1);
  EXPECT_EQ(router().mode, kModeGlobal);
  run("router rip", {"router", "rip"});
  run("network 10.0.0.0", {"network"});
  EXPECT_FALSE(is_set(router().protocols.rip_enabled));  // already listed: nothing changes
  run("network 11.0.0.0", {"network"});
  EXPECT_TRUE(is_set(router().protocols.rip_enabled));
}

TEST_F(RoutingConfig, OspfNetworkStoresNetworkWildcardAreaAndBits) {
  run("router ospf 1", {"router", "ospf"}, kModeGlobal);
  run("network 10.1.1.77 0.0.0.255 area 0", {"network"});
  run("network 10.1.1.5 0.0.0.255 area 1", {"network"});
  run("network 10.2.2.0 0.0.0.2 area 00", {"network"});
  const ProtocolBlock& p = router().protocols;
  ASSERT_EQ(p.ospf_network_count, 2);
  EXPECT_EQ(p.ospf_networks[1].network, "10.1.1.0");
  EXPECT_EQ(p.ospf_networks[1].wildcard, "0.0.0.255");
  EXPECT_EQ(p.ospf_networks[1].area, "0");
  EXPECT_EQ(p.ospf_networks[1].wildcard_bits, "8");
  EXPECT_EQ(p.ospf_networks[2].wildcard_bits, "0x2");
  EXPECT_EQ(p.ospf_networks[2].area, "0");
}

TEST_F(RoutingConfig, OspfNetworkRefusals) {
  run("router ospf 1", {"router", "ospf"}, kModeGlobal);
  const std::pair<const char*, const char*> cases[] = {
      {"network 10.1.1.0 0.0.0.255", "\r\n% Incomplete commmand."},
      {"network 10.1.1 0.0.0.255 area 0", "\r\n% Invalid input detected at '^' marker."},
      {"network 10.1.1.0 0.0.0.255 area backbone", ""},
      {"network 10.1.1.0 0.0.0.255 area 70000", ""},
  };
  for (const auto& [line, message] : cases) {
    run(line, {"network"});
    EXPECT_EQ(output(), message) << line;
  }
  EXPECT_EQ(router().protocols.ospf_network_count, 0);
  EXPECT_NE(log_text().find("add ospf network() - 13 - "), std::string::npos);
  EXPECT_NE(log_text().find("add ospf network() - 6 - "), std::string::npos);
}

TEST_F(RoutingConfig, SixteenthOspfNetworkIsRefused) {
  run("router ospf 1", {"router", "ospf"}, kModeGlobal);
  for (int i = 1; i <= 16; ++i)
    run("network 10." + std::to_string(i) + ".0.0 0.0.255.255 area 0", {"network"});
  EXPECT_EQ(router().protocols.ospf_network_count, 15);
  EXPECT_NE(log_text().find("add ospf network() - 9 - "), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
