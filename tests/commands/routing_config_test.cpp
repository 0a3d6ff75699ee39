// router and network commands: modes, process numbers, network lists and their limits.
#include "commands/routing_config.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class RoutingConfig : public CommandFixture {};

// "router ospf" without a number or with a word is in interfaces.out; one too large for the process
// number is logged and the mode entered with none.
TEST_F(RoutingConfig, AProcessNumberTooLargeIsLoggedAndTheModeEntered) {
  run("router ospf 99999", {"router", "ospf"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeOspf);
  EXPECT_EQ(router().protocols.ospf_process_numbers[1], 0);
  EXPECT_NE(log_text().find("exec cmd() - 6 - Overflow"), std::string::npos);
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

// The refusals' messages are in interfaces.out; an area that is no number, or too large, is
// logged and stores nothing.
TEST_F(RoutingConfig, OspfAreasThatAreNoNumberAreLoggedAndStoreNothing) {
  run("router ospf 1", {"router", "ospf"}, kModeGlobal);
  run("network 10.1.1.0 0.0.0.255 area backbone", {"network"});
  run("network 10.1.1.0 0.0.0.255 area 70000", {"network"});
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
