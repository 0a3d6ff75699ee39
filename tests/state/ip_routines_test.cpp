// Tests of the IPv4 arithmetic: address reading and validation, conversions, AND and AND-NOT,
// classful networks, mask and wildcard tables, and what gets logged on malformed text.
#include "state/ip_routines.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/error_log.h"
#include "base/scripted_host.h"
#include "state/router_record.h"
#include "tests/support/test_paths.h"

namespace zorva {
namespace {

constexpr double kTwo33Minus1 = 8589934591.0;

class IpRoutinesTest : public ::testing::Test {
 protected:
  IpRoutinesTest() { log_.start_afresh(); }

  // The last line appended to the log, or "" when none was.
  std::string last_log_line() const {
    std::ifstream in(log_.file(), std::ios::binary);
    std::string line, last;
    while (std::getline(in, line)) last = line;
    if (!last.empty() && last.back() == '\r') last.pop_back();
    return last;
  }

  testing::TempDir tmp_;
  ScriptedHost host_;
  ErrorLog log_{host_, tmp_.path() / "zorva.log"};
  IpRoutines ip_{log_};
};

// Non-numeric parts read as 0, reading stops at the first non-digit, blanks inside a part are
// ignored, an empty part reads as 0, and parts are rounded half to even (2.5 to 2, 3.5 to 4, 255.5
// to 256).
TEST_F(IpRoutinesTest, IsIpValidAcceptsFourPartsEachInOctetRange) {
  const std::pair<const char*, double> valid[] = {
      {"0.0.0.0", 0},
      {"255.255.255.255", 4294967295.0},
      {"a.b.c.d", 0},
      {"1x.2.3.4", 16909060},
      {"1 0.1.1.1", 167837953},
      {"1..2.3", 16777731},
      {"25e-1.0.0.0", 2 * 16777216.0},
      {"35e-1.0.0.0", 4 * 16777216.0},
  };
  for (const auto& [text, value] : valid) {
    std::string address = text;
    EXPECT_TRUE(ip_.is_ip_valid(address)) << text;
    EXPECT_EQ(ip_.last_address_value, value) << text;
  }
  for (const char* text : {"2555e-1.0.0.0", "256.1.1.1", "1.2.3.256", "-1.2.3.4", "1.2.3",
                           "1.2.3.4.5", "1.2.3.4.", "", "32767.1.1.1"}) {
    std::string address = text;
    EXPECT_FALSE(ip_.is_ip_valid(address)) << text;
  }
}

TEST_F(IpRoutinesTest, IsIpValidMeasuresSixteenCharactersBeforeTrimming) {
  std::string sixteen = " 192.168.100.100";
  EXPECT_TRUE(ip_.is_ip_valid(sixteen));
  EXPECT_EQ(sixteen, "192.168.100.100");

  ip_.last_address_value = 42;
  std::string seventeen = "  192.168.100.100";
  EXPECT_FALSE(ip_.is_ip_valid(seventeen));
  EXPECT_EQ(seventeen, "  192.168.100.100");  // rejected untouched
  EXPECT_EQ(ip_.last_address_value, 42);

  std::string huge(10000, '1');
  EXPECT_FALSE(ip_.is_ip_valid(huge));
  EXPECT_EQ(log_.lines_written(), 0);
}

// A part beyond the fourth, or one that does not fit 16 bits, is logged once and fails the read;
// an overflowing part leaves its slot at -1.
TEST_F(IpRoutinesTest, UnstorablePartsAreLoggedOncePerPartAndFail) {
  std::string six = "1.2.3.4.5.6";
  EXPECT_FALSE(ip_.dotted_dec_chop_up(six));
  EXPECT_EQ(log_.lines_written(), 2);
  EXPECT_NE(last_log_line().find(" -- dotted dec chop up() - 9 - Subscript out of range"),
            std::string::npos);
  EXPECT_EQ(ip_.last_address_value, 16909060);  // the first four parts still count
  for (const char* text : {"99999.1.1.1", "-32769.1.1.1", "1e999.1.1.1"}) {
    std::string address = text;
    const int before = log_.lines_written();
    EXPECT_FALSE(ip_.is_ip_valid(address)) << text;
    EXPECT_EQ(log_.lines_written(), before + 1) << text;
    EXPECT_NE(last_log_line().find(" -- dotted dec chop up() - 6 - Overflow"), std::string::npos);
    EXPECT_EQ(ip_.last_address_value, -16777216.0 + 65536 + 256 + 1) << text;
  }
  std::string overflow_with_four_parts = "1.2.3.70000";
  EXPECT_FALSE(ip_.dotted_dec_chop_up(overflow_with_four_parts));
}

TEST_F(IpRoutinesTest, HostileBytesNeverCrash) {
  const std::string texts[] = {std::string(10000, '.'), std::string(10000, '\xff'),
                               std::string("1\0.2.3.4", 8), std::string("\x80\xfe.1.1.1"),
                               std::string(10000, '9')};
  for (const std::string& t : texts) {
    std::string a = t, b = t, c = t, d = t;
    ip_.is_ip_valid(a);
    ip_.dotted_dec_chop_up(b);
    ip_.converted_dotted_decimal_to_integer(c);
    ip_.get_classful_network(t);
    ip_.is_mask_valid(d);
    EXPECT_EQ(ip_.return_subnet_slash(t), "");
    EXPECT_EQ(ip_.Is_Wildcard_Mask_Slash(t), "-1");
    ip_.hex_to_bin(t);
  }
  std::string nul = std::string("1\0.2.3.4", 8);
  EXPECT_TRUE(ip_.is_ip_valid(nul));  // the part "1\0" reads as 1
  EXPECT_EQ(ip_.last_address_value, 16909060);
}

TEST_F(IpRoutinesTest, ChopUpAndConversionTrimSkipRangeChecksAndReadMissingOctetsAsMinusOne) {
  std::string wide = " 300.1.1.1 ";
  EXPECT_TRUE(ip_.dotted_dec_chop_up(wide));
  EXPECT_EQ(wide, "300.1.1.1");
  EXPECT_EQ(ip_.last_address_value, 300 * 16777216.0 + 65536 + 256 + 1);
  std::string three = "1.2.3";
  EXPECT_FALSE(ip_.dotted_dec_chop_up(three));
  EXPECT_EQ(ip_.last_address_value, 16777216.0 + 2 * 65536 + 3 * 256 - 1);  // slot 4 stays -1

  std::string address = " 192.168.1.1";
  EXPECT_EQ(ip_.converted_dotted_decimal_to_integer(address), 3232235777.0);
  EXPECT_EQ(address, "192.168.1.1");
  std::string short_text = "1.2";
  EXPECT_EQ(ip_.converted_dotted_decimal_to_integer(short_text), 16777216.0 + 2 * 65536 - 256 - 1);
  EXPECT_EQ(log_.lines_written(), 0);

  ip_.last_address_value = 7;
  std::string five = "1.2.3.4.5";
  EXPECT_EQ(ip_.converted_dotted_decimal_to_integer(five), 16909060);
  EXPECT_EQ(ip_.last_address_value, 7);
  EXPECT_NE(last_log_line().find("converted dotted decimal to integer() - 9"), std::string::npos);
}

TEST_F(IpRoutinesTest, IntegerToDottedDecimalCarriesAtOctetBoundaries) {
  const std::pair<double, const char*> cases[] = {
      {0, "0.0.0.0"},        {255, "0.0.0.255"},
      {256, "0.0.1.0"},      {16777215, "0.255.255.255"},
      {16777216, "1.0.0.0"}, {4294967295.0, "255.255.255.255"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(ip_.integer_to_dotted_decimal(value), text);
}

TEST_F(IpRoutinesTest, BooleanAndAndWildcardNandWorkUpToThirtyThreeBits) {
  struct Case {
    double a, b, and_result, nand_result;
  };
  const Case cases[] = {
      {3232235853.0, 4294967040.0, 3232235776.0, 77},  // 192.168.1.77 with 255.255.255.0
      {167838029.0, 255, 77, 167837952.0},             // 10.1.1.77 with 0.0.0.255
      {kTwo33Minus1, kTwo33Minus1, kTwo33Minus1, 0},
      {kTwo33Minus1, 4294967296.0, 4294967296.0, 4294967295.0},
      {kTwo33Minus1, 0, 0, kTwo33Minus1},
      {0, kTwo33Minus1, 0, 0},
      {4294967295.0, 1, 1, 4294967294.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ip_.boolean_and(c.a, c.b), c.and_result) << c.a << " " << c.b;
    EXPECT_EQ(ip_.Wildcard_NAND(c.a, c.b), c.nand_result) << c.a << " " << c.b;
  }
}

TEST_F(IpRoutinesTest, ClassfulNetworkKeepsOctetsByClass) {
  const std::pair<const char*, const char*> cases[] = {
      {"127.255.1.1", "127.0.0.0"},   {"128.1.2.3", "128.1.0.0"}, {"191.255.3.3", "191.255.0.0"},
      {"192.168.1.5", "192.168.1.0"}, {"224.1.2.3", "224.1.2.0"},
  };
  for (const auto& [address, network] : cases)
    EXPECT_EQ(ip_.get_classful_network(address), network);

  const std::string padded = " 10.1.2.3 ";
  EXPECT_EQ(ip_.get_classful_network(padded), "10.0.0.0");
  EXPECT_EQ(padded, " 10.1.2.3 ");
  EXPECT_EQ(ip_.last_address_value, 167838211.0);
}

TEST_F(IpRoutinesTest, ReturnSubnetBuildsMaskAndLogsLengthsOutsideZeroToThirtyTwo) {
  const std::pair<int, const char*> cases[] = {
      {0, "0.0.0.0"},     {1, "128.0.0.0"},        {7, "254.0.0.0"},        {8, "255.0.0.0"},
      {9, "255.128.0.0"}, {31, "255.255.255.254"}, {32, "255.255.255.255"},
  };
  for (const auto& [n, mask] : cases) EXPECT_EQ(ip_.return_subnet(n), mask) << n;
  EXPECT_EQ(log_.lines_written(), 0);
  EXPECT_EQ(ip_.return_subnet(33), "255.255.255.");
  EXPECT_NE(last_log_line().find(" -- return subnet() - 9 - Subscript out of range"),
            std::string::npos);
  EXPECT_EQ(ip_.return_subnet(-1), ".0.0.0");
  EXPECT_EQ(log_.lines_written(), 2);
}

// A mask is one of the texts for /8../31 exactly; only is_mask_valid trims it first, and
// create_subnet_slash sets the prefix only on a match.
TEST_F(IpRoutinesTest, MaskTextsMatchExactlyAndOnlyIsMaskValidTrims) {
  struct Case {
    const char* text;
    const char* slash;  // return_subnet_slash
    bool valid;         // is_mask_valid
  };
  const Case cases[] = {
      {"255.0.0.0", "8", true},       {"255.255.255.254", "31", true},
      {"255.255.255.255", "", false}, {"254.0.0.0", "", false},
      {"0.0.0.0", "", false},         {"255.255.255.00", "", false},
      {" 255.255.255.0 ", "", true},  {"", "", false},
      {"255.255.255.0x", "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ip_.return_subnet_slash(c.text), c.slash) << c.text;
    InterfaceEntry interface;
    interface.prefix_length = 5;
    ip_.create_subnet_slash(c.text, interface);
    EXPECT_EQ(interface.prefix_length, *c.slash ? std::stoi(c.slash) : 5) << c.text;
    std::string mask = c.text;
    EXPECT_EQ(ip_.is_mask_valid(mask), c.valid) << c.text;
  }
  std::string padded = " 255.255.255.0";
  ip_.is_mask_valid(padded);
  EXPECT_EQ(padded, "255.255.255.0");
}

TEST_F(IpRoutinesTest, WildcardSlashGivesBitCountOrMinusOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"0.0.0.1", "1"},          {"0.0.0.255", "8"},        {"0.0.1.255", "9"},
      {"127.255.255.255", "31"}, {"0.0.0.2", "-1"},         {"255.255.255.0", "-1"},
      {"0.0.0.0", "-1"},         {"255.255.255.255", "-1"}, {" 0.0.0.255", "-1"},
  };
  for (const auto& [text, bits] : cases) EXPECT_EQ(ip_.Is_Wildcard_Mask_Slash(text), bits) << text;
}

TEST_F(IpRoutinesTest, HexToBinReadsLastLowerCaseDigit) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "0000"},  {"9", "1001"},  {"a", "1010"},  {"f", "1111"}, {" c ", "1100"},
      {"f1", "0001"}, {"F", "False"}, {"g", "False"}, {"", "False"}, {"   ", "False"},
  };
  for (const auto& [digit, bits] : cases) EXPECT_EQ(ip_.hex_to_bin(digit), bits) << digit;
}

TEST(IpTables, MaskAndWildcardTablesCoverExactlyTheirRanges) {
  EXPECT_EQ(mask_for_prefix(7), "");
  EXPECT_EQ(mask_for_prefix(8), "255.0.0.0");
  EXPECT_EQ(mask_for_prefix(31), "255.255.255.254");
  EXPECT_EQ(mask_for_prefix(32), "");
  EXPECT_EQ(wildcard_for_bits(0), "");
  EXPECT_EQ(wildcard_for_bits(1), "0.0.0.1");
  EXPECT_EQ(wildcard_for_bits(31), "127.255.255.255");
  EXPECT_EQ(wildcard_for_bits(32), "");
}

}  // namespace
}  // namespace zorva
