// Whether one end of a real-router PPP link accepts its peer: CHAP secrets held under each other's
// host name, PAP names and passwords checked against the authenticator's users.
#include "network/ppp_link.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorva {
namespace {

struct User {
  std::string name, password;
};

RouterRecord router_with(const std::string& hostname, const std::vector<User>& users) {
  RouterRecord r = new_router_record();
  r.hostname = hostname;
  for (const User& u : users) {
    ++r.username_count;
    r.usernames[r.username_count] = u.name;
    r.user_passwords[r.username_count] = u.password;
  }
  return r;
}

struct Case {
  const char* what;
  PppAuthentication method;
  std::vector<User> receiver_users;  // the receiver is "R1"
  std::vector<User> sender_users;    // the sender is "R2"
  const char* pap_name;
  const char* pap_password;
  bool accepted;
};

TEST(PppPeerAccepted, ByMethodAndCredentials) {
  const std::vector<Case> cases = {
      {"no authentication", PppAuthentication::None, {}, {}, "", "", true},
      {"chap same secret",
       PppAuthentication::Chap,
       {{"R2", "cisco"}},
       {{"R1", "cisco"}},
       "",
       "",
       true},
      {"chap names in another case",
       PppAuthentication::Chap,
       {{"r2", "cisco"}},
       {{"r1", "cisco"}},
       "",
       "",
       true},
      {"chap secrets differ",
       PppAuthentication::Chap,
       {{"R2", "cisco"}},
       {{"R1", "cisc0"}},
       "",
       "",
       false},
      {"chap secrets differ in case",
       PppAuthentication::Chap,
       {{"R2", "cisco"}},
       {{"R1", "Cisco"}},
       "",
       "",
       false},
      {"chap receiver does not know the sender",
       PppAuthentication::Chap,
       {{"R3", "cisco"}},
       {{"R1", "cisco"}},
       "",
       "",
       false},
      {"chap sender has no secret for the receiver",
       PppAuthentication::Chap,
       {{"R2", "cisco"}},
       {{"R3", "cisco"}},
       "",
       "",
       false},
      {"chap ignores the enable secret and PAP",
       PppAuthentication::Chap,
       {{"R2", "cisco"}},
       {},
       "R2",
       "cisco",
       false},
      {"pap known name and password",
       PppAuthentication::Pap,
       {{"papR2", "secret"}},
       {},
       "papR2",
       "secret",
       true},
      {"pap wrong password",
       PppAuthentication::Pap,
       {{"papR2", "secret"}},
       {},
       "papR2",
       "wrong",
       false},
      {"pap unknown name",
       PppAuthentication::Pap,
       {{"papR2", "secret"}},
       {},
       "other",
       "secret",
       false},
      {"pap nothing sent", PppAuthentication::Pap, {{"", ""}}, {}, "", "", false},
  };
  for (const Case& c : cases) {
    const RouterRecord receiver = router_with("R1", c.receiver_users);
    const RouterRecord sender = router_with("R2", c.sender_users);
    InterfaceEntry sending;
    sending.pap_username = c.pap_name;
    sending.pap_password = c.pap_password;
    PacketRecord frame;
    frame.sender_hostname = sender.hostname;
    fill_ppp_credentials(sender, sending, frame);
    InterfaceEntry receiving;
    receiving.ppp_authentication = c.method;
    EXPECT_EQ(ppp_peer_accepted(receiver, receiving, frame), c.accepted) << c.what;
  }
}

}  // namespace
}  // namespace zorva
