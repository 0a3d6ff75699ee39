// ANSI drawing: every row is cleared before it is written, the help line is in reverse video, the
// cursor is hidden while drawing and ends at the caret.
#include "term/screen_render.h"

#include <gtest/gtest.h>

#include <string>

namespace zorva {
namespace {

TEST(Render, ClearsEachRowPutsTheHelpLineInReverseVideoAndEndsAtTheCaret) {
  Frame f;
  f.lines = {"body", "R>x"};
  f.status_row = 1;
  f.status_col = 6;
  f.status = "help";
  f.cursor_row = 1;
  f.cursor_col = 3;
  EXPECT_EQ(render_frame(f),
            "\x1b[?25l"
            "\x1b[1;1H\x1b[2Kbody"
            "\x1b[2;1H\x1b[2KR>x"
            "\x1b[2;7H\x1b[7mhelp\x1b[0m"
            "\x1b[2;4H\x1b[?25h");
  f.status_row = -1;
  EXPECT_EQ(render_frame(f).find("\x1b[7m"), std::string::npos);
}

}  // namespace
}  // namespace zorva
