// Scripts that save and open lab files, and the runner's --lab option.
#include <gtest/gtest.h>

#include <sstream>

#include "script/script_runner.h"
#include "tests/support/test_paths.h"

namespace zorva {
namespace {

struct ScriptRun {
  int status;
  std::string out, err;
};

ScriptRun run(const std::string& script, const ScriptOptions& options) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = run_script(in, options, out, err);
  return {status, out.str(), err.str()};
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
  const ScriptRun r = run("line\nline enable\nline conf t\nline hostname Saved\nline end\nsave " +
                              lab + "\nline conf t\nline hostname Changed\nline end\nopen " + lab +
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
  const ScriptRun r = run("router 1\nline\n", options);
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
  ScriptRun r = run("wait 1\nopen " + file("absent.zlab") + "\n", options);
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
