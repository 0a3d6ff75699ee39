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
bool chap_accepts(const RouterRecord& r, const InterfaceEntry& e, const PacketRecord& frame) {
  const std::optional<std::string> expected = password_of(r, frame.chap_name);
  if (!expected) return false;
  const std::string& challenger = e.chap_hostname.empty() ? r.hostname : e.chap_hostname;
  for (const auto& [user, password] : frame.sender_users)
    if (same_name(user, challenger)) return password == *expected;
  // Without a secret for this router the peer can answer only with its default one.
  return !frame.chap_password.empty() && frame.chap_password == *expected;
}

bool pap_accepts(const RouterRecord& r, const PacketRecord& frame) {
  if (frame.pap_username.empty()) return false;
  const std::optional<std::string> expected = password_of(r, frame.pap_username);
  return expected && *expected == frame.pap_password;
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

bool ppp_peer_accepted(const RouterRecord& receiver, const InterfaceEntry& e,
                       const PacketRecord& frame) {
  switch (e.ppp_authentication) {
    case PppAuthentication::None:
      return true;
    case PppAuthentication::Chap:
      return chap_accepts(receiver, e, frame);
    case PppAuthentication::Pap:
      return pap_accepts(receiver, frame);
  }
  return false;
}

}  // namespace zorva
