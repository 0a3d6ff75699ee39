// The terminal face's loop driven by a fake terminal: bytes in, frames out, a fake clock. Proves
// that keys reach the active console, F-keys and Alt+digit switch routers, Ctrl+Q and the end of
// input stop the loop, real time advances the simulated clock (but not while a question waits),
// the screen is drawn only when something changed, and a pipe gets the transcript at the end.
#include "term/terminal_face.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

#include "shell/simulation.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

// A terminal that replays input steps: bytes, or a quiet gap that moves the clock on.
class FakeTerminal : public TerminalIo {
 public:
  struct Step {
    std::string bytes;    // bytes that arrive; empty for a gap
    std::int64_t gap_ms;  // how long nothing arrives
  };

  void type(const std::string& bytes) { steps.push_back({bytes, 0}); }
  void gap(std::int64_t ms) { steps.push_back({"", ms}); }

  int read_input(char* buffer, int size, int) override {
    if (steps.empty()) return -1;
    const Step s = steps.front();
    steps.pop_front();
    if (s.bytes.empty()) {
      clock += s.gap_ms;
      return 0;
    }
    clock += 1;
    const int n = std::min(size, static_cast<int>(s.bytes.size()));
    std::memcpy(buffer, s.bytes.data(), static_cast<std::size_t>(n));
    return n;
  }
  void write_output(std::string_view bytes) override { output.append(bytes); }
  ScreenSize size() override { return screen; }
  std::int64_t now_ms() override { return clock; }
  bool take_resize() override { return std::exchange(resized, false); }

  std::deque<Step> steps;
  std::string output;
  ScreenSize screen{10, 80};
  std::int64_t clock = 5000;
  bool resized = false;
};

class TerminalFaceTest : public ::testing::Test {
 protected:
  explicit TerminalFaceTest(bool screen = true) : face(term, screen, 7, false) {}

  void start(int routers = 2) {
    ScriptOptions options;
    options.app_dir = testing::bin_dir();
    options.topology = dir.write("topology.ini", testing::topology(routers, 1, 1));
    options.log_file = dir.path() / "zorva.log";
    face.start(options);
  }
  // Runs turns until the queued input is used up or the face stops; true while it runs.
  bool run_queued() {
    bool running = true;
    while (running && !term.steps.empty()) running = face.turn();
    return running;
  }
  Simulation& sim() { return *face.simulation(); }
  std::string input_row() { return face.current_frame().lines.back(); }
  std::string title_row() { return face.current_frame().lines.front(); }

  testing::TempDir dir;
  FakeTerminal term;
  TerminalFace face;
};

TEST_F(TerminalFaceTest, FirstFrameShowsTitleAndTheStartText) {
  start();
  term.gap(1);
  run_queued();
  EXPECT_EQ(face.frames_drawn(), 1);
  const Frame f = face.current_frame();
  ASSERT_EQ(f.lines.size(), 10u);
  EXPECT_EQ(
      f.lines[0].rfind("Router 1 of 2 - F1..F12 or Alt+1..9 switch routers - Ctrl+Q quits", 0), 0u);
  EXPECT_NE(std::find(f.lines.begin(), f.lines.end(), "Press Enter to Start"), f.lines.end());
  EXPECT_NE(term.output.find("Press Enter to Start"), std::string::npos);
}

TEST_F(TerminalFaceTest, TypedKeysReachTheActiveConsoleAndTheCaretFollows) {
  start();
  term.type("sh");
  run_queued();
  const Frame f = face.current_frame();
  EXPECT_EQ(sim().typed_line, "sh");
  EXPECT_TRUE(input_row().ends_with("sh")) << input_row();
  EXPECT_EQ(f.cursor_col, static_cast<int>(input_row().size()));
  term.type("\x1b[D");  // left arrow
  run_queued();
  EXPECT_EQ(face.current_frame().cursor_col, static_cast<int>(input_row().size()) - 1);
}

TEST_F(TerminalFaceTest, FunctionKeySwitchesRouterAndTheLineFollows) {
  start();
  term.type("sh");
  term.type("\x1bOQ");  // F2
  term.type("ow");
  run_queued();
  EXPECT_EQ(sim().active_router, 2);
  EXPECT_EQ(title_row().rfind("Router 2 of 2", 0), 0u);
  EXPECT_TRUE(input_row().ends_with("show")) << input_row();
}

TEST_F(TerminalFaceTest, AltDigitSwitchesAndMissingRoutersAreIgnored) {
  start();
  term.type(
      "\x1b"
      "2");
  run_queued();
  EXPECT_EQ(sim().active_router, 2);
  term.type("\x1b[15~");  // F5: there is no router 5
  term.type(
      "\x1b"
      "9");
  run_queued();
  EXPECT_EQ(sim().active_router, 2);
  term.type("\x1b[[A");  // F1 from the Linux console
  run_queued();
  EXPECT_EQ(sim().active_router, 1);
}

TEST_F(TerminalFaceTest, CtrlQStopsAndLaterKeysAreNotTyped) {
  start();
  term.type(
      "ab\x11"
      "cd");
  EXPECT_FALSE(run_queued());
  EXPECT_EQ(sim().typed_line, "ab");
  EXPECT_FALSE(face.turn());
}

TEST_F(TerminalFaceTest, EndOfInputStopsAfterTheLastKeys) {
  start();
  term.type("xy");
  EXPECT_TRUE(face.turn());
  EXPECT_FALSE(face.turn());  // nothing more: the input has ended
  EXPECT_EQ(sim().typed_line, "xy");
  EXPECT_EQ(face.finish(), 0);
}

TEST_F(TerminalFaceTest, RealTimeAdvancesTheSimulatedClock) {
  start();
  const SimMillis before = sim().scheduler.now();
  term.gap(1500);
  term.gap(1500);
  run_queued();
  EXPECT_EQ(sim().scheduler.now() - before, 3000);
  EXPECT_EQ(sim().sim_clock, 3);
}

TEST_F(TerminalFaceTest, LoneEscThenBracketIsNotAnArrow) {
  start();
  term.type("\x1b");
  term.gap(100);
  term.type("[A");
  run_queued();
  EXPECT_EQ(sim().typed_line, "[A");
}

TEST_F(TerminalFaceTest, DrawsOnlyWhenSomethingChanged) {
  start();
  term.gap(20);
  term.gap(20);
  term.gap(20);
  run_queued();
  EXPECT_EQ(face.frames_drawn(), 1);
  term.type("abcdef");  // one read, one change of the screen
  term.gap(20);
  term.gap(20);
  term.gap(20);
  run_queued();
  EXPECT_EQ(face.frames_drawn(), 2);
}

TEST_F(TerminalFaceTest, FramesAreAtLeastAFrameIntervalApart) {
  start();
  term.gap(1);
  for (int i = 0; i < 10; ++i) term.type("a");  // ten changes within ten milliseconds
  run_queued();
  EXPECT_EQ(face.frames_drawn(), 1);
}

TEST_F(TerminalFaceTest, WindowSizeChangeRedrawsAtTheNewSize) {
  start();
  term.gap(20);
  run_queued();
  term.screen = {5, 30};
  term.resized = true;
  term.output.clear();
  term.gap(20);
  run_queued();
  EXPECT_EQ(face.frames_drawn(), 2);
  EXPECT_EQ(term.output.rfind("\x1b[2J", 0), 0u);
  EXPECT_NE(term.output.find("\x1b[5;1H"), std::string::npos);
  EXPECT_EQ(term.output.find("\x1b[6;1H"), std::string::npos);
}

TEST_F(TerminalFaceTest, QuestionIsAskedOnTheInputLineAndAnsweredByKey) {
  start();
  term.type("x");  // not an answer
  term.type("N");
  EXPECT_EQ(face.message_box("Reload the Router", "Save?", Buttons::YesNoCancel), Answer::No);
  EXPECT_NE(term.output.find("Reload the Router: Save? [y]es/[n]o/[c]ancel"), std::string::npos);
  EXPECT_EQ(sim().typed_line, "");  // the 'x' was used up by the question, not typed
  EXPECT_TRUE(input_row().find("[y]es") == std::string::npos);
}

TEST_F(TerminalFaceTest, SimulatedClockStandsStillWhileAQuestionWaits) {
  start();
  term.gap(5000);
  term.type("y");
  const SimMillis before = sim().scheduler.now();
  EXPECT_EQ(face.message_box("Q", "?", Buttons::YesNoCancel), Answer::Yes);
  term.type("z");
  run_queued();
  EXPECT_LE(sim().scheduler.now() - before, 2);
}

TEST_F(TerminalFaceTest, KeysAfterTheAnswerAreKeptForTheConsole) {
  start();
  term.type("yab");
  EXPECT_EQ(face.message_box("Q", "?", Buttons::YesNoCancel), Answer::Yes);
  term.gap(1);
  run_queued();
  EXPECT_EQ(sim().typed_line, "ab");
}

TEST_F(TerminalFaceTest, QuitKeyDuringAQuestionCancelsAndStops) {
  start();
  term.type("\x11");
  EXPECT_EQ(face.message_box("Q", "?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_FALSE(face.turn());
}

TEST_F(TerminalFaceTest, EndOfInputDuringAnOkBoxAnswersOk) {
  start();
  EXPECT_EQ(face.message_box("Zorva", "Note", Buttons::Ok), Answer::Ok);
  EXPECT_FALSE(face.turn());
}

TEST_F(TerminalFaceTest, EscDuringAQuestionCancelsAfterItsPause) {
  start();
  term.type("\x1b");
  term.gap(100);
  EXPECT_EQ(face.message_box("Q", "?", Buttons::OkCancel), Answer::Cancel);
}

TEST_F(TerminalFaceTest, DateTimeTextIsDayMonthYearAndTime) {
  const std::string t = face.date_time_text();
  ASSERT_EQ(t.size(), 19u) << t;
  EXPECT_EQ(t[2], '/');
  EXPECT_EQ(t[5], '/');
  EXPECT_EQ(t[10], ' ');
  EXPECT_EQ(t[13], ':');
  EXPECT_EQ(t[16], ':');
}

class PipedFaceTest : public TerminalFaceTest {
 protected:
  PipedFaceTest() : TerminalFaceTest(false) {}
};

TEST_F(PipedFaceTest, PrintsTheActiveTranscriptAtTheEndWithoutEscapes) {
  start();
  term.type("\x1bOQ");
  EXPECT_FALSE(run_queued() && face.turn());
  term.output.clear();
  EXPECT_EQ(face.finish(), 0);
  EXPECT_EQ(face.frames_drawn(), 0);
  EXPECT_NE(term.output.find("Press Enter to Start\n"), std::string::npos);
  EXPECT_EQ(term.output.find('\r'), std::string::npos);
  EXPECT_EQ(term.output.find('\x1b'), std::string::npos);
  EXPECT_EQ(sim().active_router, 2);
}

TEST_F(PipedFaceTest, QuestionsAreAnsweredFromTheInputAndPrinted) {
  start();
  term.type("c");
  EXPECT_EQ(face.message_box("Reload the Router", "Save?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(term.output, "[box] Reload the Router: Save? -> Cancel\n");
}

}  // namespace
}  // namespace zorva
