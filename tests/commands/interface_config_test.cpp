// Interface selection and the interface configuration commands.
#include "commands/interface_config.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

// Serial0, Serial1, Ethernet0 at indexes 1, 2, 3.
class InterfaceConfig : public CommandFixture {};

struct NameCase {
  const char* name;    // word 2 of the interface command
  const char* second;  // word 3
  bool found;          // an interface is selected
  int index;           // its table index when found
};

class ParseInterface : public CommandFixture, public ::testing::WithParamInterface<NameCase> {};

TEST_P(ParseInterface, SelectsByTypeLetterAndNumber) {
  const NameCase& c = GetParam();
  const InterfaceLookup got = parse_interface(sim_, c.name, c.second);
  EXPECT_EQ(got.found, c.found) << c.name << " " << c.second;
  if (c.found) {
    EXPECT_EQ(got.index, c.index) << c.name << " " << c.second;
    EXPECT_FALSE(output_pending());
  } else {
    EXPECT_EQ(output(), "\r\nInvalid Command") << c.name << " " << c.second;
  }
}

INSTANTIATE_TEST_SUITE_P(
    InterfaceConfig, ParseInterface,
    ::testing::Values(NameCase{"e0", "", true, 3}, NameCase{"ethernet0", "", true, 3},
                      NameCase{"ethernet", "0", true, 3}, NameCase{"s1", "", true, 2},
                      NameCase{"serial", "1", true, 2}, NameCase{"SERIAL", "0", true, 1},
                      NameCase{"se", "1.0", true, 2}, NameCase{"serial10", "", false, 0},
                      NameCase{"x0", "", false, 0}, NameCase{"s2", "", false, 0},
                      NameCase{"bri0", "", false, 0}, NameCase{"serial", "", false, 0},
                      NameCase{"serial", "one", false, 0}, NameCase{"0", "", false, 0},
                      NameCase{"", "", false, 0}));

TEST_F(InterfaceConfig, InterfaceCommandSelectsAndEntersTheTypesMode) {
  run("interface s1", {"interface"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeSerial);
  EXPECT_EQ(router().prompt, "(config-if)#");
  EXPECT_EQ(router().cur_if_index, 2);
  EXPECT_EQ(router().cur_if_type, "SERIAL");
  EXPECT_EQ(router().cur_if_number, 1);
  run("interface ethernet 0", {"interface"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeEthernet);
  EXPECT_EQ(router().cur_if_index, 3);
}

TEST_F(InterfaceConfig, UnknownInterfaceKeepsModeAndSelection) {
  run("interface s0", {"interface"}, kModeGlobal);
  run("exit", {"exit"});
  run("interface x0", {"interface"});
  EXPECT_EQ(output(), "\r\nInvalid Command");
  EXPECT_EQ(router().mode, kModeGlobal);
  EXPECT_EQ(router().cur_if_index, 1);
}

TEST_F(InterfaceConfig, IpAddressSetsAddressMaskPrefixAndNetwork) {
  select_interface(3);
  run("ip address 10.1.1.77 255.255.255.0", {"ip", "address"});
  const InterfaceEntry& e = interface(3);
  EXPECT_EQ(e.ip_address, "10.1.1.77");
  EXPECT_EQ(e.subnet_mask, "255.255.255.0");
  EXPECT_EQ(e.prefix_length, 24);
  EXPECT_EQ(e.network_address, "10.1.1.0");
  EXPECT_EQ(e.network_value, 167837952.0);
  EXPECT_FALSE(output_pending());
}

TEST_F(InterfaceConfig, IpAddressRefusalsPrintIncompleteAndKeepTheOldAddress) {
  select_interface(1);
  run("ip address 10.1.1.1 255.255.255.0", {"ip", "address"});
  for (const char* line :
       {"ip address 10.2.2.2", "ip address 10.2.2.2 255.255.255.255", "ip address 10.2.2.2 0.0.0.0",
        "ip address 1.2.3.4.5 255.0.0.0", "ip address 10.2.2.300 255.0.0.0",
        "ip address 10.2.2.2 255.0.255.0", "ip address"}) {
    run(line, {"ip", "address"});
    EXPECT_EQ(output(), "\r\n% Incomplete command.") << line;
    EXPECT_EQ(interface(1).ip_address, "10.1.1.1") << line;
    EXPECT_EQ(interface(1).prefix_length, 24) << line;
  }
}

TEST_F(InterfaceConfig, ShutdownTwicePrintsOnce) {
  select_interface(1);
  interface(1).shutdown = kFalse;
  run("shutdown", {"shutdown"});
  EXPECT_EQ(output(),
            "\r\n%LINK-5-CHANGED: Interface Serial0, changed state to administratively down");
  EXPECT_TRUE(is_set(interface(1).shutdown));
  run("shutdown", {"shutdown"});
  EXPECT_FALSE(output_pending());
}

TEST_F(InterfaceConfig, NoShutdownBringsTheInterfaceUpOnce) {
  select_interface(3);
  run("no shutdown", {"shutdown"});
  EXPECT_EQ(output(), "\r\n%LINK-3-UPDOWN: Interface Ethernet0, changed state to up");
  const InterfaceEntry& e = interface(3);
  EXPECT_FALSE(is_set(e.shutdown));
  EXPECT_EQ(e.status, "up");
  EXPECT_EQ(e.line_protocol, "up");
  EXPECT_EQ(e.keepalive_misses, 0);
  run("no shutdown", {"shutdown"});
  EXPECT_FALSE(output_pending());
}

TEST_F(InterfaceConfig, DescriptionKeepsCaseAndBlanks) {
  select_interface(2);
  run("  description Link to  HQ Router  ", {"description"});
  EXPECT_EQ(interface(2).description, "Link to  HQ Router");
}

TEST_F(InterfaceConfig, NegatedDescriptionKeepsItsLeadingWord) {
  select_interface(2);
  run("no description old text", {"description"});
  EXPECT_EQ(interface(2).description, "description old text");
}

TEST_F(InterfaceConfig, VeryLongDescriptionIsStoredWhole) {
  select_interface(2);
  const std::string text(5000, 'd');
  run("description " + text, {"description"});
  EXPECT_EQ(interface(2).description, text);
}

TEST_F(InterfaceConfig, DescriptionOutsideConfigurationSubmodesIsIgnored) {
  router().cur_if_index = 2;
  run("description x", {"description"}, kModeGlobal);
  EXPECT_EQ(interface(2).description, "");
}

TEST_F(InterfaceConfig, EncapsulationPppAndBackToHdlcEvenOnEthernet) {
  select_interface(3);
  run("encapsulation ppp", {"encapsulation", "ppp"});
  EXPECT_EQ(interface(3).encapsulation, "PPP");
  EXPECT_EQ(interface(3).encapsulation_shown, "PPP");
  EXPECT_EQ(interface(3).line_encapsulation, "PPP");
  run("no encapsulation ppp", {"encapsulation", "ppp"});
  EXPECT_EQ(interface(3).encapsulation, "HDLC");
  EXPECT_EQ(interface(3).encapsulation_shown, "HDLC");
  EXPECT_EQ(interface(3).line_encapsulation, "HDLC");
}

TEST_F(InterfaceConfig, OtherEncapsulationsChangeNothing) {
  select_interface(1);
  run("encapsulation frame-relay", {"encapsulation", "frame-relay"});
  EXPECT_EQ(interface(1).encapsulation, "HDLC");
}

TEST_F(InterfaceConfig, PppAuthenticationChapEvenWhenNegated) {
  select_interface(1);
  run("no ppp authentication chap", {"ppp", "authentication", "chap"});
  EXPECT_EQ(interface(1).ppp_authentication, "CHAP");
}

TEST_F(InterfaceConfig, OspfPriorityAndCostAreStored) {
  select_interface(1);
  run("ip ospf priority 5", {"ip", "ospf", "priority"});
  run("ip ospf cost 100", {"ip", "ospf", "cost"});
  EXPECT_EQ(interface(1).ospf_priority, 5);
  EXPECT_EQ(interface(1).ospf_cost, 100);
  run("ip ospf cost 2.5", {"ip", "ospf", "cost"});
  EXPECT_EQ(interface(1).ospf_cost, 2);  // rounded half to even
}

TEST_F(InterfaceConfig, OspfPriorityOutOfRangeIsLoggedAndSkipped) {
  select_interface(1);
  run("ip ospf priority 99999", {"ip", "ospf", "priority"});
  EXPECT_EQ(interface(1).ospf_priority, 1);
  EXPECT_FALSE(output_pending());
  EXPECT_NE(log_text().find("exec cmd() - 6 - Overflow"), std::string::npos);
}

TEST_F(InterfaceConfig, OspfCostInLettersPrintsInvalidInput) {
  select_interface(1);
  run("ip ospf cost ten", {"ip", "ospf", "cost"});
  EXPECT_EQ(output(), "\r\n\r\n% Invalid input detected at '^' marker.");
  EXPECT_EQ(interface(1).ospf_cost, 64);
}

TEST_F(InterfaceConfig, SelectionOutsideTheTableIsLoggedNotWritten) {
  router().cur_if_index = 51;
  router().mode = kModeSerial;
  run("shutdown", {"shutdown"});
  run("ip address 10.1.1.1 255.0.0.0", {"ip", "address"});
  EXPECT_NE(log_text().find("exec cmd() - 9 - "), std::string::npos);
  EXPECT_NE(log_text().find("ip address set interface() - 9 - "), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
