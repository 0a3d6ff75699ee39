// The shipped command database, as zorva.mdb and as the built-in tables, through the parser of a
// running simulation: every command the dispatcher acts on resolves in its mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/new_parse.h"
#include "state/mode_tables.h"
#include "tests/support/command_stores.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

// The generated zorva.mdb and the built-in tables through the parser.
class ShippedDatabase : public ::testing::TestWithParam<testing::StoreKind> {
 protected:
  ShippedDatabase() {
    if (GetParam() == testing::StoreKind::MemoryTables) {
      EXPECT_TRUE(t.sim->db.open_builtin());
    }
  }

  testing::TestSimulation t{testing::topology(1, 2, 1, 1)};
  RouterRecord& rec = t.router(1).record;

  // What the parser makes of an Enter on `text` in `mode`: "execute" or the kind of its message.
  std::string outcome(int mode, std::string text) {
    rec.mode = static_cast<Int16>(mode);
    rec.parse_action = ParseAction::Execute;
    const ParseResult r = new_parse_the_command(t.sim->parser, "router", mode, text, rec);
    if (!is_set(r.show_message)) return "execute";
    if (r.message == kIncomplete) return "incomplete";
    if (r.message.rfind(kAmbiguousPrefix, 0) == 0) return "ambiguous";
    return r.message == kInvalidInput ? "invalid" : r.message;
  }
};

INSTANTIATE_TEST_SUITE_P(Stores, ShippedDatabase, ::testing::ValuesIn(testing::kBothStores),
                         testing::store_kind_name);

// Lines the scenario transcripts already type are left out.
TEST_P(ShippedDatabase, EveryDispatcherCommandResolvesInItsMode) {
  struct ModeLines {
    int mode;
    const char* expected;
    std::vector<const char*> lines;
  };
  const ModeLines cases[] = {
      {kModeUser,
       "execute",
       {"exit", "logout", "ping 10.1.1.1", "show interfaces serial 0", "show interfaces bri 0",
        "show arp", "sh ip int br", "show ip route", "show cdp entry *"}},
      {kModeUser, "incomplete", {"ping", "show interfaces serial", "show ip eigrp"}},
      {kModeUser, "ambiguous", {"show ip ospf re"}},
      {kModeUser, "invalid", {"configure terminal"}},
      {kModePrivileged,
       "execute",
       {"copy run start", "clear arp-cache", "exit", "logout", "enable", "ping 10.0.0.1"}},
      {kModeGlobal,
       "execute",
       {"no enable secret", "interface ethernet0", "ip route 10.0.0.0 255.0.0.0 192.168.1.2",
        "ip route 10.0.0.0 255.0.0.0 192.168.1.2 120", "no router rip", "router igrp",
        "router igrp 100", "router eigrp", "router eigrp 100", "cdp run", "no cdp run",
        "cdp timer 30", "no cdp timer", "cdp holdtime 120", "cdp advertise-v2", "boot system flash",
        "boot system tftp image.bin", "boot system image.bin"}},
      {kModeGlobal, "incomplete", {"enable", "interface", "line console"}},
      {kModeGlobal, "ambiguous", {"e"}},
      {kModeGlobal, "invalid", {"show version"}},
      {kModeEthernet, "execute", {"ip ospf priority 5", "cdp enable", "end"}},
      {kModeEthernet, "incomplete", {"ip ospf cost"}},
      {kModeSerial,
       "execute",
       {"no encapsulation ppp", "encapsulation hdlc", "encapsulation frame-relay", "cdp enable",
        "exit"}},
      {kModeBri,
       "execute",
       {"ip address 10.1.1.1 255.255.255.0", "encapsulation ppp", "ppp authentication chap",
        "shutdown", "description isdn", "ip ospf priority 0", "cdp enable", "end"}},
      {kModeRip, "execute", {"exit"}},
      {kModeIgrp, "execute", {"network 172.16.0.0", "exit"}},
      {kModeEigrp, "execute", {"network 192.168.1.0", "end"}},
      {kModeConsole, "execute", {"login", "end", "stopbits 1"}},  // 1 equals one row, begins 1.5
      {kModeVty, "execute", {"login", "no password"}},
  };
  for (const ModeLines& c : cases) {
    for (const char* text : c.lines) EXPECT_EQ(outcome(c.mode, text), c.expected) << text;
  }
}

}  // namespace
}  // namespace zorva
