// What `debug ppp authentication` logs for the exchanges the worksheets' scenario does not reach:
// a CHAP peer the router holds no user for, the peer's own refusal, and PAP refused both ways.
#include "network/ppp_debug.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorva {
namespace {

struct Row {
  const char* name;
  PppAuthentication mine, peers;
  PppExchange exchange;
  std::vector<std::string> after_preamble;  // the lines after the two "PPP:" lines
};

TEST(PppDebug, LogsEachDirectionAndVerdict) {
  using A = PppAuthentication;
  const Row rows[] = {
      {"chap user unknown",
       A::Chap,
       A::None,
       {PppVerdict::UnknownUser, false, false, 7},
       {"Se0 CHAP: O CHALLENGE id 7 len 23 from \"R1\"",
        "Se0 CHAP: I RESPONSE id 7 len 23 from \"R2\"",
        "Se0 CHAP: Unable to validate Response.  Username R2 not found",
        "Se0 CHAP: O FAILURE id 7 len 26 msg is \"Authentication failure\""}},
      {"chap refused by the peer",
       A::None,
       A::Chap,
       {PppVerdict::Accepted, false, true, 2},
       {"Se0 CHAP: I CHALLENGE id 2 len 23 from \"R2\"",
        "Se0 CHAP: O RESPONSE id 2 len 23 from \"R1\"",
        "Se0 CHAP: I FAILURE id 2 len 25 msg is \"MD/DES compare failed\""}},
      {"pap refused both ways",
       A::Pap,
       A::Pap,
       {PppVerdict::WrongPassword, false, true, 3},
       {"Se0 PAP: O AUTH-REQ id 3 len 10 from \"R1\"",
        "Se0 PAP: I AUTH-REQ id 3 len 12 from \"R2\"", "Se0 PAP: Authenticating peer R2",
        "Se0 PAP: O AUTH-NAK id 3 len 26 msg is \"Authentication failure\"",
        "Se0 PAP: I AUTH-NAK id 3 len 26 msg is \"Authentication failure\""}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RouterRecord r;
    r.hostname = "R1";
    InterfaceEntry e;
    e.name = "Serial0";
    e.ppp_authentication = row.mine;
    e.pap_username = "R1";
    e.pap_password = "pw";
    PacketRecord frame;
    frame.ppp_authentication = row.peers;
    frame.chap_name = "R2";
    frame.pap_username = "R2";
    frame.pap_password = "word";
    log_ppp_exchange(r, e, frame, row.exchange);
    const std::vector<std::string>& logged = r.routing_bookkeeping.console_messages;
    ASSERT_EQ(logged.size(), row.after_preamble.size() + 2);
    EXPECT_EQ(logged[0], "Se0 PPP: Using default call direction");
    EXPECT_EQ(std::vector<std::string>(logged.begin() + 2, logged.end()), row.after_preamble);
  }
}

}  // namespace
}  // namespace zorva
