// Address values at their edges: the dotted reader takes only four decimal octets, and the
// classful network of an address changes exactly where its class does.
#include "state/ipv4.h"

#include <gtest/gtest.h>

#include <string>

namespace zorva {
namespace {

TEST(Ipv4, ParseDottedAcceptsOnlyFourDecimalOctets) {
  EXPECT_EQ(parse_dotted("192.168.100.100"), 0xC0A86464u);
  EXPECT_EQ(parse_dotted("010.001.000.9"), 0x0A010009u);
  EXPECT_EQ(parse_dotted("255.255.255.255"), 0xFFFFFFFFu);
  for (const char* text : {"", "1.2.3", "1.2.3.4.5", "1.2.3.4.", "1..2.3", "256.1.1.1", " 1.2.3.4",
                           "1.2.-3.4", "1x.2.3.4", "99999999999999999999.0.0.0"})
    EXPECT_FALSE(parse_dotted(text).has_value()) << text;
}

TEST(Ipv4, ClassfulNetworkAtTheClassBoundaries) {
  const std::tuple<const char*, int, const char*> rows[] = {
      {"127.255.1.1", 8, "127.0.0.0"},        {"128.0.1.1", 16, "128.0.0.0"},
      {"191.255.1.1", 16, "191.255.0.0"},     {"192.0.0.1", 24, "192.0.0.0"},
      {"223.255.255.1", 24, "223.255.255.0"},
  };
  for (const auto& [address, length, network] : rows) {
    EXPECT_EQ(classful_length(*parse_dotted(address)), length) << address;
    EXPECT_EQ(dotted(classful_network(*parse_dotted(address))), network) << address;
  }
}

}  // namespace
}  // namespace zorva
