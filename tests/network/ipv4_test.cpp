// The 32-bit address helpers agree with the text routines the configuration commands use.
#include "state/ipv4.h"

#include <gtest/gtest.h>

#include <string>

#include "state/ip_routines.h"
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

// Every first octet with a spread of other octets, plain and zero-padded.
TEST_F(Ipv4Test, ClassfulNetworkMatchesTheTextRoutineForEveryFirstOctet) {
  IpRoutines text_routines(log_);
  for (int a = 0; a <= 255; ++a) {
    for (const int b : {0, 1, 10, 127, 128, 191, 192, 255}) {
      for (const int c : {0, 17, 255}) {
        const std::string n =
            std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c) + ".";
        for (const std::string& text : {n + "1", "0" + n + "255"}) {
          const std::optional<Ipv4> v = parse_dotted(text);
          ASSERT_TRUE(v.has_value()) << text;
          ASSERT_EQ(dotted(classful_network(*v)), text_routines.get_classful_network(text)) << text;
        }
      }
    }
  }
  EXPECT_EQ(log_.lines_written(), 0);
}

}  // namespace
}  // namespace zorva::testing
