// Interface selection and the interface configuration commands, beyond what the interfaces
// scenario transcript shows.
#include "commands/interface_config.h"

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

// Serial0, Serial1, Ethernet0 at indexes 1, 2, 3.
class InterfaceConfig : public CommandFixture {};

TEST_F(InterfaceConfig, ParseInterfaceReadsTypeLetterAndNumberOfAnExistingInterface) {
  struct NameCase {
    const char* name;    // word 2 of the interface command
    const char* second;  // word 3
    int index;           // the table index found, 0 for none
  };
  const NameCase cases[] = {
      {"SERIAL", "0", 1}, {"se", "1.0", 2},     {"s2", "", 0}, {"bri0", "", 0},
      {"serial", "", 0},  {"serial", "one", 0}, {"0", "", 0},  {"", "", 0},
  };
  CommandContext cmd = context();
  for (const NameCase& c : cases) {
    router().output_buffer.clear();
    const InterfaceLookup got = parse_interface(cmd, c.name, c.second);
    EXPECT_EQ(got.found, c.index != 0) << c.name << " " << c.second;
    EXPECT_EQ(output(), c.index ? "" : "\r\nInvalid Command") << c.name << " " << c.second;
    if (c.index) {
      EXPECT_EQ(got.index, c.index) << c.name << " " << c.second;
    }
  }
}

TEST_F(InterfaceConfig, InterfaceCommandSelectsAndAnUnknownNameKeepsTheSelection) {
  run("interface s1", {"interface"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeSerial);
  EXPECT_EQ(router().cur_if_index, 2);
  EXPECT_EQ(router().cur_if_type, InterfaceType::Serial);
  EXPECT_EQ(router().cur_if_number, 1);
  run("interface x0", {"interface"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModeGlobal);
  EXPECT_EQ(router().cur_if_index, 2);
}

TEST_F(InterfaceConfig, IpAddressSetsTheNetworkAndRefusalsKeepTheOldAddress) {
  select_interface(3);
  run("ip address 10.1.1.77 255.255.255.0", {"ip", "address"});
  const InterfaceEntry& e = interface(3);
  EXPECT_EQ(e.prefix_length, 24);
  EXPECT_EQ(e.network_address, "10.1.1.0");
  EXPECT_EQ(e.network_value, 167837952u);
  EXPECT_FALSE(output_pending());
  for (const char* line :
       {"ip address 10.2.2.2 255.255.255.255", "ip address 10.2.2.2 0.0.0.0",
        "ip address 10.2.2.300 255.0.0.0", "ip address 10.2.2.2 255.0.255.0", "ip address"}) {
    run(line, {"ip", "address"});
    EXPECT_EQ(output(), "\r\n% Incomplete command.") << line;
    EXPECT_EQ(e.ip_address, "10.1.1.77") << line;
    EXPECT_EQ(e.subnet_mask, "255.255.255.0") << line;
    EXPECT_EQ(e.prefix_length, 24) << line;
  }
}

TEST_F(InterfaceConfig, NoShutdownClearsKeepaliveMisses) {
  select_interface(3);
  interface(3).keepalive_misses = 3;
  run("no shutdown", {"shutdown"});
  EXPECT_EQ(interface(3).keepalive_misses, 0);
}

TEST_F(InterfaceConfig, DescriptionIsTheTrimmedLineAfterTheFirstWordEvenWhenNegated) {
  select_interface(2);
  run("  description Link to  HQ Router  ", {"description"});
  EXPECT_EQ(interface(2).description, "Link to  HQ Router");
  run("no description old text", {"description"});
  EXPECT_EQ(interface(2).description, "description old text");
  const std::string text(5000, 'd');
  run("description " + text, {"description"});
  EXPECT_EQ(interface(2).description, text);
  run("description x", {"description"}, kModeGlobal);
  EXPECT_EQ(interface(2).description, text);
}

TEST_F(InterfaceConfig, EncapsulationSwitchesPppAndHdlcOnlyAndChapStaysEvenWhenNegated) {
  select_interface(2);
  run("encapsulation ppp", {"encapsulation", "ppp"});
  run("no encapsulation ppp", {"encapsulation", "ppp"});
  EXPECT_EQ(interface(2).encapsulation, Encapsulation::Hdlc);
  EXPECT_EQ(interface(2).encapsulation_shown, Encapsulation::Hdlc);
  EXPECT_EQ(interface(2).line_encapsulation, Encapsulation::Hdlc);
  run("encapsulation ppp", {"encapsulation", "ppp"});
  run("encapsulation frame-relay", {"encapsulation", "frame-relay"});
  EXPECT_EQ(interface(2).encapsulation_shown, Encapsulation::Ppp);
  EXPECT_EQ(interface(2).line_encapsulation, Encapsulation::Ppp);
  run("no ppp authentication chap", {"ppp", "authentication", "chap"});
  EXPECT_EQ(interface(2).ppp_authentication, PppAuthentication::Chap);
}

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

}  // namespace
}  // namespace zorva::testing
