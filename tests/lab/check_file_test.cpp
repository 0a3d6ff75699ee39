// Reading check files: every form of check, and every error naming its line.
#include "lab/check_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zorva {
namespace {

std::optional<CheckFileError> parse(const std::string& text, std::vector<Check>& checks) {
  std::istringstream in(text);
  return parse_checks(in, checks);
}

TEST(CheckFile, ReadsEveryFormOfCheck) {
  std::vector<Check> c;
  const auto error = parse(
      "# comment\n\n"
      "  router 1 can ping 10.1.1.2  \r\n"
      "router 2 cannot ping 010.1.1.9\n"
      "router 2 route 192.168.1.0/24 code r via 10.1.1.1\n"
      "router 2 route 192.168.1.0/24\n"
      "ROUTER 3 No Route 0.0.0.0/0\n"
      "router 1 interface Serial0 line protocol up\n"
      "router 1 interface e0 is administratively down\n"
      "router 1 running-config has \"hostname Alpha\"\n"
      "router 1 startup-config lacks \" hostname Router \"\n"
      "router 1 show \"show ip route\" contains \"R    192\"\n"
      "wait 3600\n",
      c);
  ASSERT_FALSE(error) << error->line_number << ": " << error->message;
  ASSERT_EQ(c.size(), 11u);
  EXPECT_EQ(c[0].kind, Check::Kind::Ping);
  EXPECT_EQ(c[0].line_number, 3);
  EXPECT_EQ(c[0].text, "router 1 can ping 10.1.1.2");
  EXPECT_EQ(c[1].address, "10.1.1.9");
  EXPECT_EQ(c[2].code, 'R');
  EXPECT_EQ(c[2].via, "10.1.1.1");
  EXPECT_EQ(c[2].prefix_length, 24);
  EXPECT_EQ(c[3].code, 0);
  EXPECT_EQ(c[4].kind, Check::Kind::NoRoute);
  EXPECT_EQ(c[4].router, 3);
  EXPECT_EQ(c[5].state, "up");
  EXPECT_EQ(c[6].state, "administratively down");
  EXPECT_EQ(c[7].wanted, "hostname Alpha");
  EXPECT_TRUE(c[8].startup);
  EXPECT_EQ(c[8].wanted, "hostname Router");
  EXPECT_EQ(c[9].command, "show ip route");
  EXPECT_EQ(c[9].wanted, "R    192");  // blanks inside the text matter
  EXPECT_EQ(c[10].seconds, 3600);
}

struct BadLine {
  const char* line;
  const char* message;
};

class CheckFileError_ : public ::testing::TestWithParam<BadLine> {};

TEST_P(CheckFileError_, NamesTheLineAndTheFault) {
  std::vector<Check> c;
  const auto error = parse("# lab sheet\nrouter 1 can ping 10.1.1.1\n" +
                               std::string(GetParam().line) + "\nrouter 1 can ping 10.1.1.2\n",
                           c);
  ASSERT_TRUE(error) << GetParam().line;
  EXPECT_EQ(error->line_number, 3);
  EXPECT_NE(error->message.find(GetParam().message), std::string::npos) << error->message;
}

INSTANTIATE_TEST_SUITE_P(
    BadLines, CheckFileError_,
    ::testing::Values(
        BadLine{"ping 10.1.1.1", "unknown check 'ping'"},
        BadLine{"router 1 pings 10.1.1.1", "unknown check 'pings'"},
        BadLine{"router 99 can ping 10.1.1.1", "from 1 to 50, not '99'"},
        BadLine{"router 0 can ping 10.1.1.1", "from 1 to 50"},
        BadLine{"router -1 can ping 10.1.1.1", "from 1 to 50"},
        BadLine{"router one can ping 10.1.1.1", "from 1 to 50"}, BadLine{"router", "router number"},
        BadLine{"router 1 can ping 10.1.1.256", "not an address"},
        BadLine{"router 1 can ping 10.1.1", "not an address"},
        BadLine{"router 1 can ping", "missing the address"},
        BadLine{"router 1 can ping 10.1.1.1 twice", "unexpected 'twice'"},
        BadLine{"router 1 route 192.168.1.0", "NETWORK/LENGTH"},
        BadLine{"router 1 route 192.168.1.0/33", "prefix length"},
        BadLine{"router 1 route 192.168.1/24", "not a network address"},
        BadLine{"router 1 route 192.168.1.0/24 code X", "'code' takes"},
        BadLine{"router 1 route 192.168.1.0/24 via here", "not an address"},
        BadLine{"router 1 interface", "interface name"},
        BadLine{"router 1 interface Serial0 line protocol sideways", "line protocol up|down"},
        BadLine{"router 1 running-config has hostname Alpha", "running-config has \"LINE\""},
        BadLine{"router 1 running-config has \"\"", "empty"},
        BadLine{"router 1 running-config has \"hostname", "no closing quote"},
        BadLine{"router 1 show show ip route contains x", "show \"COMMAND\""},
        BadLine{"router 1 show \"show ip route\" contains \"\"", "empty"},
        BadLine{"wait", "'wait' takes"}, BadLine{"wait 0", "'wait' takes"},
        BadLine{"wait 3601", "from 1 to 3600"}, BadLine{"wait 31536000", "from 1 to 3600"},
        BadLine{"wait 99999999999999999999", "'wait' takes"}, BadLine{"wait 1.5", "'wait' takes"},
        BadLine{"wait 30 seconds", "'wait' takes"}));

TEST(CheckFile, AMissingFileIsAnErrorWithoutALine) {
  std::vector<Check> c;
  const auto error = read_check_file("/nonexistent/folder/lab.checks", c);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->line_number, 0);
}

}  // namespace
}  // namespace zorva
