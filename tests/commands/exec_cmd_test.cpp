// The dispatcher: mode transitions, enable, passwords and the words that only leave work for the
// console. What the scenario transcripts show (host name, banner, secrets, the user table, saving
// and erasing) is not repeated here.
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class ExecCmd : public CommandFixture {};

TEST_F(ExecCmd, ModeTransitionsTheTranscriptsDoNotShow) {
  struct Transition {
    int from;                             // mode before the command
    const char* line;                     // the typed line
    std::vector<std::string> full_words;  // database spellings of the keywords
    int to;                               // mode afterwards
    const char* prompt;                   // prompt afterwards
  };
  const Transition cases[] = {
      {kModePrivileged, "exit", {"exit"}, kModeUser, ">"},
      {kModePrivileged, "logout", {"logout"}, kModeUser, ">"},
      {kModeUser, "exit", {"exit"}, kModeUser, ">"},
      {kModeUser, "logout", {"logout"}, kModeUser, ">"},
      {kModeLoggedOut, "exit", {"exit"}, kModeLoggedOut, "Press Enter"},
      {kModeGlobal, "enable", {"enable"}, kModePrivileged, "#"},
      {kModePrivileged, "disable", {"disable"}, kModeUser, ">"},
      {kModeAux, "exit", {"exit"}, kModeGlobal, "(config)#"},
      // Global commands typed in a sub-mode: the line, interface or router mode they name, or
      // back to global configuration.
      {kModeSerial, "line vty 0 4", {"line", "vty"}, kModeVty, "(config-line)#"},
      {kModeConsole, "line aux 0", {"line", "aux"}, kModeAux, "(config-line)#"},
      {kModeRip, "hostname R1", {"hostname"}, kModeGlobal, "(config)#"},
      {kModeEthernet,
       "ip route 10.0.0.0 255.0.0.0 1.1.1.1",
       {"ip", "route"},
       kModeGlobal,
       "(config)#"},
      {kModeEthernet,
       "ip address 10.0.0.1 255.0.0.0",
       {"ip", "address"},
       kModeEthernet,
       "(config-if)#"},
      {kModeVty, "username bob password x", {"username"}, kModeGlobal, "(config)#"},
      {kModeSerial, "enable secret x", {"enable", "secret"}, kModeGlobal, "(config)#"},
      {kModeOspf, "router rip", {"router", "rip"}, kModeRip, "(config-router)#"},
      {kModeEthernet, "interface s0", {"interface"}, kModeSerial, "(config-if)#"},
      {kModeEthernet, "interface x9", {"interface"}, kModeEthernet, "(config-if)#"},
  };
  for (const Transition& t : cases) {
    run(t.line, t.full_words, t.from);
    EXPECT_EQ(router().mode, t.to) << t.line << " from " << t.from;
    EXPECT_EQ(router().prompt, t.prompt) << t.line << " from " << t.from;
  }
}

TEST_F(ExecCmd, EnableAsksWhenAPasswordOrOnlyASecretIsSetAndBlanksCountAsNone) {
  router().enable_password = "  ";
  run("enable", {"enable"}, kModeUser);
  EXPECT_EQ(router().mode, kModePrivileged);
  EXPECT_EQ(router().password_state, 0);

  router().enable_password = "";
  router().enable_secret = "tfdsfu";
  router().password_tries = 3;
  run("enable", {"enable"}, kModeUser);
  EXPECT_EQ(router().mode, kModeUser);
  EXPECT_EQ(router().password_state, 1);
  EXPECT_EQ(router().password_tries, 0);
}

TEST_F(ExecCmd, PasswordsAreStoredLowerCaseAndOnlyInTheirModes) {
  router().enable_secret = "old";
  run("enable password SeCret", {"enable", "password"}, kModeGlobal);
  EXPECT_EQ(router().enable_password, "secret");
  EXPECT_EQ(router().mode, kModeGlobal);
  run(std::string("enable secret a\xff"), {"enable", "secret"});  // \xff has no successor
  EXPECT_EQ(router().enable_secret, "old");
  EXPECT_NE(log_text().find("enable commands() - 5 - "), std::string::npos);

  run("enable password x", {"enable", "password"}, kModePrivileged);
  run("password glob", {"password"}, kModeGlobal);
  const RouterRecord& r = router();
  EXPECT_EQ(r.enable_password, "secret");
  EXPECT_EQ(r.console_password + r.vty_password + r.aux_password, "");
}

// Ping, static routes and the ARP cache reach the network as typed requests; a line that names no
// route or address prints its error and asks nothing. Serial1 is interface 2.
TEST_F(ExecCmd, NetworkWorkIsRequestedWithTypedValues) {
  constexpr Behaviour kC = Behaviour::Classic, kR = Behaviour::RealRouter;
  constexpr const char* kInvalid = "\r\n% Invalid input detected at '^' marker.";
  struct Case {
    Behaviour behaviour;
    const char* line;
    const char* request;  // "" for none
    const char* output = "";
  };
  // clang-format off
  const Case cases[] = {
      {kC, "clear arp-cache", "clear arp"},
      {kC, "show arp", "show arp"},
      {kC, "ping 10.1.1.1", "ping 10.1.1.1"},
      {kC, "ping 10.1.1.256", "", "\r\n% Unrecognized host or address, or protocol not running.\r\n"},
      {kC, "ip route 10.0.0.0 255.0.0.0 1.1.1.1", "route 10.0.0.0/8 via 1.1.1.1=0.0.0.0 if 0 distance 1"},
      {kC, "ip route 10.0.0.0 255.0.0.0 1.1.1.1 120", "route 10.0.0.0/8 via 1.1.1.1=0.0.0.0 if 0 distance 120"},
      // A distance that is no number, or too large, is logged and the route keeps distance 1.
      {kC, "ip route 10.0.0.0 255.0.0.0 1.1.1.1 far", "route 10.0.0.0/8 via 1.1.1.1=0.0.0.0 if 0 distance 1"},
      {kC, "ip route 10.0.0.0 255.0.0.0 1.1.1.1 40000", "route 10.0.0.0/8 via 1.1.1.1=0.0.0.0 if 0 distance 1"},
      {kC, "ip route 10.0.0.0 255.0.0.0 serial1", "", kInvalid},
      {kR, "ip route 10.0.0.0 255.0.0.0 1.1.1.1", "route 10.0.0.0/8 via 1.1.1.1=1.1.1.1 if 0 distance 1"},
      {kR, "ip route 10.1.1.1 255.255.255.255 1.1.1.1", "route 10.1.1.1/32 via 1.1.1.1=1.1.1.1 if 0 distance 1"},
      {kR, "ip route 0.0.0.0 0.0.0.0 s1 250", "route 0.0.0.0/0 via =0.0.0.0 if 2 distance 250"},
      {kR, "ip route 10.0.0.0 255.0.0.0 serial 1 5", "route 10.0.0.0/8 via =0.0.0.0 if 2 distance 5"},
      {kR, "no ip route 10.0.0.0 255.0.0.0 1.1.1.1", "remove 10.0.0.0/8 via 1.1.1.1=1.1.1.1 if 0 distance 1"},
      {kR, "ip route 10.0.0.1 255.0.0.0 1.1.1.1", "", "\r\n%Inconsistent address and mask"},
      // A real router points at the word it refuses, under "Router(config)#" and the line.
      {kR, "ip route 10.0.0.0 255.0.255.0 1.1.1.1", "", "\r\n                                 ^\r\n% Invalid input detected at '^' marker.\r\n"},
      {kR, "ip route 10.0.0.0 255.0.0.0 serial 7", "", "\r\n                                           ^\r\n% Invalid input detected at '^' marker.\r\n"},
  };
  // clang-format on
  for (const Case& c : cases) {
    behaviour_ = c.behaviour;
    requests_.calls.clear();
    // The keywords as the database spells them: "ip route", else the words before an address.
    const std::string line = c.line;
    const bool route = line.find("ip route") != std::string::npos;
    std::vector<std::string> keywords = {"ip", "route"};
    if (!route) keywords = {line.substr(0, line.find(' '))};
    if (!route && line.find(' ') != std::string::npos && line.rfind("ping", 0) != 0)
      keywords.push_back(line.substr(line.find(' ') + 1));
    run(c.line, keywords, route ? kModeGlobal : kModePrivileged);
    const std::vector<std::string> wanted =
        *c.request ? std::vector<std::string>{c.request} : std::vector<std::string>{};
    EXPECT_EQ(requests_.calls, wanted) << c.line;
    EXPECT_EQ(output(), c.output) << c.line;
    EXPECT_EQ(router().pending_action, PendingAction::None) << c.line;
  }
}

}  // namespace
}  // namespace zorva::testing
