// The script runner's own rules: its commands (saving and opening lab files, and the --lab option,
// among them), its errors, and what it prints.
#include "script/script_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_paths.h"

namespace zorva {
namespace {

struct ScriptResult {
  int status;
  std::string out, err;
  std::string topology;  // the topology file written for the run
};

ScriptResult run(const std::string& script, const ScriptOptions& options) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = run_script(in, options, out, err);
  return {status, out.str(), err.str(), options.topology};
}

// Runs `script` on a topology of `topology_text` (the default one when empty), with included
// scripts read from `script_dir` and the program's data in `app_dir`.
ScriptResult run_text(const std::string& script, const std::string& topology_text = "",
                      const std::filesystem::path& script_dir = {},
                      const std::filesystem::path& app_dir = testing::bin_dir()) {
  testing::TempDir dir;
  ScriptOptions options;
  options.app_dir = app_dir;
  options.log_file = dir.path() / "zorva.log";
  options.script_dir = script_dir;
  if (!topology_text.empty()) options.topology = dir.write("t.ini", topology_text);
  return run(script, options);
}

TEST(ScriptRunner, MalformedLinesAndRoutersOutsideTheTopologyStopWithTheirLineNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"line x\nfrobnicate\n", "script line 2"},
      {"key Enter Nope\n", "script line 1"},
      {"wait soon\n", "script line 1"},
      {"wait -1\n", "script line 1"},
      {"answer maybe\n", "script line 1"},
      {"router one\n", "script line 1"},
      {"key\n", "script line 1"},
      {"type\n", "script line 1: 'type' needs text"},
      {"wait 2e9\n", "script line 1"},  // past any simulated day a lesson needs
      // Numbers too large for any router number are malformed, not converted.
      {"line x\nrouter 1e20\n", "script line 2"},
      {"router 1e400\n", "script line 1"},
      {"router -1e30\n", "script line 1"},
      {"router 9223372036854775807\n", "script line 1"},
      {"router 1.5\n", "script line 1"},
      {"router\n", "script line 1"},
      {"behaviour realistic\n", "script line 1"},
      {"behaviour\n", "script line 1"},
      {"start config\n", "script line 1: 'start' takes enable or configure"},
      // The behaviour is chosen before the routers see any key.
      {"behaviour classic\nline x\nbehaviour real-router\n", "script line 3"},
      // Routers outside the topology.
      {"router 0\n", "script line 1: there is no router"},
      {"router 99\n", "script line 1: there is no router"},
      {"router 4\n", "script line 1: there is no router"},
  };
  for (const auto& [script, where] : cases) {
    const ScriptResult r = run_text(script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_NE(r.err.find(where), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << script;
  }
}

// An include reads its file's steps in place, from the including script's folder; its faults
// name the include's line and the file's own line, and a file including itself stops, not loops.
TEST(ScriptRunner, IncludedScriptsRunInPlaceAndNameTheirFaults) {
  testing::TempDir dir;
  dir.write("open.zs", "# shared opening\nrouter 2\nline enable\n");
  dir.write("bad.zs", "line x\nfrobnicate\n");
  dir.write("self.zs", "include self.zs\n");
  const std::pair<const char*, const char*> cases[] = {
      {"include open.zs\r\nline show clock\n", ""},
      {"line x\ninclude bad.zs\n", "script line 2: bad.zs line 2: unknown command"},
      {"include self.zs\n", "script line 1: self.zs line 1: self.zs line 1:"},
      {"include none.zs\n", "script line 1: cannot open the included script"},
      {"include\n", "script line 1: 'include' needs a script file name"},
  };
  for (const auto& [script, error] : cases) {
    const ScriptResult r = run_text(script, "", dir.path());
    EXPECT_EQ(r.status, *error ? 2 : 0) << script << r.err;
    EXPECT_NE(r.err.find(error), std::string::npos) << r.err;
    if (!*error) {
      EXPECT_NE(r.out.find("Router#show clock"), std::string::npos) << r.out;
    }
  }
}

// Key names at the edges of their ranges; the common ones are typed by every scenario.
TEST(ScriptRunner, KeyNames) {
  EXPECT_EQ(key_code_of("F12"), -12);
  EXPECT_EQ(key_code_of("Ctrl+z"), 26);
  EXPECT_EQ(key_code_of("Ctrl+["), 27);
  EXPECT_EQ(key_code_of("Ctrl+_"), 31);
  for (const char* name : {"Ctrl+@", "Ctrl+`", "F13", "F01", "Ctrl+1", "Enterprise"})
    EXPECT_FALSE(key_code_of(name)) << name;
}

TEST(ScriptRunner, NoRoutersPrintsNothingButSaysWhyOnTheErrorStream) {
  const ScriptResult r = run_text("line enable\nkey F2\n", "[GENERAL]\nnumberofrouters=0\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("zorva-term: The topology gives no routers: numberofrouters=0 in "),
            std::string::npos)
      << r.err;
}

// Typos an editor lets through, each named with its line once at start-up; a cable written in
// another case, a connector section the count names but the file lacks, and comments are not.
TEST(ScriptRunner, ConnectorsNamingNoRouterOrInterfaceAreNamedWithTheirLine) {
  const std::string topology =
      "[GENERAL]\r\nnumberofrouters=2\r\nnumberofconnectors=6\r\n"        // lines 1-3
      "[ROUTER1]\r\nSerial=2\r\nEthernet=1\r\n[ROUTER2]\r\nSerial=1\r\n"  // 4-8
      "[CONNECTOR1]\r\ndev1name=router1\r\ndev1interface=SERIAL0\r\n"     // 9-11
      "dev2name=Router2\r\ndev2interface=Serial0\r\n"                     // 12-13
      "[CONNECTOR2]\r\ndev1name=Router1\r\ndev1interface=Serial1\r\n"     // 14-16
      "; a typo below\r\ndev2name=Router2\r\ndev2interface=Serail0\r\n"   // 17-19
      "[CONNECTOR3]\r\ndev1name=Router3\r\ndev1interface=Serial0\r\n"     // 20-22
      "dev2name=Rooter2\r\ndev2interface=Serial0\r\n"                     // 23-24
      "[CONNECTOR4]\r\ndev1name=Router1\r\ndev2name=Router2\r\ndev2interface=Ethernet0\r\n";
  const ScriptResult r = run_text("line\n", topology);
  EXPECT_EQ(r.status, 0);
  const std::vector<std::string> said{
      ", line 19 (dev2interface=Serail0): Router2 has no interface Serail0 (it has Serial0), so "
      "the cable of [CONNECTOR2] carries nothing.",
      ", line 21 (dev1name=Router3): there is no router Router3 (the routers are Router1 and "
      "Router2), so the cable of [CONNECTOR3] carries nothing.",
      ", line 23 (dev2name=Rooter2): there is no router Rooter2 (the routers are Router1 and "
      "Router2), so the cable of [CONNECTOR3] carries nothing.",
      ": [CONNECTOR4] has no dev1interface, so its cable carries nothing.",
      ", line 28 (dev2interface=Ethernet0): Router2 has no interface Ethernet0 (it has Serial0), "
      "so the cable of [CONNECTOR4] carries nothing."};
  std::string expected;
  for (const std::string& s : said) expected += "zorva-term: The topology " + r.topology + s + "\n";
  EXPECT_EQ(r.err, expected);
}

// A missing command database is named once at start-up; a good start says nothing.
TEST(ScriptRunner, TheCommandDatabaseIsNamedAtStartUpOnlyWhenMissing) {
  testing::TempDir app;  // no zorva.mdb here
  const ScriptResult r =
      run_text("line show clock\nline enable\n", testing::topology(1, 1, 0), {}, app.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "zorva-term: The command database " + (app.path() / "zorva.mdb").string() +
                       " is missing: no command will be recognised.\n");
  EXPECT_NE(r.out.find("Router>show clock\n% Invalid input detected at '^' marker."),
            std::string::npos);
  const ScriptResult good = run_text("line\n", testing::topology(1, 1, 0));
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.err, "");
}

class LabScript : public ::testing::Test {
 protected:
  LabScript() {
    options.app_dir = testing::bin_dir();
    options.log_file = dir.path() / "zorva.log";
  }
  std::string file(const char* name) const { return (dir.path() / name).string(); }
  testing::TempDir dir;
  ScriptOptions options;
};

TEST_F(LabScript, OpenGoesBackToWhatWasSaved) {
  const std::string lab = file("a.zlab");
  const ScriptResult r =
      run("line\nline enable\nline conf t\nline hostname Saved\nline end\nsave " + lab +
              "\nline conf t\nline hostname Changed\nline end\nopen " + lab +
              "\nline enable\nline show running-config\n",
          options);
  ASSERT_EQ(r.status, 0) << r.err;
  // The transcript was saved with the lab, and the console goes on after it in user EXEC mode:
  // the mode a console was in is not part of the lab.
  const std::string last = r.out.substr(r.out.rfind("show running-config"));
  EXPECT_NE(last.find("hostname Saved"), std::string::npos) << last;
  EXPECT_EQ(r.out.find("Changed(config)#"), std::string::npos);
}

TEST_F(LabScript, TheLabOptionOpensALabInsteadOfATopology) {
  const std::string lab = file("b.zlab");
  const std::string typed = "line\nline enable\nline conf t\nline hostname FromLab\nline end\n";
  ASSERT_EQ(run(typed + "save " + lab + "\n", options).status, 0);
  options.lab = lab;
  const ScriptResult r = run("router 1\nline\n", options);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("--- input: FromLab>"), std::string::npos) << r.out;
}

// A bundle typed into by a script and saved keeps its page, title and practice checks, whether
// it came with --lab or with `open`.
TEST_F(LabScript, SavesKeepWhatABundleCameWith) {
  ASSERT_EQ(run("save " + file("plain.zlab") + "\n", options).status, 0);
  std::string text = testing::file_text(file("plain.zlab"));
  text.insert(text.rfind('}'), ",\"title\": \"Lab 9\", \"page\": \"<h1>Nine</h1>\"");
  text.replace(text.find("\"version\": 1"), 12, "\"version\": 2");
  const std::string bundle = dir.write("bundle.zlab", text);
  options.lab = bundle;
  ASSERT_EQ(run("line\nsave " + file("by-lab.zlab") + "\nopen " + bundle + "\nsave " +
                    file("by-open.zlab") + "\n",
                options)
                .status,
            0);
  for (const char* saved : {"by-lab.zlab", "by-open.zlab"}) {
    const std::string again = testing::file_text(file(saved));
    EXPECT_NE(again.find("\"page\": \"<h1>Nine</h1>\""), std::string::npos) << saved;
    EXPECT_NE(again.find("\"title\": \"Lab 9\""), std::string::npos) << saved;
  }
}

TEST_F(LabScript, FilesThatCannotBeOpenedOrSavedStopTheScriptWithTheirLine) {
  ScriptResult r = run("wait 1\nopen " + file("absent.zlab") + "\n", options);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("script line 2: cannot open the lab"), std::string::npos) << r.err;
  r = run("save " + file("no/such/folder/x.zlab") + "\n", options);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("script line 1: cannot write"), std::string::npos) << r.err;
  r = run("save\n", options);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("'save' needs a lab file name"), std::string::npos) << r.err;
  options.lab = file("absent.zlab");
  r = run("wait 1\n", options);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("cannot open the lab"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zorva
