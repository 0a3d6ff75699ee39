// The key handler on hostile lines: a caret offset that does not fit its 16-bit field, a caret
// offset beyond the line, and codes that are no character. A caret offset left over from a longer
// line and control keys typed into an entered line are in console_control_keys.out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/key_handler.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

using testing::TestSimulation;
using testing::topology;

class KeyHandler : public ::testing::Test {
 protected:
  TestSimulation t{topology(1, 1, 1)};
  Console& console() { return t.router(1).console; }
  void keys(const std::vector<int>& codes) {
    for (int k : codes) t.sim->console_key(k);
  }
  // A line as long as a paste could make it, without typing it key by key.
  void paste(std::size_t length) { t.sim->typed_line.assign(length, 'x'); }
};

TEST_F(KeyHandler, CaretOffsetsThatFitSixteenBitsMoveTheCaret) {
  struct Case {
    std::size_t length;
    int expected_offset;
  };
  for (const Case c : {Case{0, 0}, Case{1, 1}, Case{32766, 32766}, Case{32767, 32767}}) {
    console().cursor_from_end = 0;
    paste(c.length);
    keys({kCtrlA});
    EXPECT_EQ(console().cursor_from_end, c.expected_offset) << c.length;
    keys({kBackspace});  // the caret at the very start deletes nothing
    EXPECT_EQ(t.sim->typed_line.size(), c.length);
  }
  EXPECT_EQ(t.sim->log.lines_written(), 0);
}

TEST_F(KeyHandler, CtrlAOnALineTooLongForTheCaretIsLoggedAndSkipped) {
  for (const std::size_t length : {32768u, 40000u, 70000u}) {
    console().cursor_from_end = 3;
    paste(length);
    keys({kCtrlA, kBackspace});  // aborted the program before
    EXPECT_EQ(console().cursor_from_end, 3) << length;
    EXPECT_EQ(t.sim->typed_line.size(), length - 1) << "Backspace still deletes before the caret";
  }
  EXPECT_EQ(t.sim->log.lines_written(), 3);
  EXPECT_NE(t.log_text().find(" -- txtin Keypress() - Router 1 - 6 - Overflow"), std::string::npos)
      << t.log_text();
}

TEST_F(KeyHandler, AnOverlongLineCanStillBeEditedCompletedAndEntered) {
  paste(40000);
  keys({kCtrlA, kCtrlB, kCtrlF, kCtrlE, kBackspace, kTab, kQuestion, kEnter});
  EXPECT_EQ(t.sim->typed_line, "");
  EXPECT_NE(t.transcript(1).find("% Invalid input detected at '^' marker."), std::string::npos);
  t.sim->typed_line = "show " + std::string(40000, ' ') + "clock";  // 40000 empty words
  keys({kEnter});
  EXPECT_EQ(t.sim->typed_line, "");
}

TEST_F(KeyHandler, LeftPastTheLargestCaretOffsetIsLoggedAndSkipped) {
  paste(32800);
  console().cursor_from_end = 32767;
  keys({kCtrlB});
  EXPECT_EQ(console().cursor_from_end, 32767);
  EXPECT_EQ(t.sim->log.lines_written(), 1);
  keys({kCtrlF, kBackspace});
  EXPECT_EQ(console().cursor_from_end, 32766);
  EXPECT_EQ(t.sim->typed_line.size(), 32799u);
}

// A caret offset beyond the line deletes nothing; codes that are no character are not typed.
TEST_F(KeyHandler, OffsetsBeyondTheLineAndCodesThatAreNoCharacterChangeNothing) {
  t.type("sh");
  console().cursor_from_end = 9;
  keys({kBackspace});
  EXPECT_EQ(t.sim->typed_line, "sh");
  console().cursor_from_end = 0;
  for (const int key : {0, -1, 256, 1 << 20}) {
    keys({key});
    EXPECT_EQ(t.sim->typed_line, "sh") << key;
  }
}

}  // namespace
}  // namespace zorva
