// Router records for the routing tests, and an error log in a private folder.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/error_log.h"
#include "base/scripted_host.h"
#include "state/ipv4.h"
#include "state/router_record.h"
#include "tests/support/test_paths.h"

namespace zorva::testing {

inline Ipv4 ip(const char* text) {
  return *parse_dotted(text);
}

// Appends an interface with `address`/`prefix`; its line protocol is up unless `up` is false.
inline int add_interface(RouterRecord& r, const std::string& name, const std::string& address,
                         int prefix, bool up = true, Int16 ospf_cost = 64) {
  InterfaceEntry& e = r.interfaces[++r.interface_count];
  e.name = name;
  e.ip_address = address;
  e.prefix_length = static_cast<Int16>(prefix);
  e.network_value = *parse_dotted(address) & mask_for_length(prefix);
  e.network_address = dotted(e.network_value);
  e.subnet_mask = dotted(mask_for_length(prefix));
  e.line_protocol = up ? LinkState::Up : LinkState::Down;
  e.line_encapsulation = Encapsulation::Hdlc;
  e.ospf_cost = ospf_cost;
  e.ospf_priority = 1;
  return r.interface_count;
}

class RoutingTest : public ::testing::Test {
 protected:
  RoutingTest() { log_.start_afresh(); }

  // How many log lines name `procedure`.
  int logged(const std::string& procedure) const {
    int n = 0;
    std::ifstream in(log_.file(), std::ios::binary);
    for (std::string line; std::getline(in, line);) n += line.find(procedure) != line.npos;
    return n;
  }

  TempDir tmp_;
  ScriptedHost host_;
  ErrorLog log_{host_, tmp_.path() / "zorva.log"};
};

}  // namespace zorva::testing
