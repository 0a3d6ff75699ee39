// Reading check files: every form of check, and every error naming its line.
#include "lab/check_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

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
  EXPECT_EQ(std::tuple(c[0].kind, c[0].line_number, c[0].text),
            std::tuple(Check::Kind::Ping, 3, "router 1 can ping 10.1.1.2"));
  EXPECT_EQ(c[1].address, "10.1.1.9");
  EXPECT_EQ(std::tuple(c[2].code, c[2].via, c[2].prefix_length), std::tuple('R', "10.1.1.1", 24));
  EXPECT_EQ(c[3].code, 0);
  EXPECT_EQ(std::tuple(c[4].kind, c[4].router), std::tuple(Check::Kind::NoRoute, 3));
  EXPECT_EQ(std::tuple(c[5].state, c[6].state), std::tuple("up", "administratively down"));
  EXPECT_EQ(c[7].wanted, "hostname Alpha");
  EXPECT_EQ(std::tuple(c[8].startup, c[8].wanted), std::tuple(true, "hostname Router"));
  // Blanks inside the text matter.
  EXPECT_EQ(std::tuple(c[9].command, c[9].wanted), std::tuple("show ip route", "R    192"));
  EXPECT_EQ(c[10].millis, 3600000);
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
    ::testing::Values(BadLine{"ping 10.1.1.1", "unknown check 'ping'"},
                      BadLine{"router 1 pings 10.1.1.1", "unknown check 'pings'"},
                      BadLine{"router 99 can ping 10.1.1.1", "from 1 to 50, not '99'"},
                      BadLine{"router 0 can ping 10.1.1.1", "from 1 to 50"},
                      BadLine{"router -1 can ping 10.1.1.1", "from 1 to 50"},
                      BadLine{"router one can ping 10.1.1.1", "from 1 to 50"},
                      BadLine{"router", "router number"},
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
                      BadLine{"router 1 interface Serial0 line protocol sideways",
                              "line protocol up|down"},
                      BadLine{"router 1 running-config has hostname Alpha",
                              "running-config has [exactly] \"LINE\""},
                      BadLine{"router 1 running-config has \"\"", "empty"},
                      BadLine{"router 1 running-config has \"hostname", "no closing quote"},
                      BadLine{"router 1 show show ip route contains x", "show \"COMMAND\""},
                      BadLine{"router 1 show \"show ip route\" contains \"\"", "empty"},
                      BadLine{"wait", "'wait' takes"}, BadLine{"wait 0", "'wait' takes"},
                      BadLine{"wait 3601", "up to 3600"}, BadLine{"wait 31536000", "up to 3600"},
                      BadLine{"wait 99999999999999999999", "'wait' takes"},
                      BadLine{"wait 30 seconds", "'wait' takes"}));

// What a check file's checks say, one line each, for the table below.
std::string describe(const std::vector<Check>& checks) {
  std::string out;
  for (const Check& c : checks) {
    out += (out.empty() ? "" : "; ") + std::to_string(c.line_number) + ": ";
    switch (c.kind) {
      case Check::Kind::Wait:
        out += "wait " + std::to_string(c.millis) + " ms";
        break;
      case Check::Kind::ConfigHas:
      case Check::Kind::ConfigLacks:
        out += std::string(c.kind == Check::Kind::ConfigHas ? "has" : "lacks") +
               (c.exact ? " exactly" : "") + " [" + c.wanted + "]";
        break;
      case Check::Kind::ConfigMatches:
      case Check::Kind::ShowMatches:
        out += (c.kind == Check::Kind::ShowMatches ? "show [" + c.command + "] " : "") +
               "matches /" + c.pattern + "/" + ((c.regex->flags() & std::regex::icase) ? "i" : "");
        break;
      case Check::Kind::ShowContains:
        out += "show [" + c.command + "] contains [" + c.wanted + "]";
        break;
      case Check::Kind::EnableSecret:
        out += "secret [" + c.wanted + "] shown as " + c.text;
        break;
      default:
        out += c.text;
    }
  }
  return out;
}

// Check files as editors write them, and the newer forms: each file gives its checks, or the
// error "LINE: message part" it must give.
TEST(CheckFile, ReadsFilesAsEditorsWriteThemAndTheNewerForms) {
  const struct {
    std::string file;
    std::string expected;
  } table[] = {
      // Byte-order mark and the three kinds of line end.
      {"\xEF\xBB\xBFrouter 1 can ping 10.1.1.2\n", "1: router 1 can ping 10.1.1.2"},
      {"wait 1\rwait 2\r\rrouter 1 can ping 10.1.1.2",
       "1: wait 1000 ms; 2: wait 2000 ms; 4: router 1 can ping 10.1.1.2"},
      {"wait 1\r\nwait 2\nrouter 1 can ping 10.1.1.2\r\n",
       "1: wait 1000 ms; 2: wait 2000 ms; 3: router 1 can ping 10.1.1.2"},
      // Comments after a check, but never inside a text.
      {"router 1 can ping 10.1.1.2   # the serial link", "1: router 1 can ping 10.1.1.2"},
      {"router 1 running-config has \"banner motd #\" # why", "1: has [banner motd #]"},
      {"router 1 can ping 10.1.1.2#no blank", "1: router 1 can ping 10.1.1.2"},
      // Quotes and backslashes inside texts.
      {R"(router 1 show "show run" contains "say \"hi\" \\ C:\x")",
       R"(1: show [show run] contains [say "hi" \ C:\x])"},
      // Decimal waits.
      {"wait 1.5\nwait 0.001\nwait 3600.000\nrouter 1 can ping 10.1.1.2",
       "1: wait 1500 ms; 2: wait 1 ms; 3: wait 3600000 ms; 4: router 1 can ping 10.1.1.2"},
      {"wait 1.", "error 1: 'wait' takes"},
      {"wait .5", "error 1: 'wait' takes"},
      {"wait 0.0001", "error 1: 'wait' takes"},
      {"wait 0.000", "error 1: 'wait' takes"},
      {"wait 3600.001", "error 1: up to 3600"},
      // Curly quotes, in UTF-8 and as single Windows-1252 bytes.
      {"router 1 running-config has \xE2\x80\x9Chostname A\xE2\x80\x9D", "error 1: curly quotes"},
      {"router 1 running-config has \x93hostname A\x94", "error 1: curly quotes"},
      // A file without checks.
      {"", "error 0: holds no checks"},
      {"\xEF\xBB\xBF# only a comment\r\n\r\n", "error 0: holds no checks"},
      {"wait 30\n", "error 0: holds no checks"},
      // Show checks type show commands and nothing else.
      {"router 1 show \"sh ip route\" contains \"R\"", "1: show [sh ip route] contains [R]"},
      {"\nrouter 1 show \"reload\" contains \"x\"",
       "error 2: only 'show ...' commands, not 'reload'"},
      {"router 1 show \"s ip route\" contains \"R\"", "error 1: only 'show ...'"},
      {"router 1 show \"showx\" contains \"R\"", "error 1: only 'show ...'"},
      {"router 1 show \"show ?\" contains \"R\"", "error 1: cannot type"},
      // Case-sensitive lines, patterns and the plain-text secret.
      {"router 1 running-config has exactly \"hostname HQ\"\nrouter 1 startup-config lacks EXACTLY "
       "\"x\"",
       "1: has exactly [hostname HQ]; 2: lacks exactly [x]"},
      {"router 1 running-config has exactly hostname", "error 1: has [exactly] \"LINE\""},
      {"router 1 running-config matches /^hostname R[0-9]$/", "1: matches /^hostname R[0-9]$/"},
      {"router 1 show \"show ip route\" matches /via \\/ 1[0-9]/i",
       "1: show [show ip route] matches /via / 1[0-9]/i"},
      {"router 1 running-config matches /[a-/", "error 1: not a regular expression"},
      {"router 1 running-config matches /x/g", "error 1: only 'i'"},
      {"router 1 running-config matches /x", "error 1: no closing slash"},
      {"router 1 running-config matches \"x\"", "error 1: between slashes"},
      {"router 1 enable secret is \"class\"",
       "1: secret [class] shown as router 1 enable secret is \"*****\""},
      {"router 1 enable secret is class", "error 1: enable secret is \"SECRET\""},
      {"router 1 enable secret is \"\"", "error 1: empty"},
  };
  for (const auto& row : table) {
    std::vector<Check> c;
    const auto error = parse(row.file, c);
    const std::string got =
        error ? "error " + std::to_string(error->line_number) + ": " + error->message : describe(c);
    if (row.expected.rfind("error ", 0) == 0) {
      const std::string where = row.expected.substr(0, row.expected.find(':') + 2);
      EXPECT_EQ(got.rfind(where, 0), 0u) << row.file << " -> " << got;
      EXPECT_NE(got.find(row.expected.substr(where.size())), std::string::npos)
          << row.file << " -> " << got;
    } else {
      EXPECT_EQ(got, row.expected) << row.file;
    }
  }
}

TEST(CheckFile, AMissingFileIsAnErrorWithoutALine) {
  std::vector<Check> c;
  const auto error = read_check_file("/nonexistent/folder/lab.checks", c);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->line_number, 0);
  EXPECT_NE(error->message.find("No such file or directory"), std::string::npos) << error->message;
}

}  // namespace
}  // namespace zorva
