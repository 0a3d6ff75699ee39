// ANSI drawing: every row is cleared before it is written, the title bar is in reverse video, the
// cursor is hidden while drawing and ends at the caret.
#include "term/screen_render.h"

#include <gtest/gtest.h>

#include <string>

namespace zorva {
namespace {

TEST(Render, ClearsEachRowReversesTheTitleAndEndsAtTheCaret) {
  Frame f;
  f.lines = {"Title ", "body", "R>x"};
  f.title_row = 0;
  f.cursor_row = 2;
  f.cursor_col = 3;
  EXPECT_EQ(render_frame(f),
            "\x1b[?25l"
            "\x1b[1;1H\x1b[2K\x1b[7mTitle \x1b[0m"
            "\x1b[2;1H\x1b[2Kbody"
            "\x1b[3;1H\x1b[2KR>x"
            "\x1b[3;4H\x1b[?25h");
  f.title_row = -1;
  EXPECT_EQ(render_frame(f).find("\x1b[7m"), std::string::npos);
}

}  // namespace
}  // namespace zorva
