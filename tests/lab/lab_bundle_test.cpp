// Lab bundles: made from a page, a topology, a starting lab and practice checks as a teacher names
// them, then opened as a student opens them; the bundles that must not be made, one table; and a
// plain lab that stays a version-1 file every older program opens.
#include "lab/lab_bundle.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "lab/lab_file.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kPage =
    "<html><head><title>Lab 6: OSPF &amp; areas</title>\n"
    "<link rel=\"stylesheet\" type=\"text/css\" href=\"style/lab.css\"></head><body>\n"
    "<h1>OSPF</h1><img alt=\"net\" src='net.png'><img src=\"http://example.org/x.png\">\n"
    "<!-- <img src=\"old.png\"> --><img src=\"gone.png\"></body></html>\n";
constexpr const char* kChecks = "router 1 running-config has exactly \"hostname Alpha\"\n";

class LabBundleTest : public ::testing::Test {
 protected:
  LabBundleTest() {
    fs::create_directories(dir.path() / "style");
    dir.write("style/lab.css", "h1 { color: navy; }");
    dir.write("net.png", std::string("\x89PNG\r\n\x1a\n", 8));  // base64: iVBORw0KGgo=
    page = dir.write("lab06.htm", kPage);
    topology = dir.write("two.ini", testing::topology(2, 1, 1));
    checks = dir.write("practice.checks", kChecks);
    testing::TestSimulation start(testing::topology(2, 1, 1));
    start.sim->behaviour = Behaviour::RealRouter;
    start.sim->student = "Teacher";
    start.type("\renable\rconfigure terminal\rhostname Alpha\r");
    start_lab = dir.path() / "start.zlab";
    EXPECT_EQ(save_lab(*start.sim, start_lab, true), "");
  }
  OpenedLab open(const fs::path& file) {
    return open_lab_file(file, host, {testing::bin_dir(), dir.path() / "zorva.log"});
  }

  testing::TempDir dir;
  ScriptedHost host;
  std::string page, topology, checks;
  fs::path start_lab;
};

TEST_F(LabBundleTest, ABundleCarriesPageTitleChecksBehaviourAndStartingLab) {
  std::vector<std::string> notes;
  const fs::path out = dir.path() / "lab06.zlab";
  ASSERT_EQ(
      make_bundle({page, topology, start_lab, checks, ""}, out, testing::bin_dir(), host, notes),
      "");
  ASSERT_EQ(notes.size(), 1u);  // the missing picture, named; the others went in or stay links
  EXPECT_NE(notes[0].find("gone.png"), std::string::npos);

  OpenedLab lab = open(out);
  ASSERT_TRUE(lab.sim) << lab.error;
  EXPECT_EQ(lab.bundle.title, "Lab 6: OSPF & areas");
  EXPECT_EQ(lab.bundle.practice_checks, kChecks);
  const std::string& html = lab.bundle.page;
  EXPECT_NE(html.find("<style>\nh1 { color: navy; }\n</style>"), std::string::npos) << html;
  EXPECT_EQ(html.find("lab.css"), std::string::npos);
  EXPECT_NE(html.find("<img alt=\"net\" src='data:image/png;base64,iVBORw0KGgo='>"),
            std::string::npos);
  EXPECT_NE(html.find("src=\"http://example.org/x.png\""), std::string::npos);
  EXPECT_NE(html.find("<!-- <img src=\"old.png\"> -->"), std::string::npos);
  EXPECT_NE(html.find("src=\"gone.png\""), std::string::npos);
  EXPECT_EQ(lab.sim->behaviour, Behaviour::RealRouter);
  EXPECT_EQ(lab.sim->router(1)->record.hostname, "Alpha");
  EXPECT_EQ(lab.sim->student, "");  // the teacher's name stays behind
  EXPECT_EQ(json::parse(lab_text(*lab.sim, false, lab.bundle))["version"], 2);

  // Saved again with its parts, the bundle reads back the same; without them it is version 1.
  const fs::path again = dir.path() / "again.zlab";
  ASSERT_EQ(save_lab(*lab.sim, again, true, lab.bundle), "");
  EXPECT_EQ(open(again).bundle, lab.bundle);
  EXPECT_EQ(json::parse(lab_text(*lab.sim, false))["version"], 1);
  OpenedLab plain = open(start_lab);
  ASSERT_TRUE(plain.sim) << plain.error;
  EXPECT_TRUE(plain.bundle.empty());
}

TEST_F(LabBundleTest, ATopologyAloneStartsAClassicLab) {
  std::vector<std::string> notes;
  const fs::path out = dir.path() / "fresh.zlab";
  ASSERT_EQ(make_bundle({page, topology, "", "", "My title"}, out, testing::bin_dir(), host, notes),
            "");
  OpenedLab lab = open(out);
  ASSERT_TRUE(lab.sim) << lab.error;
  EXPECT_EQ(std::tuple(lab.bundle.title, lab.bundle.practice_checks, lab.sim->behaviour,
                       lab.sim->router_count),
            std::tuple("My title", "", Behaviour::Classic, 2));
}

TEST_F(LabBundleTest, BundlesThatCannotBeMadeSayWhyAndWriteNothing) {
  struct Case {
    const char* name;
    BundleSources sources;
    const char* out;     // beside the sources
    const char* reason;  // part of the reason given
  };
  const std::string bad_checks = dir.write("bad.checks", "router 1 flies\n");
  const std::string three = dir.write("three.ini", testing::topology(3, 1, 1));
  const Case cases[] = {
      {"no page", {"", topology, "", "", ""}, "a.zlab", "needs the lab's page"},
      {"no lab", {page, "", "", "", ""}, "a.zlab", "needs a topology or a starting lab"},
      {"over its page", {page, topology, "", "", ""}, "lab06.htm", "one of the files"},
      {"bad checks", {page, topology, "", bad_checks, ""}, "a.zlab", "bad.checks line 1: "},
      {"other topology", {page, three, start_lab, "", ""}, "a.zlab", "was not made on"},
      {"missing page", {dir.path() / "none.htm", topology, "", "", ""}, "a.zlab", "none.htm"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> notes;
    const fs::path out = dir.path() / c.out;
    const std::string error = make_bundle(c.sources, out, testing::bin_dir(), host, notes);
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    if (fs::path(c.out) != "lab06.htm") {
      EXPECT_FALSE(fs::exists(out)) << c.name;
    }
  }
}

}  // namespace
}  // namespace zorva
