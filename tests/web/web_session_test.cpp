// The browser face's session, natively: what the page is handed after keys, questions that wait
// for a click, topologies and labs that cannot be opened, pastes and checks.
#include "web/web_session.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/support/test_simulation.h"

namespace zorva::web {
namespace {

using nlohmann::json;

class Session : public ::testing::Test {
 protected:
  Session() : session(testing::bin_dir().string(), (dir.path() / "zorva.log").string()) {
    session.start("topologies/two_routers.ini");
  }
  json changes() { return json::parse(session.take_changes()); }
  // Everything router n's console was handed in `c`.
  static std::string appended(const json& c, int n) {
    std::string text;
    for (const json& one : c.value("consoles", json::array()))
      if (one["n"] == n && one.contains("append")) text += one["append"].get<std::string>();
    return text;
  }

  testing::TempDir dir;
  WebSession session;
};

TEST_F(Session, FirstChangesListTheRoutersAndWholeTranscriptsThenOnlyWhatIsNew) {
  json first = changes();
  ASSERT_TRUE(first.contains("reset"));
  EXPECT_EQ(first["reset"]["routers"], json::array({"Router 1", "Router 2"}));
  EXPECT_NE(appended(first, 1).find("Press Enter to Start"), std::string::npos);
  EXPECT_EQ(json({first["active"], first["changed"]}), json({1, false}));

  json idle = changes();
  EXPECT_FALSE(idle.contains("reset") || idle.contains("consoles")) << idle.dump();

  session.type_text("\renable\r");
  json typed = changes();
  EXPECT_EQ(appended(typed, 1), "\r\nRouter>\r\nRouter>enable");
  EXPECT_EQ(typed["consoles"][0]["input"], "Router#") << "the prompt stands in the input line";
  EXPECT_TRUE(typed["changed"]);
  EXPECT_EQ(session.suggested_name(), "two_routers.zlab");  // named after the lab's topology
  session.save();
  json saved = changes();
  EXPECT_FALSE(saved["changed"]);
  EXPECT_EQ(saved["download"]["name"], "two_routers.zlab");
  EXPECT_NE(saved["download"]["text"].get<std::string>().find("zorva-lab"), std::string::npos);
  EXPECT_EQ(saved["told"], json::array({"Lab downloaded as two_routers.zlab."}));
}

// The page speaks UTF-8; the core keeps a byte per character, as the desktop types it.
TEST_F(Session, InputLineAndCaretAreHandedOverInUtf8WhileTheCoreKeepsLatin1) {
  changes();
  session.type_text("\rsho");
  session.key(2);  // Ctrl+B: one to the left
  json c = changes();
  ASSERT_EQ(c["consoles"].size(), 1u);
  EXPECT_EQ(json({c["consoles"][0]["input"], c["consoles"][0]["caret"]}), json({"Router>sho", 9}));
  session.key(6);  // Ctrl+F: back to the end
  session.type_text("caf\xc3\xa9\xe2\x82\xac");
  EXPECT_EQ(session.sim().router(1)->console.input_text(), "Router>shocaf\xe9")
      << "the euro sign has no key: it is left out, not typed as a '?' that would ask for help";
  c = changes();
  EXPECT_EQ(c["consoles"][0]["input"], "Router>shocaf\xc3\xa9");
  EXPECT_EQ(c["consoles"][0]["caret"], 14) << "a byte each: the caret counts characters";
}

TEST_F(Session, FunctionKeysBringARouterForwardAndKeysFollowIt) {
  changes();
  session.function_key(2);
  session.type_text("\renable\r");
  json c = changes();
  EXPECT_EQ(c["active"], 2);
  EXPECT_NE(appended(c, 2).find("Router>enable"), std::string::npos);
  EXPECT_EQ(appended(c, 1), "");
  session.function_key(12);  // no router 12: nothing moves
  EXPECT_FALSE(changes().contains("active"));
}

// The reload question is answered by a click long after the key that asked it: the keys typed
// meanwhile wait and are typed after the answer, in order; Yes reloads.
TEST_F(Session, AQuestionHoldsTheKeysUntilItIsAnswered) {
  session.type_text("\renable\rreload\rshow clock\r");
  json c = changes();
  ASSERT_TRUE(c.contains("question"));
  EXPECT_EQ(json({c["question"]["title"], c["question"]["buttons"]}),
            json({"Reload the Router", "yesnocancel"}));
  EXPECT_FALSE(changes().contains("question")) << "a question is handed over once";
  EXPECT_EQ(appended(changes(), 1), "") << "the keys after it wait";

  EXPECT_FALSE(session.answer("maybe"));
  ASSERT_TRUE(session.answer("cancel"));
  const json after = changes();
  EXPECT_NE(appended(after, 1).find("show clock\r\n*00:"), std::string::npos) << after.dump();
  EXPECT_FALSE(session.answer("yes")) << "nothing waits any more";

  session.type_text("enable\rreload\r");  // answered Yes, it reloads with the clock running
  changes();
  ASSERT_TRUE(session.answer("yes"));
  session.run_real(60000);
  EXPECT_NE(appended(changes(), 1).find("non-volatile configuration memory"), std::string::npos);
}

TEST_F(Session, ATopologyWithoutRoutersLeavesTheSimulationInUse) {
  session.type_text("\renable\rconfigure terminal\rhostname Kept\r");
  changes();
  const std::string junk("\x01\xff\xfe[GENERAL]\0numberofrouters=abc\x80", 33);
  EXPECT_NE(session.open_topology("junk.ini", junk), "");
  EXPECT_NE(session.open_topology("empty.ini", ""), "");
  EXPECT_FALSE(changes().contains("reset"));
  EXPECT_EQ(session.sim().router(1)->record.hostname, "Kept");

  EXPECT_EQ(session.open_topology("mine.ini", testing::topology(3, 1, 1)), "");
  ASSERT_TRUE(changes().contains("question")) << "the changed lab is offered to be saved first";
  ASSERT_TRUE(session.answer("no"));
  json c = changes();
  ASSERT_TRUE(c.contains("reset"));
  EXPECT_EQ(c["reset"]["routers"].size(), 3u);
  EXPECT_EQ(c["reset"]["topology"], "mine.ini");
}

TEST_F(Session, LabsRoundTripAndBadLabsOpenNothing) {
  session.type_text("\renable\rconfigure terminal\rhostname Saved\r");
  const std::string lab = session.lab_text(true);
  session.start("");
  EXPECT_EQ(session.open_lab("saved.zlab", lab), "");
  EXPECT_EQ(session.sim().router(1)->record.hostname, "Saved");
  EXPECT_NE(appended(changes(), 1).find("hostname Saved"), std::string::npos)
      << "the transcript comes back with the lab";

  // A lab that names no student is the one handed out: a save goes beside it, never over it.
  EXPECT_EQ(session.suggested_name(), "saved-student.zlab");
  EXPECT_NE(session.open_lab("a", lab.substr(0, lab.size() / 2)), "");
  EXPECT_NE(session.open_lab("b", R"({"format":"another-program","version":1})"), "");
  EXPECT_NE(session.open_lab("c", "\x89PNG\r\n"), "");
  EXPECT_EQ(session.sim().router(1)->record.hostname, "Saved");
}

// A bundle fetched by its address: its page and title for the navigator, Check My Work on its own
// practice checks, and a download named for the student, never the bundle's own name.
TEST_F(Session, ABundleShowsItsPageChecksItsChecksAndSavesUnderTheStudentsName) {
  session.type_text("\renable\rconfigure terminal\rhostname Alpha\rend\r");
  json bundle = json::parse(session.lab_text(false));
  bundle["title"] = "Lab 6 – OSPF";
  bundle["page"] = "<h1>Café network</h1>";
  bundle["practice_checks"] =
      "router 1 running-config has exactly \"hostname Alpha\"\nrouter 2 running-config has exactly "
      "\"hostname Zulu\"\n";
  bundle["version"] = 2;
  session.start("");
  EXPECT_FALSE(session.has_practice_checks());
  ASSERT_EQ(session.open_lab("lab06.zlab", bundle.dump()), "");
  EXPECT_EQ(session.lab_page(), "<h1>Café network</h1>");
  EXPECT_EQ(session.lab_title(), "Lab 6 – OSPF");
  const json report = json::parse(session.check_practice());
  EXPECT_EQ(json({report["passed"], report["failed"]}), json({1, 1}));

  EXPECT_EQ(session.suggested_name(), "lab06-student.zlab");
  session.set_student("Zoë M");
  EXPECT_EQ(session.student(), "Zoë M");
  EXPECT_TRUE(session.changed());
  EXPECT_EQ(session.suggested_name(), "lab06-Zoë_M.zlab");
  const json saved = json::parse(session.lab_text(true));
  EXPECT_EQ(saved["student"], "Zoë M");
  EXPECT_EQ(saved["page"], bundle["page"]);
  EXPECT_EQ(saved["practice_checks"], bundle["practice_checks"]);
}

TEST_F(Session, APasteLongerThanTheQueueIsRefusedWhole) {
  EXPECT_TRUE(session.type_text(std::string(100000, 'x')));
  EXPECT_FALSE(session.type_text(std::string(WebSession::kMaxQueuedKeys + 1, 'x')));
  session.type_text("\r");
  EXPECT_NE(appended(changes(), 1).find("Router>"), std::string::npos);
}

TEST_F(Session, ChecksReportEachResultOrTheFileError) {
  session.type_text("\renable\rconfigure terminal\rhostname Alpha\r");
  json report =
      json::parse(session.check("router 1 running-config has \"hostname Alpha\"\n"
                                "router 2 running-config has \"hostname Beta\"\n"));
  ASSERT_TRUE(report.contains("results")) << report.dump();
  EXPECT_EQ(json({report["passed"], report["failed"], report["results"][0]["passed"],
                  report["results"][1]["passed"]}),
            json({1, 1, true, false}));

  json bad = json::parse(session.check("no such check here\n"));
  ASSERT_TRUE(bad.contains("error"));
  EXPECT_NE(bad["error"].get<std::string>().find("line 1"), std::string::npos);
}

TEST_F(Session, TheDiagramFollowsTheLineStatesAndANewTopology) {
  json before = json::parse(session.diagram());
  ASSERT_EQ(std::pair(before["routers"].size(), before["cables"].size()), std::pair(2ul, 1ul));
  EXPECT_EQ(before["cables"][0]["a"]["state"], "administratively down");
  session.type_text("\renable\rconfigure terminal\rinterface serial 0\rno shutdown\r");
  EXPECT_NE(json::parse(session.diagram())["cables"][0]["a"]["state"], "administratively down");
  session.open_topology("three.ini", testing::topology(3, 1, 0));
  session.answer("no");  // not saved first
  EXPECT_EQ(json::parse(session.diagram())["routers"].size(), 3u);
}

// The shipped topologies are listed default first; the Topology page describes the loaded one.
TEST_F(Session, ShippedTopologiesAreListedAndTheTopologyPageDescribesTheLoadedOne) {
  json names = json::parse(session.shipped_topologies());
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[0], "default.ini");
  EXPECT_NE(std::find(names.begin(), names.end(), "topologies/two_routers.ini"), names.end());
  const std::string page = session.topology_page();
  EXPECT_NE(page.find("two_routers.ini: 2 routers, 1 cables"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"router:2\">Router 2</a>"), std::string::npos);
  EXPECT_NE(page.find("Serial0 to Router 2 Serial0"), std::string::npos);
  EXPECT_EQ(page.find("<img"), std::string::npos) << "the browser shows its diagram beside";
  session.open_topology("a&b<c>.ini", testing::topology(1, 0, 1));
  EXPECT_NE(session.topology_page().find("a&amp;b&lt;c&gt;.ini: 1 routers, 0 cables"),
            std::string::npos);
}

// The tab's storage as the page keeps it: one own copy, and copies of closed tabs.
struct MemoryStorage : RecoveryStore {
  std::string own;
  std::vector<RecoveryCopy> closed_tabs;
  bool full = false;
  bool write(const std::string& lab_text) override {
    if (full && lab_text.find("Press Enter") != std::string::npos) return false;
    own = lab_text;
    return true;
  }
  void clear() override { own.clear(); }
  std::vector<RecoveryCopy> left_behind() override { return closed_tabs; }
  void forget(const RecoveryCopy& copy) override {
    std::erase_if(closed_tabs, [&](const RecoveryCopy& c) { return c.id == copy.id; });
  }
};

// The page keeps copies only where the session says: after a minute of changes, smaller when the
// storage is full, none once the lab is downloaded; a closed tab's copy is offered through a
// question, and each answer does what it says.
TEST_F(Session, RecoveryCopiesFollowTheSessionsPolicyInThePagesStorage) {
  auto owned = std::make_unique<MemoryStorage>();
  MemoryStorage& storage = *owned;
  session.host().use_storage(std::move(owned));
  session.type_text("\renable\rconfigure terminal\rhostname Copied\rend\r");
  session.run_real(59000);
  EXPECT_EQ(storage.own, "") << "not before a minute";
  storage.full = true;
  session.run_real(1000);
  EXPECT_NE(storage.own.find("Copied"), std::string::npos);
  EXPECT_EQ(storage.own.find("Press Enter"), std::string::npos) << "written without transcripts";
  session.save();
  EXPECT_EQ(storage.own, "") << "a downloaded lab needs no copy";

  const std::string lab = session.lab_text(false);
  storage.closed_tabs = {{"a", "today 10:00", "{\"not\": \"a lab\"}"}, {"b", "today 9:00", lab}};
  struct Row {
    std::vector<std::string> answers;
    std::size_t copies_left;
    bool restored;
  };
  for (const Row& row : {Row{{"cancel"}, 2, false}, Row{{"yes"}, 1, false},
                         Row{{"no", "cancel"}, 1, false}, Row{{"no", "yes"}, 0, true}}) {
    auto copies = storage.closed_tabs;
    session.start("");
    changes();
    session.offer_recovery();
    for (const std::string& a : row.answers) {
      json c = changes();
      ASSERT_TRUE(c.contains("question")) << a;
      EXPECT_NE(c["question"]["text"].get<std::string>().find("closed without saving"),
                std::string::npos);
      session.answer(a);
    }
    EXPECT_FALSE(changes().contains("question"));
    EXPECT_EQ(storage.closed_tabs.size(), row.copies_left);
    EXPECT_EQ(session.sim().router(1)->record.hostname == "Copied", row.restored);
    EXPECT_EQ(session.changed(), row.restored) << "a restored lab is not saved yet";
    storage.closed_tabs = copies;
  }
}

}  // namespace
}  // namespace zorva::web
