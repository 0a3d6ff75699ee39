// The terminal face and lab files: --lab opens one, Ctrl+S saves (asking for the student's name and
// a file on the input line the first time, never over the lab handed out), Alt+L shows the lab's
// page as text, and a recovery file left behind by an unclean exit is offered at the next start.
// When a changed lab asks to be saved and when the recovery copy is written is the lab session's
// own rule (lab_session_test).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "base/scripted_host.h"
#include "lab/lab_file.h"
#include "simulation/simulation.h"
#include "term/terminal_face.h"
#include "tests/support/test_simulation.h"
#include "tests/term/fake_terminal.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

class TerminalLabTest : public ::testing::Test {
 protected:
  TerminalLabTest() {
    options.app_dir = testing::bin_dir();
    options.topology = dir.write("topology.ini", testing::topology(2, 1, 1));
    options.log_file = dir.path() / "zorva.log";
  }

  // A new face on a fresh terminal, started with `options`; `typed` waits in its input.
  TerminalFace& start(const std::string& typed = "") {
    term = std::make_unique<FakeTerminal>();
    if (!typed.empty()) term->type(typed);
    face = std::make_unique<TerminalFace>(*term, true, 7, false);
    face->set_recovery_file(recovery());
    face->start(options);
    return *face;
  }
  bool run_queued() {
    bool running = true;
    while (running && !term->steps.empty()) running = face->turn();
    return running;
  }
  fs::path recovery() const { return dir.path() / "config" / "recovery.zlab"; }
  std::string hostname_in(const fs::path& file) {
    OpenedLab lab = open_lab_file(file, host, SimulationPaths{testing::bin_dir(), {}});
    return lab.sim ? lab.sim->router(1)->record.hostname : "(" + lab.error + ")";
  }
  // A lab saved by the core, router 1 named `name`.
  fs::path core_lab(const std::string& name) {
    testing::TestSimulation sim(testing::topology(2, 1, 1));
    sim.type("\renable\rconfigure terminal\rhostname " + name + "\rend\r");
    const fs::path file = dir.path() / (name + ".zlab");
    EXPECT_EQ(save_lab(*sim.sim, file, false), "");
    return file;
  }

  testing::TempDir dir;
  ScriptedHost host;
  ScriptOptions options;
  std::unique_ptr<FakeTerminal> term;
  std::unique_ptr<TerminalFace> face;
};

TEST_F(TerminalLabTest, LabOptionOpensTheLabAndCtrlSSavesBesideItUnderTheStudentsName) {
  options.lab = core_lab("Alpha");
  start();
  EXPECT_EQ(face->simulation()->router(1)->record.hostname, "Alpha");
  EXPECT_EQ(face->lab_file(), options.lab);
  EXPECT_FALSE(face->changed());
  term->type("\renable\rconfigure terminal\rhostname Bravo\rend\r");
  run_queued();
  EXPECT_TRUE(face->changed());
  term->type("\x13");  // Ctrl+S: the name, then Enter takes the file proposed beside the lab
  term->type("Ann Lee\r");
  term->type("\r");
  run_queued();
  EXPECT_NE(term->output.find("Your name, saved in the lab"), std::string::npos);
  EXPECT_FALSE(face->changed());
  EXPECT_EQ(hostname_in(options.lab), "Alpha");  // the lab handed out stays as it was
  EXPECT_EQ(face->lab_file(), dir.path() / "Alpha-Ann_Lee.zlab");
  EXPECT_EQ(hostname_in(face->lab_file()), "Bravo");
  EXPECT_EQ(face->simulation()->student, "Ann Lee");
  EXPECT_EQ(face->simulation()->typed_line, "");  // the keys were not typed into the console
  // Alt+N edits the name; the next Ctrl+S saves to the student's file without a question.
  term->type("\x1bn\x7f\x7f\x7fLi\r\x13");
  run_queued();
  EXPECT_EQ(face->simulation()->student, "Ann Li");
  EXPECT_FALSE(face->changed());
}

TEST_F(TerminalLabTest, AltLShowsTheLabsPageAsTextAndEscGoesBack) {
  testing::TestSimulation sim(testing::topology(2, 1, 1));
  const LabBundle bundle{"Lab 6", "<h1>Area zero</h1><p>Cable <b>both</b> routers.</p>", ""};
  options.lab = dir.path() / "lab06.zlab";
  ASSERT_EQ(save_lab(*sim.sim, options.lab, false, bundle), "");
  start();
  term->screen = {24, 80};
  term->type("\x1bl");
  run_queued();
  Frame page = face->current_frame();
  ASSERT_GE(page.lines.size(), 4u);
  EXPECT_EQ(std::vector(page.lines.begin(), page.lines.begin() + 4),
            (std::vector<std::string>{"Area zero", "=========", "", "Cable both routers."}));
  EXPECT_TRUE(page.status.starts_with("Lab 6 (1/")) << page.status;
  term->type("n");  // the next page: the first lab the program ships
  run_queued();
  EXPECT_TRUE(face->current_frame().status.starts_with("Lab 1: Basic router configuration"))
      << face->current_frame().status;
  term->type("\x1b");
  term->gap(100);
  term->type("x");
  run_queued();
  EXPECT_EQ(face->simulation()->typed_line, "x");  // Esc closed the page; keys reach the console
}

TEST_F(TerminalLabTest, AnotherTopologyIsNotSavedOverTheLabItReplaced) {
  options.lab = core_lab("Alpha");
  start();
  const std::string topology = dir.write("other.ini", testing::topology(3, 1, 0));
  term->type("\x0f" + topology + "\r");  // Ctrl+O, the file, Enter: nothing changed to save
  run_queued();
  ASSERT_EQ(face->simulation()->router_count, 3);
  EXPECT_TRUE(face->lab_file().empty());
  EXPECT_FALSE(face->changed());
  term->type("\x13\r");  // Ctrl+S, no student's name: a file is asked, not Alpha's lab
  run_queued();
  EXPECT_NE(term->output.find("Save the lab as"), std::string::npos);
  EXPECT_EQ(hostname_in(options.lab), "Alpha");
}

TEST_F(TerminalLabTest, ALabThatCannotBeOpenedEndsTheRunWithStatusTwo) {
  options.lab = dir.write("broken.zlab", "{\"format\": \"zorva-lab\", \"version\": 1, \"rou");
  start();
  EXPECT_EQ(face->simulation()->router_count, 0);  // nothing was started
  EXPECT_FALSE(face->turn());
  EXPECT_EQ(face->run(options), 2);
}

TEST_F(TerminalLabTest, FirstSaveAsksForAFileNameOnTheInputLineAndEscGivesUp) {
  start();
  term->type("\renable\rconfigure terminal\rhostname Kilo\rend\r");
  term->type("\023abc");  // Ctrl+S, then a name
  term->type("\x1b");
  term->gap(100);  // a lone Esc after its pause gives the name question up, saving nothing
  run_queued();
  EXPECT_TRUE(face->lab_file().empty());
  EXPECT_TRUE(face->changed());
  EXPECT_EQ(face->current_frame().lines.back().find("Save the lab as"), std::string::npos);
  term->type("\x13");
  term->type("\r");  // no student's name
  const fs::path name = dir.path() / "mine";
  term->type(name.string() + "x");
  term->type("\x7f");  // Backspace takes the x back
  term->type("\r");
  run_queued();
  EXPECT_NE(term->output.find("Save the lab as"), std::string::npos);
  EXPECT_EQ(face->lab_file(), dir.path() / "mine.zlab");
  EXPECT_EQ(hostname_in(dir.path() / "mine.zlab"), "Kilo");
  EXPECT_FALSE(face->changed());
  // Keys go to the console again.
  term->type("sh");
  run_queued();
  EXPECT_EQ(face->simulation()->typed_line, "sh");
}

TEST_F(TerminalLabTest, RecoveryFileLeftBehindIsOfferedAtTheNextStart) {
  fs::create_directories(recovery().parent_path());
  fs::copy_file(core_lab("Papa"), recovery());
  start("y");
  EXPECT_NE(term->output.find("did not close normally"), std::string::npos);
  EXPECT_EQ(face->simulation()->router(1)->record.hostname, "Papa");
  EXPECT_TRUE(face->changed());  // never saved by the user
  EXPECT_TRUE(face->lab_file().empty());

  // Declined: set aside, and the topology starts.
  fs::copy_file(core_lab("Quebec"), recovery(), fs::copy_options::overwrite_existing);
  start("n");
  EXPECT_EQ(face->simulation()->router(1)->record.hostname, "Router");
  EXPECT_FALSE(fs::exists(recovery()));
  EXPECT_TRUE(fs::exists(fs::path(recovery().string() + ".old")));
}

}  // namespace
}  // namespace zorva
