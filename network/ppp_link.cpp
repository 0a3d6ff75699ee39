// Real-router PPP authentication: CHAP secrets shared under each other's names, PAP names and
// passwords checked against the authenticator's users.
#include "network/ppp_link.h"

#include <algorithm>
#include <optional>
#include <string>

#include "base/number_text.h"

namespace zorva {

namespace {

// Host names and user names match in any case; passwords only exactly.
bool same_name(const std::string& a, const std::string& b) {
  return to_upper(a) == to_upper(b);
}

std::optional<std::string> password_of(const RouterRecord& r, const std::string& user) {
  for (int j = 1; j <= std::min<int>(r.username_count, kMaxUsers); ++j)
    if (same_name(r.usernames[j], user)) return r.user_passwords[j];
  return std::nullopt;
}

// The authenticator `r` challenges under its CHAP name (its interface's `ppp chap hostname`, else
// its host name); the peer answers with the secret it holds under that name, else with its
// `ppp chap password`. The answer must equal what `r` holds under the name the peer gives.
PppVerdict chap_verdict(const RouterRecord& r, const InterfaceEntry& e, const PacketRecord& frame) {
  const std::optional<std::string> expected = password_of(r, frame.chap_name);
  if (!expected) return PppVerdict::UnknownUser;
  const std::string& challenger = e.chap_hostname.empty() ? r.hostname : e.chap_hostname;
  bool right = !frame.chap_password.empty() && frame.chap_password == *expected;
  for (const auto& [user, password] : frame.sender_users) {
    if (same_name(user, challenger)) {
      right = password == *expected;
      break;
    }
  }
  // Without a secret for this router the peer can answer only with its default one.
  return right ? PppVerdict::Accepted : PppVerdict::WrongPassword;
}

PppVerdict pap_verdict(const RouterRecord& r, const PacketRecord& frame) {
  const std::optional<std::string> expected =
      frame.pap_username.empty() ? std::nullopt : password_of(r, frame.pap_username);
  return expected && *expected == frame.pap_password ? PppVerdict::Accepted
                                                     : PppVerdict::WrongPassword;
}

}  // namespace

void fill_ppp_credentials(const RouterRecord& sender, const InterfaceEntry& e,
                          PacketRecord& frame) {
  frame.sender_users.clear();
  for (int j = 1; j <= std::min<int>(sender.username_count, kMaxUsers); ++j)
    frame.sender_users.emplace_back(sender.usernames[j], sender.user_passwords[j]);
  frame.chap_name = e.chap_hostname.empty() ? sender.hostname : e.chap_hostname;
  frame.chap_password = e.chap_password;
  frame.pap_username = e.pap_username;
  frame.pap_password = e.pap_password;
}

PppVerdict ppp_peer_verdict(const RouterRecord& receiver, const InterfaceEntry& e,
                            const PacketRecord& frame) {
  switch (e.ppp_authentication) {
    case PppAuthentication::None:
      return PppVerdict::Accepted;
    case PppAuthentication::Chap:
      return chap_verdict(receiver, e, frame);
    case PppAuthentication::Pap:
      return pap_verdict(receiver, frame);
  }
  return PppVerdict::WrongPassword;
}

bool ppp_peer_accepted(const RouterRecord& receiver, const InterfaceEntry& e,
                       const PacketRecord& frame) {
  return ppp_peer_verdict(receiver, e, frame) == PppVerdict::Accepted;
}

}  // namespace zorva
