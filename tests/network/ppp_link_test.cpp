// Whether one end of a real-router PPP link accepts its peer, for the cases the PPP scenario
// does not type: names in another case, a secret missing on either end, PAP sending nothing.
#include "network/ppp_link.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

RouterRecord router(const char* hostname, const char* user, const char* password) {
  RouterRecord r = new_router_record();
  r.hostname = hostname;
  r.username_count = 1;
  r.usernames[1] = user;
  r.user_passwords[1] = password;
  return r;
}

TEST(PppPeerAccepted, ByMethodAndCredentials) {
  struct Case {
    PppAuthentication method;
    const char *receiver_user, *receiver_password;  // the receiver is R1
    const char *sender_user, *sender_password;      // the sender is R2
    const char *pap_name, *pap_password;
    bool accepted;
  };
  // clang-format off
  const Case cases[] = {
      {PppAuthentication::None, "", "", "", "", "", "", true},
      {PppAuthentication::Chap, "r2", "kolvo", "r1", "kolvo", "", "", true},     // names in any case
      {PppAuthentication::Chap, "R2", "kolvo", "R1", "Kolvo", "", "", false},    // secrets exactly
      {PppAuthentication::Chap, "R3", "kolvo", "R1", "kolvo", "", "", false},    // R2 unknown to R1
      {PppAuthentication::Chap, "R2", "kolvo", "R3", "kolvo", "", "", false},    // R1 unknown to R2
      {PppAuthentication::Chap, "R2", "kolvo", "", "", "R2", "kolvo", false},    // PAP is no answer
      {PppAuthentication::Pap, "papR2", "pw", "", "", "papR2", "pw", true},
      {PppAuthentication::Pap, "papR2", "pw", "", "", "other", "pw", false},     // unknown name
      {PppAuthentication::Pap, "", "", "", "", "", "", false},                   // nothing sent
  };
  // clang-format on
  for (const Case& c : cases) {
    InterfaceEntry sending, receiving;
    sending.pap_username = c.pap_name;
    sending.pap_password = c.pap_password;
    receiving.ppp_authentication = c.method;
    PacketRecord frame;
    frame.sender_hostname = "R2";
    fill_ppp_credentials(router("R2", c.sender_user, c.sender_password), sending, frame);
    EXPECT_EQ(
        ppp_peer_accepted(router("R1", c.receiver_user, c.receiver_password), receiving, frame),
        c.accepted)
        << &c - cases;
  }
}

}  // namespace
}  // namespace zorva
