// The running configuration report, line by line and under each line's condition.
#include <gtest/gtest.h>

#include "reports/reports.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

// Serial0, Serial1, Ethernet0.
class RunningConfig : public CommandFixture {
 protected:
  std::string report() { return build_running_config(router()); }
  bool has_line(const std::string& line) {
    return report().find("\r\n" + line + "\r\n") != std::string::npos;
  }
};

TEST_F(RunningConfig, FactoryRouterReadsLineByLine) {
  const std::string expected =
      "\r\n"
      "Current configuration : 677 bytes\r\n"
      "!\r\n"
      "Version 12.1\r\n"
      "service timestamps debug uptime\r\n"
      "service timestamps log uptime\r\n"
      "no service password-encryption\r\n"
      "!\r\n"
      "hostname Router\r\n"
      "!\r\n!\r\n!\r\n!\r\n"
      "ip subnet-zero\r\n"
      "!\r\n"
      "interface Serial0\r\n"
      " no ip address\r\n"
      " no ip directed-broadcast\r\n"
      " shutdown\r\n"
      "!\r\n"
      "interface Serial1\r\n"
      " no ip address\r\n"
      " no ip directed-broadcast\r\n"
      " shutdown\r\n"
      "!\r\n"
      "interface Ethernet0\r\n"
      " no ip address\r\n"
      " no ip directed-broadcast\r\n"
      " shutdown\r\n"
      "!\r\n"
      "ip classless\r\n"
      "no ip http server\r\n"
      "!\r\n"
      "!\r\n"
      "line con 0\r\n"
      " transport input none\r\n"
      "line aux 0\r\n"
      "line vty 0 4\r\n"
      "!\r\n"
      "no scheduler allocate\r\n"
      "End\r\n";
  EXPECT_EQ(report(), expected);
}

TEST_F(RunningConfig, InterfacesAreNamedByTypeOrdinalNotStoredNumber) {
  interface(1).number = "7";
  interface(2).number = "3";
  interface(3).number = "9";
  const std::string r = report();
  const std::size_t s0 = r.find("interface Serial0\r\n");
  const std::size_t s1 = r.find("interface Serial1\r\n");
  const std::size_t e0 = r.find("interface Ethernet0\r\n");
  ASSERT_NE(s0, std::string::npos);
  ASSERT_NE(s1, std::string::npos);
  ASSERT_NE(e0, std::string::npos);
  EXPECT_LT(s0, s1);
  EXPECT_LT(s1, e0);
}

TEST_F(RunningConfig, SecretPasswordAndUsers) {
  router().enable_secret = "bcd";
  router().enable_password = "pw";
  router().username_count = 2;
  router().usernames[1] = "ann";
  router().user_passwords[1] = "one";
  router().usernames[2] = "bob";
  router().user_passwords[2] = "two";
  EXPECT_NE(report().find("hostname Router\r\nenable secret 5 bcd\r\nenable password pw\r\n!\r\n"
                          "username ann password one\r\nusername bob password two\r\n!\r\n!\r\n"
                          "!\r\n!\r\nip subnet-zero\r\n"),
            std::string::npos);
}

TEST_F(RunningConfig, ConfiguredInterfaceLines) {
  InterfaceEntry& e = interface(1);
  e.description = "To HQ";
  e.ip_address = "10.1.1.1";
  e.subnet_mask = "255.255.255.0";
  e.encapsulation = "PPP";
  e.ppp_authentication = "CHAP";
  e.shutdown = kFalse;
  EXPECT_NE(report().find("interface Serial0\r\n description To HQ\r\n ip address 10.1.1.1 "
                          "255.255.255.0\r\n no ip directed-broadcast\r\n encapsulation ppp\r\n"
                          " ppp authentication chap\r\n!\r\ninterface Serial1\r\n"),
            std::string::npos);
}

struct OspfLineCase {
  const char* line_protocol;  // the interface's line protocol
  const char* address;        // its address, "" for none
  bool ospf_on;               // OSPF switched on
  Int16 cost;                 // its OSPF cost
  Int16 priority;             // its OSPF priority
  bool cost_line;             // the cost line is expected
  bool priority_line;         // the priority line is expected
};

class RunningConfigOspfLines : public RunningConfig,
                               public ::testing::WithParamInterface<OspfLineCase> {};

TEST_P(RunningConfigOspfLines, ShowOnlyOnUpAddressedInterfacesWithOspfAndNonDefaultValues) {
  const OspfLineCase& c = GetParam();
  InterfaceEntry& e = interface(3);
  e.line_protocol = c.line_protocol;
  e.ip_address = c.address;
  e.ospf_cost = c.cost;
  e.ospf_priority = c.priority;
  router().protocols.ospf_enabled = to_flag(c.ospf_on);
  const std::string r = report();
  EXPECT_EQ(r.find("\r\n ip ospf cost " + std::to_string(c.cost) + "\r\n") != std::string::npos,
            c.cost_line);
  EXPECT_EQ(
      r.find("\r\n ip ospf priority " + std::to_string(c.priority) + "\r\n") != std::string::npos,
      c.priority_line);
}

INSTANTIATE_TEST_SUITE_P(
    RunningConfig, RunningConfigOspfLines,
    ::testing::Values(OspfLineCase{"up", "10.1.1.1", true, 10, 1, false, false},
                      OspfLineCase{"up", "10.1.1.1", true, 64, 1, false, false},
                      OspfLineCase{"up", "10.1.1.1", true, 100, 0, true, true},
                      OspfLineCase{"down", "10.1.1.1", true, 100, 5, false, false},
                      OspfLineCase{"up", "", true, 100, 5, false, false},
                      OspfLineCase{"up", "10.1.1.1", false, 100, 5, false, false}));

TEST_F(RunningConfig, RoutingSections) {
  ProtocolBlock& p = router().protocols;
  p.rip_enabled = kTrue;
  p.rip_network_count = 1;
  p.rip_networks[1] = "10.0.0.0";
  p.igrp_enabled = kFalse;  // networks of a switched-off protocol are not shown
  p.igrp_network_count = 1;
  p.igrp_networks[1] = "11.0.0.0";
  p.eigrp_enabled = kTrue;
  p.eigrp_process_numbers[1] = 100;
  p.eigrp_network_count = 1;
  p.eigrp_networks[1] = "172.16.0.0";
  p.ospf_enabled = kTrue;
  p.ospf_process_numbers[1] = 1;
  p.ospf_network_count = 2;
  p.ospf_networks[1] = {"10.1.1.0", "0.0.0.255", "0", "8"};
  p.ospf_networks[2] = {"10.2.2.0", "0.0.0.255", "1", "8"};
  EXPECT_NE(report().find(" shutdown\r\n!\r\nrouter rip\r\n 10.0.0.0\r\n!\r\nrouter eigrp 100\r\n"
                          " 172.16.0.0\r\n!\r\nrouter ospf 1\r\n network 10.1.1.0 0.0.0.255 area 0"
                          "\r\n network 10.2.2.0 0.0.0.255 area 1\r\n!\r\nip classless\r\n"),
            std::string::npos);
  EXPECT_EQ(report().find("router igrp"), std::string::npos);
  EXPECT_EQ(report().find("11.0.0.0"), std::string::npos);
}

TEST_F(RunningConfig, CdpLinesOnlyWhenChanged) {
  router().cdp_advertise_v2 = kFalse;
  router().cdp_holdtime = 120;
  router().cdp_timer = 30;
  router().cdp_run = kFalse;
  EXPECT_NE(report().find("no ip http server\r\n!\r\nno cdp advertise-v2\r\ncdp holdtime 120\r\n"
                          "cdp timer 30\r\nno cdp run\r\n!\r\nline con 0\r\n"),
            std::string::npos);
}

TEST_F(RunningConfig, BannerAndLinePasswords) {
  router().banner_motd = "Line one\r\nLine two";
  router().console_password = "c";
  router().aux_password = "a";
  router().vty_password = "v";
  EXPECT_NE(report().find("!\r\nbanner motd ^C\r\nLine one\r\nLine two^C\r\nline con 0\r\n"
                          " transport input none\r\n password c\r\nline aux 0\r\n password a\r\n"
                          "line vty 0 4\r\n password v\r\n!\r\n"),
            std::string::npos);
}

TEST_F(RunningConfig, TwoHundredLineBannerAndLongDescriptionAreWhole) {
  std::string banner;
  for (int i = 0; i < 200; ++i) banner += "banner line " + std::to_string(i) + "\r\n";
  router().banner_motd = banner;
  interface(1).description = std::string(5000, 'x');
  const std::string r = report();
  EXPECT_NE(r.find(banner + "^C\r\n"), std::string::npos);
  EXPECT_NE(r.find(" description " + std::string(5000, 'x') + "\r\n"), std::string::npos);
}

TEST_F(RunningConfig, CountsBeyondTheTablesReadOnlyTheTable) {
  router().username_count = 300;
  router().protocols.rip_enabled = kTrue;
  router().protocols.rip_network_count = 300;
  router().interface_count = 300;
  const std::string r = report();
  EXPECT_NE(r.find("interface Ethernet0"), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
