#include "state/ospf_hello_terms.h"

#include <optional>

#include "state/route_metrics.h"

namespace zorva {

namespace {

constexpr Int32 kDefaultHello = 10;
constexpr Int32 kHellosPerDead = 4;

}  // namespace

Int32 ospf_hello_interval(const InterfaceEntry& e) {
  return e.ospf.hello_interval > 0 ? e.ospf.hello_interval : kDefaultHello;
}

Int32 ospf_dead_interval(const InterfaceEntry& e) {
  return e.ospf.dead_interval > 0 ? e.ospf.dead_interval : kHellosPerDead * ospf_hello_interval(e);
}

OspfAuthentication ospf_authentication_on(const ProtocolBlock& p, const InterfaceEntry& e) {
  if (e.ospf.authentication != OspfAuthentication::FromArea) return e.ospf.authentication;
  const std::optional<Int32> area = ospf_area_of(p, e);
  if (!area) return OspfAuthentication::None;
  const auto found = p.ospf_area_authentication.find(*area);
  return found == p.ospf_area_authentication.end() ? OspfAuthentication::None : found->second;
}

OspfHelloTerms ospf_hello_terms(const ProtocolBlock& p, const InterfaceEntry& e) {
  OspfHelloTerms terms;
  terms.hello = ospf_hello_interval(e);
  terms.dead = ospf_dead_interval(e);
  terms.authentication = ospf_authentication_on(p, e);
  if (terms.authentication == OspfAuthentication::Simple) {
    terms.key = e.ospf.authentication_key;
  } else if (terms.authentication == OspfAuthentication::MessageDigest) {
    terms.key_id = e.ospf.md5_key_id;
    terms.key = e.ospf.md5_key;
  }
  return terms;
}

}  // namespace zorva
