// The dispatcher: mode transitions, host name, enable, passwords, users, the configuration
// memory commands and the words that only leave work for the console.
#include "commands/exec_cmd.h"

#include "reports/reports.h"
#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class ExecCmd : public CommandFixture {};

TEST_F(ExecCmd, FullWordsAreClearedAfterEveryCommand) {
  const ParsedCommand known = run("configure terminal", {"configure", "terminal"}, kModePrivileged);
  const ParsedCommand unknown = run("frobnicate a b", {"frobnicate", "a", "b"});
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(known.FullWords[i], "") << i;
    EXPECT_EQ(unknown.FullWords[i], "") << i;
  }
}

TEST_F(ExecCmd, UnknownFirstWordChangesNothing) {
  const RouterRecord before = router();
  run("frobnicate", {"frobnicate"}, kModeUser);
  EXPECT_EQ(router().mode, before.mode);
  EXPECT_FALSE(output_pending());
  EXPECT_EQ(router().pending_action, "");
}

struct Transition {
  int from;                             // mode before the command
  const char* line;                     // the typed line
  std::vector<std::string> full_words;  // database spellings of the keywords
  int to;                               // mode afterwards
  const char* prompt;                   // prompt afterwards
};

class ModeTransitions : public CommandFixture, public ::testing::WithParamInterface<Transition> {};

TEST_P(ModeTransitions, EnterTheModeWithItsPrompt) {
  const Transition& t = GetParam();
  run(t.line, t.full_words, t.from);
  EXPECT_EQ(router().mode, t.to) << t.line << " from " << t.from;
  EXPECT_EQ(router().prompt, t.prompt) << t.line << " from " << t.from;
}

INSTANTIATE_TEST_SUITE_P(
    ExecCmd, ModeTransitions,
    ::testing::Values(
        Transition{kModePrivileged, "disable", {"disable"}, kModeUser, ">"},
        Transition{kModePrivileged, "exit", {"exit"}, kModeUser, ">"},
        Transition{kModePrivileged, "logout", {"logout"}, kModeUser, ">"},
        Transition{kModePrivileged, "conf t", {"configure", "terminal"}, kModeGlobal, "(config)#"},
        Transition{kModeGlobal, "exit", {"exit"}, kModePrivileged, "#"},
        Transition{kModeSerial, "end", {"end"}, kModePrivileged, "#"},
        Transition{kModeOspf, "end", {"end"}, kModePrivileged, "#"},
        Transition{kModeUser, "end", {"end"}, kModePrivileged, "#"},
        Transition{kModeVty, "disable", {"disable"}, kModeUser, ">"},
        Transition{kModeEthernet, "exit", {"exit"}, kModeGlobal, "(config)#"},
        Transition{kModeRip, "exit", {"exit"}, kModeGlobal, "(config)#"},
        Transition{kModeAux, "exit", {"exit"}, kModeGlobal, "(config)#"},
        Transition{kModeUser, "exit", {"exit"}, kModeUser, ">"},
        Transition{kModeLoggedOut, "exit", {"exit"}, kModeLoggedOut, "Press Enter"},
        Transition{kModeUser, "logout", {"logout"}, kModeUser, ">"},
        Transition{
            kModeGlobal, "line console 0", {"line", "console"}, kModeConsole, "(config-line)#"},
        Transition{kModeGlobal, "line vty 0 4", {"line", "vty"}, kModeVty, "(config-line)#"},
        Transition{kModeGlobal, "line aux 0", {"line", "aux"}, kModeAux, "(config-line)#"},
        Transition{kModeSerial, "line vty 0 4", {"line", "vty"}, kModeSerial, "(config-if)#"},
        Transition{kModeGlobal, "router rip", {"router", "rip"}, kModeRip, "(config-router)#"},
        Transition{kModeGlobal, "interface e0", {"interface"}, kModeEthernet, "(config-if)#"},
        Transition{kModeGlobal, "interface serial 1", {"interface"}, kModeSerial, "(config-if)#"}));

TEST_F(ExecCmd, ReloadLeavesUserModeWithReloadPending) {
  run("reload", {"reload"}, kModePrivileged);
  EXPECT_EQ(router().mode, kModeUser);
  EXPECT_EQ(router().prompt, ">");
  EXPECT_EQ(router().pending_action, "RELOAD");
}

TEST_F(ExecCmd, HostnameKeepsCapitalsAndNoHostnameRestoresRouter) {
  run("hostname LabRouter-A", {"hostname"}, kModeGlobal);
  EXPECT_EQ(router().hostname, "LabRouter-A");
  run("no hostname", {"hostname"});
  EXPECT_EQ(router().hostname, "Router");
}

TEST_F(ExecCmd, EnableWithoutPasswordsEntersPrivilegedMode) {
  router().enable_password = "  ";  // blanks alone count as no password
  run("enable", {"enable"}, kModeUser);
  EXPECT_EQ(router().mode, kModePrivileged);
  EXPECT_EQ(router().prompt, "#");
  EXPECT_EQ(router().password_state, 0);
}

TEST_F(ExecCmd, EnableWithAPasswordOrSecretStartsThePasswordDialogue) {
  for (const char* field : {"password", "secret"}) {
    router().enable_password = std::string(field) == "password" ? "kolvo" : "";
    router().enable_secret = std::string(field) == "secret" ? "tfdsfu" : "";
    router().password_tries = 3;
    router().password_state = 0;
    run("enable", {"enable"}, kModeUser);
    EXPECT_EQ(router().mode, kModeUser) << field;
    EXPECT_EQ(router().password_state, 1) << field;
    EXPECT_EQ(router().password_tries, 0) << field;
  }
}

TEST_F(ExecCmd, EnableAloneInGlobalModeGoesToPrivilegedMode) {
  run("enable", {"enable"}, kModeGlobal);
  EXPECT_EQ(router().mode, kModePrivileged);
}

TEST_F(ExecCmd, EnablePasswordIsStoredLowerCase) {
  run("enable password SeCret", {"enable", "password"}, kModeGlobal);
  EXPECT_EQ(router().enable_password, "secret");
  EXPECT_EQ(router().mode, kModeGlobal);
}

TEST_F(ExecCmd, EnableSecretRaisesEveryCharacterByOne) {
  run("enable secret abc", {"enable", "secret"}, kModeGlobal);
  EXPECT_EQ(router().enable_secret, "bcd");
  EXPECT_NE(build_running_config(router()).find("\r\nenable secret 5 bcd\r\n"), std::string::npos);
}

TEST_F(ExecCmd, EnableSecretWithACharacterWithoutSuccessorIsLoggedAndKept) {
  router().enable_secret = "old";
  run(std::string("enable secret a\xff"), {"enable", "secret"}, kModeGlobal);
  EXPECT_EQ(router().enable_secret, "old");
  EXPECT_NE(log_text().find("enable commands() - 5 - "), std::string::npos);
}

TEST_F(ExecCmd, EnablePasswordOutsideGlobalModeChangesNothing) {
  run("enable password x", {"enable", "password"}, kModePrivileged);
  EXPECT_EQ(router().enable_password, "");
}

TEST_F(ExecCmd, BannerHandsOverToBannerEntry) {
  run("banner motd #x", {"banner", "motd"}, kModeGlobal);
  EXPECT_EQ(router().pending_action, "BANNER");
  EXPECT_EQ(router().prompt, "");
  EXPECT_EQ(router().banner_delimiter, "#x");
  EXPECT_EQ(output(), "\r\nEnter the text followed by the '#' to finish\r\n");
  EXPECT_TRUE(output_pending());
}

struct RegisterCase {
  const char* typed;  // the register as typed
  bool accepted;      // stored rather than refused
};

class ConfigRegisterCommand : public CommandFixture,
                              public ::testing::WithParamInterface<RegisterCase> {};

TEST_P(ConfigRegisterCommand, StoresValidValuesAndRefusesOthers) {
  const RegisterCase& c = GetParam();
  run(std::string("config-register ") + c.typed, {"config-register"}, kModeGlobal);
  if (c.accepted) {
    EXPECT_EQ(router().config_register, to_lower(c.typed));
    EXPECT_FALSE(output_pending());
  } else {
    EXPECT_EQ(router().config_register, "0X2102");
    EXPECT_EQ(output(), "\r\n% Invalid input detected at '^' marker.\r\n");
  }
}

// Words reach the dispatcher lower-cased, so a typed 0X2142 is read as 0x2142.
INSTANTIATE_TEST_SUITE_P(
    ExecCmd, ConfigRegisterCommand,
    ::testing::Values(RegisterCase{"0x2142", true}, RegisterCase{"0X2142", true},
                      RegisterCase{"2142", false}, RegisterCase{"0x214G", false},
                      RegisterCase{"0x12345678", true}, RegisterCase{"0x123456789", false},
                      RegisterCase{"0x", true}));

TEST_F(ExecCmd, UsersAreAddedInOrder) {
  run("username ann password one", {"username"}, kModeGlobal);
  run("username bob password two", {"username"});
  EXPECT_EQ(router().username_count, 2);
  EXPECT_EQ(router().usernames[2], "bob");
  EXPECT_EQ(router().user_passwords[2], "two");
}

TEST_F(ExecCmd, SixthUserOverwritesTheFifth) {
  for (int i = 1; i <= 6; ++i)
    run("username u" + std::to_string(i) + " password p" + std::to_string(i), {"username"},
        kModeGlobal);
  EXPECT_EQ(router().username_count, 5);
  EXPECT_EQ(router().usernames[4], "u4");
  EXPECT_EQ(router().usernames[5], "u6");
  EXPECT_EQ(router().user_passwords[5], "p6");
}

TEST_F(ExecCmd, FiftyUsersStayWithinTheTable) {
  for (int i = 1; i <= 50; ++i) run("username same password p", {"username"}, kModeGlobal);
  EXPECT_EQ(router().username_count, 5);
}

TEST_F(ExecCmd, LinePasswordsGoToTheirLineInLowerCase) {
  run("password Con", {"password"}, kModeConsole);
  run("password Vty", {"password"}, kModeVty);
  run("password Aux", {"password"}, kModeAux);
  run("password glob", {"password"}, kModeGlobal);
  EXPECT_EQ(router().console_password, "con");
  EXPECT_EQ(router().vty_password, "vty");
  EXPECT_EQ(router().aux_password, "aux");
}

TEST_F(ExecCmd, WriteAndWriteMemoryAndCopySaveSilently) {
  const std::vector<std::string> forms[] = {
      {"write"}, {"write", "memory"}, {"copy", "running-config", "startup-config"}};
  for (const auto& form : forms) {
    router().startup_config.clear();
    router().hostname = "Saved" + std::to_string(form.size());
    run("write", form, kModePrivileged);
    EXPECT_EQ(router().startup_config, build_running_config(router())) << form.size();
    EXPECT_FALSE(output_pending());
  }
}

TEST_F(ExecCmd, CopyOfOtherConfigurationsSavesNothing) {
  run("copy startup-config running-config", {"copy", "startup-config", "running-config"},
      kModePrivileged);
  EXPECT_EQ(router().startup_config, "");
}

TEST_F(ExecCmd, WriteTerminalPrintsTheRunningConfigurationWithoutSaving) {
  run("write terminal", {"write", "terminal"}, kModePrivileged);
  EXPECT_EQ(output(), build_running_config(router()));
  EXPECT_TRUE(output_pending());
  EXPECT_EQ(router().startup_config, "");
}

TEST_F(ExecCmd, EraseForgetsTheSavedConfiguration) {
  run("write", {"write"}, kModePrivileged);
  ASSERT_NE(router().startup_config, "");
  run("erase startup-config", {"erase", "startup-config"});
  EXPECT_EQ(router().startup_config, "");
}

TEST_F(ExecCmd, ConsoleWorkIsLeftAsPendingActions) {
  run("clear arp-cache", {"clear", "arp-cache"}, kModePrivileged);
  EXPECT_EQ(router().pending_action, "CLEARARP");
  run("ip route 10.0.0.0 255.0.0.0 1.1.1.1", {"ip", "route"}, kModeGlobal);
  EXPECT_EQ(router().pending_action, "IPROUTE");
  run("show arp", {"show", "arp"}, kModePrivileged);
  EXPECT_EQ(router().pending_action, "SHOWARP");
}

TEST_F(ExecCmd, CommandsOfLaterFeaturesPrintNothing) {
  run("ping 10.1.1.1", {"ping"}, kModePrivileged);
  EXPECT_EQ(output(), "");
  run("show ip route", {"show", "ip", "route"}, kModePrivileged);
  EXPECT_EQ(output(), "");
  run("show cdp neighbors", {"show", "cdp", "neighbors"}, kModePrivileged);
  EXPECT_EQ(output(), "");
}

TEST_F(ExecCmd, BootIsAcceptedAndChangesNothing) {
  const std::string before = build_running_config(router());
  run("boot system flash", {"boot", "system", "flash"}, kModeGlobal);
  EXPECT_EQ(build_running_config(router()), before);
  EXPECT_FALSE(output_pending());
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(ExecCmd, ShowInterfacesWithATypeShowsOneInterface) {
  run("show interfaces serial 1", {"show", "interfaces", "serial"}, kModePrivileged);
  EXPECT_TRUE(output_pending());
  EXPECT_EQ(output().rfind("\r\nSerial1 is administratively down", 0), 0u);
  EXPECT_EQ(output().find("Serial0"), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
