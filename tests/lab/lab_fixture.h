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

// What a student types into router 1, then router 2, of kTwoRouters ("\r" is Enter).
inline constexpr const char* kFullLabRouter1 =
    "\renable\rconfigure terminal\rhostname Alpha\renable secret class\r"
    "enable password student\rusername ann password one\rusername bob password two\r"
    "line console 0\rpassword console\rline vty 0 4\rpassword telnet\rline aux 0\r"
    "password aux\rexit\rbanner motd #\rAuthorized students only #\rconfig-register 0x2142\r"
    "no cdp advertise-v2\rcdp holdtime 240\rcdp timer 30\rinterface serial 0\r"
    "description link to Bravo\rip address 10.1.1.1 255.255.255.0\rip ospf cost 50\r"
    "ip ospf priority 5\rno shutdown\rinterface ethernet 0\r"
    "ip address 192.168.1.1 255.255.255.0\rno cdp enable\rno shutdown\rinterface serial 1\r"
    "description spare\rencapsulation ppp\rppp authentication chap\rexit\rrouter rip\r"
    "network 10.0.0.0\rnetwork 192.168.1.0\rrouter igrp 7\rnetwork 10.0.0.0\rrouter eigrp 9\r"
    "network 192.168.1.0\rrouter ospf 3\rnetwork 10.1.1.0 0.0.0.255 area 0\r"
    "network 192.168.1.0 0.0.0.255 area 1\rexit\rip route 172.16.0.0 255.255.0.0 10.1.1.2\r"
    "ip route 10.9.0.0 255.255.0.0 10.1.1.2\rend\rcopy running-config startup-config\r"
    "configure terminal\rhostname AlphaAfterSave\rend\r";

inline constexpr const char* kFullLabRouter2 =
    "\renable\rconfigure terminal\rhostname Bravo\renable secret class\rno cdp run\r"
    "interface serial 0\rip address 10.1.1.2 255.255.255.0\rno shutdown\r"
    "interface ethernet 0\rip address 192.168.1.2 255.255.255.0\rno shutdown\rend\r";

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
  t.type(kFullLabRouter1);
  t.sim->active_router = 2;
  t.type(kFullLabRouter2);
  t.sim->scheduler.advance(60'000);
}

}  // namespace zorva::testing
