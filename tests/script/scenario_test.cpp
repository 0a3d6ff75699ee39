// Scenario tests: each tests/scenarios/NAME.zs is a script of keys and waits, run through the
// script runner; its output must equal NAME.out line for line. A script may begin with
//   # topology: topologies/two_routers.ini
// naming a topology of the tests' own in tests/scenarios/topologies/, or else one the program
// ships (relative to the program directory).
// The expected transcript holds only the routers the script types into (router 1 and every
// `router N`), and a run of blank lines stands as one: the 29 blank lines of a console's first
// screen carry nothing. Set ZORVA_UPDATE_GOLDEN=1 to write the .out files afresh; every change to
// one is a claim about behaviour and is read line by line before it is committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "script/script_runner.h"
#include "tests/support/test_paths.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;
using testing::file_text;

std::vector<std::string> scenario_names() {
  std::vector<std::string> names;
  const fs::path dir = testing::source_dir() / "tests" / "scenarios";
  if (!fs::is_directory(dir)) return names;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".zs") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The value of a "# key: value" header line, or "".
std::string header_value(const std::string& script, const std::string& key) {
  std::istringstream in(script);
  std::string line;
  const std::string prefix = "# " + key + ":";
  while (std::getline(in, line))
    if (line.rfind(prefix, 0) == 0) return std::string(line.substr(prefix.size() + 1));
  return "";
}

// The routers a script types into: router 1, where every script starts, and each `router N`, its
// included openings' too.
std::set<std::string> routers_used(const std::string& script, const fs::path& folder) {
  std::set<std::string> used = {"1"};
  std::istringstream in(script);
  std::vector<ScriptStep> steps;
  parse_script(in, steps, folder);
  for (const ScriptStep& step : steps)
    if (step.kind == ScriptStep::Kind::Router) used.insert(std::to_string(step.number));
  return used;
}

// The runner's output with the routers the script does not use left out and every run of blank
// lines written as one.
std::string trimmed(const std::string& output, const std::set<std::string>& used) {
  std::istringstream in(output);
  std::string line, kept;
  bool keep = true, last_blank = false;
  while (std::getline(in, line)) {
    if (line.rfind("=== Router ", 0) == 0) {
      const std::string n = line.substr(11, line.find(' ', 11) - 11);
      keep = used.contains(n);
      last_blank = false;
    }
    if (!keep || (line.empty() && last_blank)) continue;
    last_blank = line.empty();
    kept += line + "\n";
  }
  return kept;
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, TranscriptMatches) {
  const fs::path base = testing::source_dir() / "tests" / "scenarios" / GetParam();
  const std::string script = file_text(base.string() + ".zs");
  testing::TempDir dir;
  ScriptOptions options;
  options.app_dir = testing::bin_dir();
  options.log_file = dir.path() / "zorva.log";
  options.script_dir = base.parent_path();
  const std::string topology = header_value(script, "topology");
  // A topology beside the scripts (tests/scenarios/topologies/) is a test's own; any other path
  // is one the program ships, relative to the program directory.
  if (!topology.empty()) {
    const fs::path own = base.parent_path() / topology;
    options.topology = (fs::exists(own) ? own : testing::bin_dir() / topology).string();
  }
  std::istringstream in(script);
  std::ostringstream out, err;
  ASSERT_EQ(run_script(in, options, out, err), 0) << err.str();

  const std::string transcript = trimmed(out.str(), routers_used(script, base.parent_path()));
  const fs::path expected_file = base.string() + ".out";
  if (std::getenv("ZORVA_UPDATE_GOLDEN")) {
    std::ofstream(expected_file, std::ios::binary) << transcript;
    GTEST_SKIP() << "wrote " << expected_file;
  }
  ASSERT_TRUE(fs::exists(expected_file)) << "no expected transcript " << expected_file;
  std::istringstream want(file_text(expected_file)), got(transcript);
  std::string w, g;
  int line = 0;
  while (true) {
    const bool more_w = static_cast<bool>(std::getline(want, w));
    const bool more_g = static_cast<bool>(std::getline(got, g));
    ++line;
    if (!more_w && !more_g) break;
    ASSERT_EQ(more_w, more_g) << "transcripts differ in length at line " << line;
    ASSERT_EQ(w, g) << "at line " << line << " of " << expected_file;
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, Scenario, ::testing::ValuesIn(scenario_names()),
                         [](const auto& info) { return info.param; });

// A missing or emptied scenarios folder must not pass as "all transcripts match".
TEST(Scenarios, FolderHoldsScripts) {
  EXPECT_FALSE(scenario_names().empty())
      << "no scenario scripts in " << (testing::source_dir() / "tests" / "scenarios");
}

}  // namespace
}  // namespace zorva
