// The terminal face's loop driven by a fake terminal (bytes in, frames out, a fake clock): its keys,
// questions on the input line, the clock, drawing, a pipe's transcript, and its lab files. When a
// changed lab asks to be saved and when the recovery copy is written is the lab session's own rule
// (lab_session_test).
#include "term/terminal_face.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/scripted_host.h"
#include "lab/lab_file.h"
#include "simulation/simulation.h"
#include "term/key_help_screen.h"
#include "tests/support/test_simulation.h"
#include "tests/term/fake_terminal.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

// A terminal face on a fresh fake terminal, its topology, log and recovery copy in a folder of
// the test's own.
struct FaceRig {
  FaceRig() {
    options.app_dir = testing::bin_dir();
    options.topology = dir.write("topology.ini", testing::topology(2, 1, 1));
    options.log_file = dir.path() / "zorva.log";
  }
  // A new face (drawing a screen, or piped when not `screen`) started with `options`; `typed`
  // waits in its input.
  TerminalFace& start(const std::string& typed = "", bool screen = true) {
    face.reset();
    term = FakeTerminal();
    if (!typed.empty()) term.type(typed);
    face = std::make_unique<TerminalFace>(term, screen, 7, false);
    face->set_recovery_file(recovery());
    face->start(options);
    return *face;
  }
  // Runs turns until the queued input is used up or the face stops; true while it runs.
  bool run_queued() {
    bool running = true;
    while (running && !term.steps.empty()) running = face->turn();
    return running;
  }
  fs::path recovery() const { return dir.path() / "config" / "recovery.zlab"; }
  Simulation& sim() { return *face->simulation(); }
  std::string input_row() { return face->current_frame().lines.back(); }

  testing::TempDir dir;
  ScriptOptions options;
  FakeTerminal term;
  std::unique_ptr<TerminalFace> face;
};

class TerminalFaceTest : public ::testing::Test, public FaceRig {
 protected:
  void SetUp() override { start(); }
};

TEST_F(TerminalFaceTest, DrawsOnlyWhenSomethingChangedAndAtMostOnceAFrameInterval) {
  for (int i = 0; i < 3; ++i) term.gap(20);
  run_queued();
  EXPECT_EQ(face->frames_drawn(), 1);
  EXPECT_EQ(face->current_frame().status,
            "Router 1 of 2 | 00:00:00 1x classic | Ctrl+G router | Alt+H keys");
  EXPECT_NE(term.output.find("Press Enter to Start"), std::string::npos);
  for (int i = 0; i < 10; ++i) term.type("a");  // ten changes within ten milliseconds
  for (int i = 0; i < 3; ++i) term.gap(20);
  run_queued();
  EXPECT_EQ(face->frames_drawn(), 3);  // one for the first change, one for the rest of the burst
}

// Keys reach the active console, control keys without an editing meaning too, and a lone Esc
// after its pause is typed with the bracket after it as plain text; the caret follows.
TEST_F(TerminalFaceTest, TypedKeysReachTheActiveConsoleAndTheCaretFollows) {
  term.type("sh");
  run_queued();
  EXPECT_EQ(sim().typed_line, "sh");
  EXPECT_TRUE(input_row().ends_with("sh")) << input_row();
  EXPECT_EQ(face->current_frame().cursor_col, static_cast<int>(input_row().size()));
  term.type("\x1b[D");  // left arrow
  run_queued();
  EXPECT_EQ(face->current_frame().cursor_col, static_cast<int>(input_row().size()) - 1);
  term.type("\x1b[C\x03\x04\x1c\x1b");  // right arrow, then the controls
  term.gap(100);
  term.type("[A");
  run_queued();
  EXPECT_EQ(sim().typed_line, "sh\x03\x04\x1c\x1b[A");
}

TEST_F(TerminalFaceTest, CtrlQAsksFirstAndOnlyOkLeaves) {
  term.type("ab\x11");
  term.type("x");  // not an answer
  term.type("c");  // Cancel: the routers stay
  term.type("d");
  term.type("\x11");
  term.type("\r");  // OK
  term.type("ef");
  EXPECT_FALSE(run_queued());
  EXPECT_NE(term.output.find("Exit: Are you sure? [Enter] OK/[c]ancel"), std::string::npos);
  EXPECT_EQ(sim().typed_line, "abd");
  EXPECT_FALSE(face->turn());
}

TEST_F(TerminalFaceTest, WindowSizeChangeRedrawsAtTheNewSize) {
  term.gap(20);
  run_queued();
  term.screen = {5, 30};
  term.resized = true;
  term.output.clear();
  term.gap(20);
  run_queued();
  EXPECT_EQ(face->frames_drawn(), 2);
  EXPECT_EQ(term.output.rfind("\x1b[2J", 0), 0u);
  EXPECT_NE(term.output.find("\x1b[5;1H"), std::string::npos);
  EXPECT_EQ(term.output.find("\x1b[6;1H"), std::string::npos);
}

// The simulated clock stands still while the question waits, however long the student takes.
TEST_F(TerminalFaceTest, QuestionIsAskedOnTheInputLineAndKeysAfterTheAnswerAreTyped) {
  term.type("x");  // not an answer: used up by the question
  term.gap(5000);
  term.type("Nab");
  const SimMillis before = sim().scheduler.now();
  EXPECT_EQ(face->message_box("Reload the Router", "Save?", Buttons::YesNoCancel), Answer::No);
  EXPECT_NE(term.output.find("Reload the Router: Save? [y]es/[n]o/[c]ancel"), std::string::npos);
  EXPECT_LE(sim().scheduler.now() - before, 2);
  term.gap(1);
  run_queued();
  EXPECT_EQ(sim().typed_line, "ab");
  EXPECT_EQ(input_row().find("[y]es"), std::string::npos);
}

TEST_F(TerminalFaceTest, QuitKeyDuringAQuestionCancelsItThenAsksWhetherToQuit) {
  term.type("\x11");
  EXPECT_EQ(face->message_box("Q", "?", Buttons::YesNoCancel), Answer::Cancel);
  term.type("\x11");  // the quit question is already asked
  term.type("\r");
  EXPECT_FALSE(face->turn());
}

TEST_F(TerminalFaceTest, CtrlGOrAltZeroAsksForAnyRouterNumber) {
  const struct {
    const char* name;
    std::string keys;
    int active;
    std::string input_starts;  // the question still asked, or ""
  } table[] = {
      // "\007" is Ctrl+G and "\033" Esc: an octal escape ends after three digits.
      {"ctrl_g_then_number", "\0072\r", 2, ""},
      {"alt_zero_then_number", "\03302\r", 2, ""},
      {"backspace_edits", "\00721\x7f\r", 2, ""},
      {"no_such_router_keeps_asking", "\0079\r", 1, "No router 9. Go to router (1-2"},
      {"esc_gives_up", "\0072\x1b", 1, ""},
  };
  for (const auto& t : table) {
    SCOPED_TRACE(t.name);
    sim().function_key(1);
    term.type("\r");
    term.type(t.keys);
    term.gap(100);
    run_queued();
    EXPECT_EQ(sim().active_router, t.active);
    if (t.input_starts.empty()) {
      EXPECT_EQ(input_row().find("Go to router"), std::string::npos) << input_row();
    } else {
      EXPECT_EQ(input_row().rfind(t.input_starts, 0), 0u) << input_row();
      term.type("\x1b");  // leaves the question still open
      term.gap(100);
      run_queued();
    }
  }
}

TEST_F(TerminalFaceTest, PageUpScrollsBackTypingReturnsToTheEnd) {
  term.type("\r");
  for (char c = 'a'; c <= 'l'; ++c) term.type(std::string(1, c) + "\r");
  run_queued();
  const Frame end = face->current_frame();
  term.type("\x1b[5~");
  run_queued();
  const Frame f = face->current_frame();
  EXPECT_EQ(f.scroll_back, 8);  // a screen of 10 rows less the input line and one row kept
  EXPECT_EQ(f.lines[8], end.lines[0]);
  const std::string end_row = end.lines[8];
  EXPECT_EQ(f.status.rfind("Back 8 lines", 0), 0u) << f.status;
  term.type("\x1b[5;2~\x1b[6~");  // Shift+PageUp, then PageDown
  run_queued();
  EXPECT_EQ(face->current_frame().scroll_back, 8);
  term.type("\x1b[5~x");
  run_queued();
  EXPECT_EQ(face->current_frame().scroll_back, 0);
  EXPECT_EQ(face->current_frame().lines[8], end_row);
}

TEST_F(TerminalFaceTest, EscCancelsAfterItsPauseAndTheEndOfInputLeavesWithOk) {
  term.type("\x1b");
  term.gap(100);
  EXPECT_EQ(face->message_box("Q", "?", Buttons::OkCancel), Answer::Cancel);
  EXPECT_EQ(face->message_box("Zorva", "Note", Buttons::Ok), Answer::Ok);
  EXPECT_FALSE(face->turn());
}

TEST_F(TerminalFaceTest, DateTimeTextIsDayMonthYearAndTime) {
  EXPECT_THAT(face->date_time_text(),
              ::testing::MatchesRegex("[0-9]{2}/[0-9]{2}/[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}"));
}

// Ctrl+T runs the clock at 1x, 10x, 60x; Ctrl+K and Ctrl+L run it 1 and 5 minutes ahead. None of
// them reaches the console, and the help line shows the time, the speed and the keys.
TEST_F(TerminalFaceTest, ClockKeysSetTheSpeedAndSkipAhead) {
  term.screen = {10, 200};
  term.gap(1);
  run_queued();
  EXPECT_NE(face->current_frame().status.find("Ctrl+T speed | Ctrl+K/L +1/+5 min"),
            std::string::npos)
      << face->current_frame().status;
  const SimMillis start = sim().scheduler.now();
  term.type("\x14");  // arrives after 1 ms at 1x, then the speed is 10x
  run_queued();
  EXPECT_EQ(face->clock_speed().factor(), 10);
  term.gap(1000);
  run_queued();
  EXPECT_EQ(sim().scheduler.now(), start + 1 + 10000);
  term.type("\x0b");
  run_queued();
  EXPECT_EQ(sim().scheduler.now(), start + 1 + 10000 + 10 + 60000);
  term.type("\x0c");
  run_queued();
  EXPECT_EQ(sim().scheduler.now(), start + 1 + 10000 + 10 + 60000 + 10 + 300000);
  EXPECT_EQ(sim().sim_clock, sim().scheduler.now() / 1000);
  term.type("\x14\x14");  // 60x, then back to 1x
  run_queued();
  EXPECT_EQ(face->clock_speed().factor(), 1);
  term.type("\x14\x14");
  run_queued();
  EXPECT_EQ(face->clock_speed().factor(), 60);
  EXPECT_EQ(sim().typed_line, "");
  const std::string status = face->current_frame().status;
  const std::string clock = clock_text(sim().sim_clock) + " 60x classic";
  EXPECT_EQ(status.rfind("Router 1 of 2 | " + clock + " | ", 0), 0u) << status;
}

// Ctrl+O asks for a topology file on the input line; over a changed lab it offers to save first,
// then a new network on that file replaces the running one, and the old routers' consoles are gone
// from the screen.
TEST_F(TerminalFaceTest, CtrlOOpensAnotherTopologyAfterAsking) {
  const std::string three = dir.write("three.ini", testing::topology(3, 1, 0));
  term.type("hostname");
  term.type("\x0f");
  term.type(three + "x\x08");  // a typing slip taken back
  run_queued();
  EXPECT_EQ(input_row().rfind("Open topology file (Esc: no): " + three), 0u) << input_row();
  term.type("\r");
  term.type("c");  // Cancel: the running lab stays
  run_queued();
  EXPECT_EQ(sim().router_count, 2);
  EXPECT_EQ(sim().typed_line, "hostname");

  term.type("\x0f");
  term.type(three);
  term.type("\r");
  term.type("n");  // not saved first
  run_queued();
  EXPECT_EQ(sim().router_count, 3);
  EXPECT_EQ(sim().topology_file, three);
  EXPECT_EQ(sim().typed_line, "");
  EXPECT_EQ(face->current_frame().status.rfind("Router 1 of 3", 0), 0u)
      << face->current_frame().status;
  term.type("\x1bOR");  // F3 reaches the new third router
  term.type("\r");
  run_queued();
  EXPECT_EQ(sim().active_router, 3);
  EXPECT_NE(face->current_frame().lines.size(), 0u);
}

// Alt+H (or Alt+?) shows every key in place of the console at 80x24; the next key only closes
// the list, and the console is as it was.
TEST_F(TerminalFaceTest, AltHListsEveryKeyAndAnyKeyGoesBack) {
  term.screen = {24, 80};
  term.type("sh");
  term.type("\x1bh");
  run_queued();
  Frame f = face->current_frame();
  std::string shown;
  for (const std::string& row : f.lines) shown += row + "\n";
  // Every line of the list stands whole on a row of its own: none is wrapped at 80 columns.
  const std::string help = terminal_face_help();
  EXPECT_EQ(shown.rfind(help.substr(0, help.find("Without")), 0), 0u) << shown;
  EXPECT_EQ(f.status, "Press any key to go back to the console");
  term.type("x");
  run_queued();
  EXPECT_EQ(sim().typed_line, "sh");
  EXPECT_TRUE(input_row().ends_with("sh")) << input_row();
  term.type("\x1b?");
  run_queued();
  EXPECT_EQ(face->current_frame().status, f.status);
  term.type("x\x1bOP");  // F1 where router 1 is forward: the list again
  run_queued();
  EXPECT_EQ(face->current_frame().status, f.status);
}

class TerminalFacePipedTest : public ::testing::Test, public FaceRig {
 protected:
  void SetUp() override { start("", false); }
};

TEST_F(TerminalFacePipedTest, PrintsAnswersThenTheActiveTranscriptWithoutEscapes) {
  term.type("c");
  EXPECT_EQ(face->message_box("Reload the Router", "Save?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(term.output, "[box] Reload the Router: Save? -> Cancel\n");
  term.type("\x1bOQ");
  EXPECT_FALSE(run_queued() && face->turn());
  term.output.clear();
  EXPECT_EQ(face->finish(), 0);
  EXPECT_EQ(face->frames_drawn(), 0);
  EXPECT_NE(term.output.find("Press Enter to Start\n"), std::string::npos);
  EXPECT_EQ(term.output.find('\r'), std::string::npos);
  EXPECT_EQ(term.output.find('\x1b'), std::string::npos);
  EXPECT_EQ(sim().active_router, 2);
}

class TerminalLabTest : public ::testing::Test, public FaceRig {
 protected:
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

  ScriptedHost host;
};

TEST_F(TerminalLabTest, LabOptionOpensTheLabAndCtrlSSavesBesideItUnderTheStudentsName) {
  options.lab = core_lab("Alpha");
  start();
  EXPECT_EQ(sim().router(1)->record.hostname, "Alpha");
  EXPECT_EQ(face->lab_file(), options.lab);
  EXPECT_FALSE(face->changed());
  term.type("\renable\rconfigure terminal\rhostname Bravo\rend\r");
  run_queued();
  EXPECT_TRUE(face->changed());
  term.type("\x13");  // Ctrl+S: the name, then Enter takes the file proposed beside the lab
  term.type("Ann Lee\r");
  term.type("\r");
  run_queued();
  EXPECT_NE(term.output.find("Your name, saved in the lab"), std::string::npos);
  EXPECT_FALSE(face->changed());
  EXPECT_EQ(hostname_in(options.lab), "Alpha");  // the lab handed out stays as it was
  EXPECT_EQ(face->lab_file(), dir.path() / "Alpha-Ann_Lee.zlab");
  EXPECT_EQ(hostname_in(face->lab_file()), "Bravo");
  EXPECT_EQ(sim().student, "Ann Lee");
  EXPECT_EQ(sim().typed_line, "");  // the keys were not typed into the console
  // Alt+N edits the name; the next Ctrl+S saves to the student's file without a question.
  term.type("\x1bn\x7f\x7f\x7fLi\r\x13");
  run_queued();
  EXPECT_EQ(sim().student, "Ann Li");
  EXPECT_FALSE(face->changed());
}

TEST_F(TerminalLabTest, AltLShowsTheLabsPageAsTextAndEscGoesBack) {
  testing::TestSimulation made(testing::topology(2, 1, 1));
  const LabBundle bundle{"Lab 6", "<h1>Area zero</h1><p>Cable <b>both</b> routers.</p>", ""};
  options.lab = dir.path() / "lab06.zlab";
  ASSERT_EQ(save_lab(*made.sim, options.lab, false, bundle), "");
  start();
  term.screen = {24, 80};
  term.type("\x1bl");
  run_queued();
  Frame page = face->current_frame();
  ASSERT_GE(page.lines.size(), 4u);
  EXPECT_EQ(std::vector(page.lines.begin(), page.lines.begin() + 4),
            (std::vector<std::string>{"Area zero", "=========", "", "Cable both routers."}));
  EXPECT_TRUE(page.status.starts_with("Lab 6 (1/")) << page.status;
  term.type("n");  // the next page: the first lab the program ships
  run_queued();
  EXPECT_TRUE(face->current_frame().status.starts_with("Lab 1: Basic router configuration"))
      << face->current_frame().status;
  term.type("\x1b");
  term.gap(100);
  term.type("x");
  run_queued();
  EXPECT_EQ(sim().typed_line, "x");  // Esc closed the page; keys reach the console
}

TEST_F(TerminalLabTest, AnotherTopologyIsNotSavedOverTheLabItReplaced) {
  options.lab = core_lab("Alpha");
  start();
  const std::string topology = dir.write("other.ini", testing::topology(3, 1, 0));
  term.type("\x0f" + topology + "\r");  // Ctrl+O, the file, Enter: nothing changed to save
  run_queued();
  ASSERT_EQ(sim().router_count, 3);
  EXPECT_TRUE(face->lab_file().empty());
  EXPECT_FALSE(face->changed());
  term.type("\x13\r");  // Ctrl+S, no student's name: a file is asked, not Alpha's lab
  run_queued();
  EXPECT_NE(term.output.find("Save the lab as"), std::string::npos);
  EXPECT_EQ(hostname_in(options.lab), "Alpha");
}

TEST_F(TerminalLabTest, ALabThatCannotBeOpenedEndsTheRunWithStatusTwo) {
  options.lab = dir.write("broken.zlab", "{\"format\": \"zorva-lab\", \"version\": 1, \"rou");
  start();
  EXPECT_EQ(sim().router_count, 0);  // nothing was started
  EXPECT_FALSE(face->turn());
  EXPECT_EQ(face->run(options), 2);
}

TEST_F(TerminalLabTest, FirstSaveAsksForAFileNameOnTheInputLineAndEscGivesUp) {
  start();
  term.type("\renable\rconfigure terminal\rhostname Kilo\rend\r");
  term.type("\023abc");  // Ctrl+S, then a name
  term.type("\x1b");
  term.gap(100);  // a lone Esc after its pause gives the name question up, saving nothing
  run_queued();
  EXPECT_TRUE(face->lab_file().empty());
  EXPECT_TRUE(face->changed());
  EXPECT_EQ(face->current_frame().lines.back().find("Save the lab as"), std::string::npos);
  term.type("\x13");
  term.type("\r");  // no student's name
  const fs::path name = dir.path() / "mine";
  term.type(name.string() + "x");
  term.type("\x7f");  // Backspace takes the x back
  term.type("\r");
  run_queued();
  EXPECT_NE(term.output.find("Save the lab as"), std::string::npos);
  EXPECT_EQ(face->lab_file(), dir.path() / "mine.zlab");
  EXPECT_EQ(hostname_in(dir.path() / "mine.zlab"), "Kilo");
  EXPECT_FALSE(face->changed());
  // Keys go to the console again.
  term.type("sh");
  run_queued();
  EXPECT_EQ(sim().typed_line, "sh");
}

TEST_F(TerminalLabTest, RecoveryFileLeftBehindIsOfferedAtTheNextStart) {
  fs::create_directories(recovery().parent_path());
  fs::copy_file(core_lab("Papa"), recovery());
  start("y");
  EXPECT_NE(term.output.find("did not close normally"), std::string::npos);
  EXPECT_EQ(sim().router(1)->record.hostname, "Papa");
  EXPECT_TRUE(face->changed());  // never saved by the user
  EXPECT_TRUE(face->lab_file().empty());

  // Declined: set aside, and the topology starts.
  fs::copy_file(core_lab("Quebec"), recovery(), fs::copy_options::overwrite_existing);
  start("n");
  EXPECT_EQ(sim().router(1)->record.hostname, "Router");
  EXPECT_FALSE(fs::exists(recovery()));
  EXPECT_TRUE(fs::exists(fs::path(recovery().string() + ".old")));
}

}  // namespace
}  // namespace zorva
