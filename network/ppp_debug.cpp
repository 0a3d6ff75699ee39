#include "network/ppp_debug.h"

#include <algorithm>
#include <string>

#include "reports/display_name.h"

namespace zorva {

namespace {

// Bytes of a CHAP packet: code, identifier, length (4), value size (1), the 16-byte value, name.
constexpr int kChapValueLength = 4 + 1 + 16;
constexpr int kChapSuccessLength = 4;
// Bytes of a PAP request: code, identifier, length (4), then name and password each after a size.
constexpr int kPapHeaderLength = 4 + 1 + 1;
constexpr int kPapAckLength = 5;
constexpr const char* kChapWrongSecret = "MD/DES compare failed";
constexpr const char* kRefused = "Authentication failure";

struct ExchangeText {
  std::string prefix;  // "Se0 CHAP: "
  std::string id;      // " id 3 len "
};

void add(RouterRecord& r, std::string line) {
  r.routing_bookkeeping.console_messages.push_back(std::move(line));
}

std::string quoted(const std::string& name) {
  return "\"" + name + "\"";
}

std::string failure(const std::string& message) {
  return std::to_string(4 + static_cast<int>(message.size())) + " msg is " + quoted(message);
}

// CHAP both ways: each end that asks for CHAP challenges, the other responds, the challenger
// judges. The outbound half of each pair comes first, as a real router logs it.
void log_chap(RouterRecord& r, const InterfaceEntry& e, const PacketRecord& frame,
              const PppExchange& x, const ExchangeText& t) {
  const std::string own = e.chap_hostname.empty() ? r.hostname : e.chap_hostname;
  const bool i_challenge = e.ppp_authentication == PppAuthentication::Chap;
  const bool peer_challenges = frame.ppp_authentication == PppAuthentication::Chap;
  const auto sized = [&](const std::string& name) {
    return std::to_string(kChapValueLength + static_cast<int>(name.size())) + " from " +
           quoted(name);
  };
  if (i_challenge) add(r, t.prefix + "O CHALLENGE" + t.id + sized(own));
  if (peer_challenges) {
    add(r, t.prefix + "I CHALLENGE" + t.id + sized(frame.chap_name));
    add(r, t.prefix + "O RESPONSE" + t.id + sized(own));
  }
  if (i_challenge) {
    add(r, t.prefix + "I RESPONSE" + t.id + sized(frame.chap_name));
    if (x.mine == PppVerdict::Accepted) {
      add(r, t.prefix + "O SUCCESS" + t.id + std::to_string(kChapSuccessLength));
    } else if (x.mine == PppVerdict::UnknownUser) {
      add(r, t.prefix + "Unable to validate Response.  Username " + frame.chap_name + " not found");
      add(r, t.prefix + "O FAILURE" + t.id + failure(kRefused));
    } else {
      add(r, t.prefix + "O FAILURE" + t.id + failure(kChapWrongSecret));
    }
  }
  if (peer_challenges && x.peer_known)
    add(r, t.prefix + (x.peer_accepts ? "I SUCCESS" + t.id + std::to_string(kChapSuccessLength)
                                      : "I FAILURE" + t.id + failure(kChapWrongSecret)));
}

// PAP both ways: the end asked for PAP sends its name and password, the asking end answers.
void log_pap(RouterRecord& r, const InterfaceEntry& e, const PacketRecord& frame,
             const PppExchange& x, const ExchangeText& t) {
  const bool i_ask = e.ppp_authentication == PppAuthentication::Pap;
  const bool peer_asks = frame.ppp_authentication == PppAuthentication::Pap;
  const auto request = [&](const std::string& name, const std::string& password) {
    return std::to_string(kPapHeaderLength + static_cast<int>(name.size() + password.size())) +
           " from " + quoted(name);
  };
  if (peer_asks && !e.pap_username.empty())
    add(r, t.prefix + "O AUTH-REQ" + t.id + request(e.pap_username, e.pap_password));
  if (i_ask) {
    if (!frame.pap_username.empty()) {
      add(r, t.prefix + "I AUTH-REQ" + t.id + request(frame.pap_username, frame.pap_password));
      add(r, t.prefix + "Authenticating peer " + frame.pap_username);
    }
    add(r, t.prefix + (x.mine == PppVerdict::Accepted
                           ? "O AUTH-ACK" + t.id + std::to_string(kPapAckLength)
                           : "O AUTH-NAK" + t.id + failure(kRefused)));
  }
  if (peer_asks && x.peer_known)
    add(r, t.prefix + (x.peer_accepts ? "I AUTH-ACK" + t.id + std::to_string(kPapAckLength)
                                      : "I AUTH-NAK" + t.id + failure(kRefused)));
}

}  // namespace

bool debugging_ppp_authentication(const RouterRecord& r) {
  return std::find(r.debugging.begin(), r.debugging.end(), "PPP authentication") !=
         r.debugging.end();
}

void log_ppp_exchange(RouterRecord& r, const InterfaceEntry& e, const PacketRecord& frame,
                      const PppExchange& exchange) {
  const std::string name = short_interface_name(e.name);
  const std::string id = " id " + std::to_string(exchange.id) + " len ";
  add(r, name + " PPP: Using default call direction");
  add(r, name + " PPP: Treating connection as a dedicated line");
  const bool chap = e.ppp_authentication == PppAuthentication::Chap ||
                    frame.ppp_authentication == PppAuthentication::Chap;
  const bool pap = e.ppp_authentication == PppAuthentication::Pap ||
                   frame.ppp_authentication == PppAuthentication::Pap;
  if (chap) log_chap(r, e, frame, exchange, {name + " CHAP: ", id});
  if (pap) log_pap(r, e, frame, exchange, {name + " PAP: ", id});
}

}  // namespace zorva
