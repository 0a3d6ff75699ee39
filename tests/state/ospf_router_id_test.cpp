// The OSPF router ID: the address whose digits, dots removed, make the largest number.
#include "state/ospf_router_id.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/network/routing_fixture.h"

namespace zorva::testing {
namespace {

TEST(OspfRouterIdTest, LargestDigitsWinAmongInterfacesUpWithAnAddress) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, bool>> ports;  // address, line protocol up
    const char* expected;
  };
  const Case cases[] = {
      {"more digits beat a higher address",
       {{"10.0.0.200", true}, {"9.255.255.255", true}},
       "9.255.255.255"},
      {"digits past 32 bits",
       {{"192.168.100.99", true}, {"192.168.100.100", true}},
       "192.168.100.100"},
      {"equal digits: the earlier", {{"1.11.1.1", true}, {"11.1.1.1", true}}, "1.11.1.1"},
      {"down does not count", {{"10.1.1.1", true}, {"10.9.9.9", false}}, "10.1.1.1"},
      {"no address does not count", {{"", true}, {"10.1.1.1", true}}, "10.1.1.1"},
      {"digits 0 never win", {{"0.0.0.0", true}}, ""},
      {"no interface", {}, ""},
  };
  for (const Case& c : cases) {
    RouterRecord r = new_router_record();
    for (const auto& [address, up] : c.ports)
      r.interfaces[add_interface(r, "Serial0", "10.0.0.1", 24, up)].ip_address = address;
    EXPECT_EQ(ospf_router_id_of(r), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace zorva::testing
