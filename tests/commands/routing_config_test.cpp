// router and network commands: modes, process numbers, network lists and their limits.
#include "commands/routing_config.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class RoutingConfig : public CommandFixture {};

TEST_F(RoutingConfig, RipNetworkIsStoredClassfulAndOnce) {
  run("router rip", {"router", "rip"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeRip);
  EXPECT_EQ(router().prompt, "(config-router)#");
  run("network 10.1.2.3", {"network"});
  run("network 10.9.9.9", {"network"});
  const ProtocolBlock& p = router().protocols;
  EXPECT_EQ(p.rip_network_count, 1);
  EXPECT_EQ(p.rip_networks[1], "10.0.0.0");
  EXPECT_TRUE(is_set(p.rip_enabled));
  EXPECT_FALSE(output_pending());
}

TEST_F(RoutingConfig, ClassfulNetworksOfEachClass) {
  run("router eigrp 7", {"router", "eigrp"}, kModeGlobal);
  for (const char* a : {"172.16.5.1", "192.168.1.5"}) run(std::string("network ") + a, {"network"});
  const ProtocolBlock& p = router().protocols;
  EXPECT_EQ(p.eigrp_process_numbers[1], 7);
  EXPECT_EQ(p.eigrp_networks[1], "172.16.0.0");
  EXPECT_EQ(p.eigrp_networks[2], "192.168.1.0");
}

TEST_F(RoutingConfig, InvalidNetworkPrintsInvalidInput) {
  run("router igrp 1", {"router", "igrp"}, kModeGlobal);
  run("network 10.1.1", {"network"});
  EXPECT_EQ(output(), "\r\n% Invalid input detected at '^' marker.");
  EXPECT_EQ(router().protocols.igrp_network_count, 0);
  EXPECT_FALSE(is_set(router().protocols.igrp_enabled));
}

TEST_F(RoutingConfig, EleventhNetworkIsRefusedAndLogged) {
  run("router rip", {"router", "rip"}, kModeGlobal);
  for (int i = 1; i <= 11; ++i) run("network " + std::to_string(i) + ".0.0.0", {"network"});
  EXPECT_EQ(router().protocols.rip_network_count, 10);
  EXPECT_NE(log_text().find("add rip network() - 9 - "), std::string::npos);
}

TEST_F(RoutingConfig, IgrpWithoutNumberStaysInGlobalMode) {
  run("router igrp", {"router", "igrp"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeGlobal);
  EXPECT_FALSE(output_pending());
}

TEST_F(RoutingConfig, EigrpAndOspfWithoutNumberAreIncomplete) {
  for (const char* protocol : {"eigrp", "ospf"}) {
    run(std::string("router ") + protocol, {"router", protocol}, kModeGlobal);
    EXPECT_EQ(output(), "\r\n% Incomplete command.\r\n") << protocol;
    EXPECT_EQ(router().mode, kModeGlobal) << protocol;
  }
}

TEST_F(RoutingConfig, NonNumericProcessNumberIsInvalidInput) {
  run("router ospf one", {"router", "ospf"}, kModeGlobal);
  EXPECT_EQ(output(), "\r\n\r\n% Invalid input detected at '^' marker.\r\n");
  EXPECT_EQ(router().mode, kModeGlobal);
}

TEST_F(RoutingConfig, ProcessNumberTooLargeIsLoggedButTheModeIsEntered) {
  run("router ospf 99999", {"router", "ospf"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeOspf);
  EXPECT_EQ(router().protocols.ospf_process_numbers[1], 0);
  EXPECT_NE(log_text().find("exec cmd() - 6 - Overflow"), std::string::npos);
}

TEST_F(RoutingConfig, EigrpEntryForgetsNeighbours) {
  router().protocols.eigrp_neighbor_count = 3;
  run("router eigrp 100", {"router", "eigrp"}, kModeGlobal);
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
  EXPECT_TRUE(is_set(p.ospf_enabled));
  EXPECT_EQ(p.ospf_process_numbers[1], 1);
}

TEST_F(RoutingConfig, OspfNetworkWithMissingPartsIsIncomplete) {
  run("router ospf 1", {"router", "ospf"}, kModeGlobal);
  run("network 10.1.1.0 0.0.0.255", {"network"});
  EXPECT_EQ(output(), "\r\n% Incomplete commmand.");
  EXPECT_EQ(router().protocols.ospf_network_count, 0);
}

TEST_F(RoutingConfig, OspfAreaThatIsNotANumberIsLoggedAndNothingStored) {
  run("router ospf 1", {"router", "ospf"}, kModeGlobal);
  run("network 10.1.1.0 0.0.0.255 area backbone", {"network"});
  EXPECT_EQ(router().protocols.ospf_network_count, 0);
  EXPECT_NE(log_text().find("add ospf network() - 13 - "), std::string::npos);
  run("network 10.1.1.0 0.0.0.255 area 70000", {"network"});
  EXPECT_EQ(router().protocols.ospf_network_count, 0);
  EXPECT_NE(log_text().find("add ospf network() - 6 - "), std::string::npos);
}

TEST_F(RoutingConfig, OspfInvalidAddressPrintsInvalidInput) {
  run("router ospf 1", {"router", "ospf"}, kModeGlobal);
  run("network 10.1.1 0.0.0.255 area 0", {"network"});
  EXPECT_EQ(output(), "\r\n% Invalid input detected at '^' marker.");
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
