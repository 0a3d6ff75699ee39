// Scenario tests: each tests/scenarios/NAME.zs is a script of keys and waits, run through the
// script runner; its output must equal NAME.out line for line. A script may begin with
//   # topology: topologies/two_routers.ini     (relative to the program directory)
// Set ZORVA_UPDATE_GOLDEN=1 to write the .out files afresh from the current behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "script/script_runner.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> scenario_names() {
  std::vector<std::string> names;
  const fs::path dir = testing::source_dir() / "tests" / "scenarios";
  if (!fs::is_directory(dir)) return names;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".zs") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
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

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, TranscriptMatches) {
  const fs::path base = testing::source_dir() / "tests" / "scenarios" / GetParam();
  const std::string script = read_file(base.string() + ".zs");
  testing::TempDir dir;
  ScriptOptions options;
  options.app_dir = testing::bin_dir();
  options.log_file = dir.path() / "zorva.log";
  const std::string topology = header_value(script, "topology");
  if (!topology.empty()) options.topology = (testing::bin_dir() / topology).string();
  std::istringstream in(script);
  std::ostringstream out, err;
  ASSERT_EQ(run_script(in, options, out, err), 0) << err.str();

  const fs::path expected_file = base.string() + ".out";
  if (std::getenv("ZORVA_UPDATE_GOLDEN")) {
    std::ofstream(expected_file, std::ios::binary) << out.str();
    GTEST_SKIP() << "wrote " << expected_file;
  }
  ASSERT_TRUE(fs::exists(expected_file)) << "no expected transcript " << expected_file;
  std::istringstream want(read_file(expected_file)), got(out.str());
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
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Scenario);

}  // namespace
}  // namespace zorva
