// The configuration commands where a transcript cannot show them: the values stored, the log lines
// of numbers that do not fit, table limits, a selection outside the table, and the register's
// text. What typing shows is in interfaces.out and the other scenario transcripts.
#include "commands/config_register.h"
#include "commands/interface_config.h"
#include "commands/routing_config.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

// Serial0, Serial1, Ethernet0 at indexes 1, 2, 3.
class InterfaceConfig : public CommandFixture {};

TEST_F(InterfaceConfig, OspfValuesRoundHalfToEvenAndOverflowIsLoggedAndSkipped) {
  select_interface(1);
  run("ip ospf priority 5", {"ip", "ospf", "priority"});
  run("ip ospf cost 2.5", {"ip", "ospf", "cost"});
  EXPECT_EQ(interface(1).ospf_priority, 5);
  EXPECT_EQ(interface(1).ospf_cost, 2);
  run("ip ospf priority 99999", {"ip", "ospf", "priority"});
  run("ip ospf cost ten", {"ip", "ospf", "cost"});
  EXPECT_EQ(interface(1).ospf_priority, 5);
  EXPECT_EQ(interface(1).ospf_cost, 2);
  EXPECT_NE(log_text().find("exec cmd() - 6 - Overflow"), std::string::npos);
}

TEST_F(InterfaceConfig, SelectionOutsideTheTableIsLoggedNotWritten) {
  router().cur_if_index = 51;
  router().mode = kModeSerial;
  run("shutdown", {"shutdown"});
  run("ip address 10.1.1.1 255.0.0.0", {"ip", "address"});
  EXPECT_NE(log_text().find("exec cmd() - 9 - "), std::string::npos);
  EXPECT_NE(log_text().find("ip address set interface() - 9 - "), std::string::npos);
}

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

TEST(IsRegisterValid, AcceptsZeroXAndUpToEightLowerCaseHexDigits) {
  const std::pair<const char*, const char*> valid[] = {
      {"0x", ""}, {"0x12345678", "12345678"}, {"0xabcdef09", "abcdef09"}};
  for (const auto& [typed, digits] : valid) {
    std::string text = typed;
    EXPECT_TRUE(is_register_valid(text)) << typed;
    EXPECT_EQ(text, digits) << typed;
  }
  for (const char* typed :
       {"0x123456789", "0x214g", "0x214A", "0X2142", "1x2142", "2142", "0", "", "0x 12"}) {
    std::string text = typed;
    EXPECT_FALSE(is_register_valid(text)) << typed;
  }
}

}  // namespace
}  // namespace zorva::testing
