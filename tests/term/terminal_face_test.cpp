// The terminal face's loop driven by a fake terminal: bytes in, frames out, a fake clock. Proves
// that keys reach the active console, F-keys switch routers, Ctrl+Q and the end of input stop the
// loop, real time advances the simulated clock (but not while a question waits), the screen is
// drawn only when something changed, and a pipe gets the transcript at the end.
#include "term/terminal_face.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

#include "simulation/simulation.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

// A terminal that replays input steps: bytes that arrive (taking a millisecond), or a quiet gap.
class FakeTerminal : public TerminalIo {
 public:
  void type(const std::string& bytes) { steps.push_back({bytes, 1}); }
  void gap(std::int64_t ms) { steps.push_back({"", ms}); }

  int read_input(char* buffer, int size, int) override {
    if (steps.empty()) return -1;
    const auto [bytes, ms] = steps.front();
    steps.pop_front();
    clock += ms;
    const int n = std::min(size, static_cast<int>(bytes.size()));
    std::memcpy(buffer, bytes.data(), static_cast<std::size_t>(n));
    return n;
  }
  void write_output(std::string_view bytes) override { output.append(bytes); }
  ScreenSize size() override { return screen; }
  std::int64_t now_ms() override { return clock; }
  bool take_resize() override { return std::exchange(resized, false); }

  std::deque<std::pair<std::string, std::int64_t>> steps;  // input still to come, and its time
  std::string output;                                      // everything written
  ScreenSize screen{10, 80};                               // the window size
  std::int64_t clock = 5000;                               // the time now_ms() tells
  bool resized = false;  // the window size changed since the last look
};

class TerminalFaceTest : public ::testing::Test {
 protected:
  explicit TerminalFaceTest(bool screen = true) : face(term, screen, 7, false) {}

  void SetUp() override {
    ScriptOptions options;
    options.app_dir = testing::bin_dir();
    options.topology = dir.write("topology.ini", testing::topology(2, 1, 1));
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

  testing::TempDir dir;
  FakeTerminal term;
  TerminalFace face;
};

TEST_F(TerminalFaceTest, DrawsOnlyWhenSomethingChangedAndAtMostOnceAFrameInterval) {
  for (int i = 0; i < 3; ++i) term.gap(20);
  run_queued();
  EXPECT_EQ(face.frames_drawn(), 1);
  EXPECT_EQ(face.current_frame().lines[0].rfind(
                "Router 1 of 2 - F1..F12 or Alt+1..9 switch routers - Ctrl+Q quits", 0),
            0u);
  EXPECT_NE(term.output.find("Press Enter to Start"), std::string::npos);
  for (int i = 0; i < 10; ++i) term.type("a");  // ten changes within ten milliseconds
  for (int i = 0; i < 3; ++i) term.gap(20);
  run_queued();
  EXPECT_EQ(face.frames_drawn(), 3);  // one for the first change, one for the rest of the burst
}

TEST_F(TerminalFaceTest, TypedKeysReachTheActiveConsoleAndTheCaretFollows) {
  term.type("sh");
  run_queued();
  EXPECT_EQ(sim().typed_line, "sh");
  EXPECT_TRUE(input_row().ends_with("sh")) << input_row();
  EXPECT_EQ(face.current_frame().cursor_col, static_cast<int>(input_row().size()));
  term.type("\x1b[D");  // left arrow
  run_queued();
  EXPECT_EQ(face.current_frame().cursor_col, static_cast<int>(input_row().size()) - 1);
}

TEST_F(TerminalFaceTest, FunctionKeySwitchesRouterAndTheLineFollows) {
  term.type("sh");
  term.type("\x1bOQ");  // F2
  term.type("ow");
  run_queued();
  EXPECT_EQ(sim().active_router, 2);
  EXPECT_EQ(face.current_frame().lines[0].rfind("Router 2 of 2", 0), 0u);
  EXPECT_TRUE(input_row().ends_with("show")) << input_row();
}

TEST_F(TerminalFaceTest, CtrlQStopsAndLaterKeysAreNotTyped) {
  term.type(
      "ab\x11"
      "cd");
  EXPECT_FALSE(run_queued());
  EXPECT_EQ(sim().typed_line, "ab");
  EXPECT_FALSE(face.turn());
}

TEST_F(TerminalFaceTest, RealTimeAdvancesTheSimulatedClock) {
  const SimMillis before = sim().scheduler.now();
  term.gap(1500);
  term.gap(1500);
  run_queued();
  EXPECT_EQ(sim().scheduler.now() - before, 3000);
  EXPECT_EQ(sim().sim_clock, 3);
}

TEST_F(TerminalFaceTest, LoneEscIsTypedAndTheBracketAfterItIsNotAnArrow) {
  term.type("\x1b");
  term.gap(100);
  term.type("[A");
  run_queued();
  EXPECT_EQ(sim().typed_line, "\x1b[A");
}

TEST_F(TerminalFaceTest, ControlKeysWithoutEditingMeaningReachTheLine) {
  term.type("sh\x03\x04\x1c");
  run_queued();
  EXPECT_EQ(sim().typed_line, "sh\x03\x04\x1c");
}

TEST_F(TerminalFaceTest, WindowSizeChangeRedrawsAtTheNewSize) {
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

TEST_F(TerminalFaceTest, QuestionIsAskedOnTheInputLineAndKeysAfterTheAnswerAreTyped) {
  term.type("x");  // not an answer: used up by the question
  term.type("Nab");
  EXPECT_EQ(face.message_box("Reload the Router", "Save?", Buttons::YesNoCancel), Answer::No);
  EXPECT_NE(term.output.find("Reload the Router: Save? [y]es/[n]o/[c]ancel"), std::string::npos);
  term.gap(1);
  run_queued();
  EXPECT_EQ(sim().typed_line, "ab");
  EXPECT_EQ(input_row().find("[y]es"), std::string::npos);
}

TEST_F(TerminalFaceTest, SimulatedClockStandsStillWhileAQuestionWaits) {
  term.gap(5000);
  term.type("y");
  const SimMillis before = sim().scheduler.now();
  EXPECT_EQ(face.message_box("Q", "?", Buttons::YesNoCancel), Answer::Yes);
  term.type("z");
  run_queued();
  EXPECT_LE(sim().scheduler.now() - before, 2);
}

TEST_F(TerminalFaceTest, QuitKeyDuringAQuestionCancelsAndStops) {
  term.type("\x11");
  term.gap(1);
  EXPECT_EQ(face.message_box("Q", "?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_FALSE(face.turn());
}

TEST_F(TerminalFaceTest, EscCancelsAfterItsPauseAndTheEndOfInputLeavesWithOk) {
  term.type("\x1b");
  term.gap(100);
  EXPECT_EQ(face.message_box("Q", "?", Buttons::OkCancel), Answer::Cancel);
  EXPECT_EQ(face.message_box("Zorva", "Note", Buttons::Ok), Answer::Ok);
  EXPECT_FALSE(face.turn());
}

TEST_F(TerminalFaceTest, DateTimeTextIsDayMonthYearAndTime) {
  EXPECT_THAT(face.date_time_text(),
              ::testing::MatchesRegex("[0-9]{2}/[0-9]{2}/[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}"));
}

class TerminalFacePipedTest : public TerminalFaceTest {
 protected:
  TerminalFacePipedTest() : TerminalFaceTest(false) {}
};

TEST_F(TerminalFacePipedTest, PrintsAnswersThenTheActiveTranscriptWithoutEscapes) {
  term.type("c");
  EXPECT_EQ(face.message_box("Reload the Router", "Save?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(term.output, "[box] Reload the Router: Save? -> Cancel\n");
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

}  // namespace
}  // namespace zorva
