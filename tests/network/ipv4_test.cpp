// The 32-bit address reader takes only four decimal octets.
#include "state/ipv4.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/network/routing_fixture.h"

namespace zorva::testing {
namespace {

using Ipv4Test = RoutingTest;

TEST_F(Ipv4Test, ParseDottedAcceptsOnlyFourDecimalOctets) {
  EXPECT_EQ(parse_dotted("192.168.100.100"), 0xC0A86464u);
  EXPECT_EQ(parse_dotted("010.001.000.9"), 0x0A010009u);
  EXPECT_EQ(parse_dotted("255.255.255.255"), 0xFFFFFFFFu);
  for (const char* text : {"", "1.2.3", "1.2.3.4.5", "1.2.3.4.", "1..2.3", "256.1.1.1", " 1.2.3.4",
                           "1.2.-3.4", "1x.2.3.4", "99999999999999999999.0.0.0"})
    EXPECT_FALSE(parse_dotted(text).has_value()) << text;
}

}  // namespace
}  // namespace zorva::testing
