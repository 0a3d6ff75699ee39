// A two-router lab typed the way a student would, with every field a lab file keeps set to
// something other than its default on at least one router.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "lab/check_file.h"
#include "tests/support/test_simulation.h"

namespace zorva::testing {

inline const char* kTwoRouters =
    "[GENERAL]\nnumberofrouters=2\nnumberofconnectors=2\n"
    "[ROUTER1]\nSerial=2\nEthernet=1\n[ROUTER2]\nSerial=1\nEthernet=1\n"
    "[CONNECTOR1]\nconnectortype=serial\ndev1name=Router1\ndev1interface=Serial0\n"
    "dev2name=Router2\ndev2interface=Serial0\n"
    "[CONNECTOR2]\nconnectortype=ethernet\ndev1name=Router1\ndev1interface=Ethernet0\n"
    "dev2name=Router2\ndev2interface=Ethernet0\n";

// Lines typed into router 1, then router 2, of kTwoRouters.
inline std::vector<std::string> full_lab_router1() {
  return {"",
          "enable",
          "configure terminal",
          "hostname Alpha",
          "enable secret class",
          "enable password student",
          "username ann password one",
          "username bob password two",
          "line console 0",
          "password console",
          "line vty 0 4",
          "password telnet",
          "line aux 0",
          "password aux",
          "exit",
          "banner motd #",
          "Authorized students only #",
          "config-register 0x2142",
          "no cdp advertise-v2",
          "cdp holdtime 240",
          "cdp timer 30",
          "interface serial 0",
          "description link to Bravo",
          "ip address 10.1.1.1 255.255.255.0",
          "ip ospf cost 50",
          "ip ospf priority 5",
          "no shutdown",
          "interface ethernet 0",
          "ip address 192.168.1.1 255.255.255.0",
          "no cdp enable",
          "no shutdown",
          "interface serial 1",
          "description spare",
          "encapsulation ppp",
          "ppp authentication chap",
          "exit",
          "router rip",
          "network 10.0.0.0",
          "network 192.168.1.0",
          "router igrp 7",
          "network 10.0.0.0",
          "router eigrp 9",
          "network 192.168.1.0",
          "router ospf 3",
          "network 10.1.1.0 0.0.0.255 area 0",
          "network 192.168.1.0 0.0.0.255 area 1",
          "exit",
          "ip route 172.16.0.0 255.255.0.0 10.1.1.2",
          "ip route 10.9.0.0 255.255.0.0 10.1.1.2",
          "end",
          "copy running-config startup-config",
          "configure terminal",
          "hostname AlphaAfterSave",
          "end"};
}

inline std::vector<std::string> full_lab_router2() {
  return {"",
          "enable",
          "configure terminal",
          "hostname Bravo",
          "enable secret class",
          "no cdp run",
          "interface serial 0",
          "ip address 10.1.1.2 255.255.255.0",
          "no shutdown",
          "interface ethernet 0",
          "ip address 192.168.1.2 255.255.255.0",
          "no shutdown",
          "end"};
}

// The checks of a check file's text, which must read without a mistake.
inline std::vector<Check> checks_of(const std::string& text) {
  std::vector<Check> checks;
  std::istringstream in(text);
  const auto error = parse_checks(in, checks);
  EXPECT_FALSE(error) << error->line_number << ": " << error->message;
  return checks;
}

// Types the full lab into `t` and lets the lines come up.
inline void type_full_lab(TestSimulation& t) {
  t.sim->active_router = 1;
  for (const std::string& l : full_lab_router1()) t.line(l);
  t.sim->active_router = 2;
  for (const std::string& l : full_lab_router2()) t.line(l);
  t.sim->scheduler.advance(60'000);
}

}  // namespace zorva::testing
