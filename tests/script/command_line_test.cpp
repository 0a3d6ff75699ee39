// zorva-term's arguments: what runs, what ends at once, and what is refused with the usage.
#include "script/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace zorva {
namespace {

struct Outcome {
  std::optional<int> status;
  std::string out;
  std::string err;
  TermCommandLine line;
};

Outcome read(const std::vector<std::string>& args) {
  Outcome o;
  std::ostringstream out, err;
  o.status = read_command_line(args, o.line, out, err);
  o.out = out.str();
  o.err = err.str();
  return o;
}

TEST(TermCommandLine, BadArgumentsPrintTheUsageAndEndWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"--seed", "abc"},
      {"--seed", "-1"},
      {"--seed", "4294967296"},
      {"--seed", "99999999999999999999999"},
      {"--seed", ""},
      {"--seed", "12x"},
      {"--seed", "+5"},
      {"--seed", " 5"},
      {"--seed"},
      {"--script"},
      {"--behaviour", "bogus"},
      {"--behaviour", "Classic"},
      {"--behaviour"},
      {"--bogus"},
      {"--topology", "t.ini", "extra"},
  };
  for (const auto& args : cases) {
    const Outcome o = read(args);
    EXPECT_EQ(o.status, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_NE(o.err.find("usage: zorva-term"), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "");
  }
}

TEST(TermCommandLine, SeedsFromZeroToTheLargest32BitNumber) {
  const std::pair<const char*, unsigned> cases[] = {
      {"0", 0u}, {"1", 1u}, {"4294967295", 4294967295u}, {"007", 7u}};
  for (const auto& [text, seed] : cases) {
    const Outcome o = read({"--seed", text});
    EXPECT_FALSE(o.status) << text;
    EXPECT_EQ(o.line.options.seed, seed);
  }
}

TEST(TermCommandLine, HelpAndVersionEndAtOnceWithZero) {
  const Outcome help = read({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: zorva-term", 0), 0u);
  const Outcome version = read({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("zorva-term ", 0), 0u);
}

TEST(TermCommandLine, OptionsToRunWith) {
  const Outcome o = read({"--script", "labs/walk.zs", "--topology", "t.ini", "--app-dir", "/x",
                          "--behaviour", "real-router"});
  EXPECT_FALSE(o.status);
  const ScriptOptions& options = o.line.options;
  EXPECT_EQ(std::tuple(options.behaviour, o.line.script, options.topology, options.app_dir),
            std::tuple(Behaviour::RealRouter, "labs/walk.zs", "t.ini", "/x"));
  EXPECT_EQ(options.script_dir, "labs");  // where its includes are found
}

}  // namespace
}  // namespace zorva
