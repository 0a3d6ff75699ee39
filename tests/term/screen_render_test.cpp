// ANSI drawing: every row is cleared before it is written, the title bar is in reverse video, the
// cursor ends at the caret.
#include "term/screen_render.h"

#include <gtest/gtest.h>

#include <string>

namespace zorva {
namespace {

Frame sample() {
  Frame f;
  f.lines = {"Title ", "body", "R>x"};
  f.title_row = 0;
  f.cursor_row = 2;
  f.cursor_col = 3;
  return f;
}

TEST(Render, ClearsEachRowBeforeWritingIt) {
  const std::string out = render_frame(sample());
  EXPECT_NE(out.find("\x1b[2;1H\x1b[2Kbody"), std::string::npos);
  EXPECT_NE(out.find("\x1b[3;1H\x1b[2KR>x"), std::string::npos);
}

TEST(Render, TitleRowIsReverseVideoAndResetAfter) {
  const std::string out = render_frame(sample());
  EXPECT_NE(out.find("\x1b[1;1H\x1b[2K\x1b[7mTitle \x1b[0m"), std::string::npos);
}

TEST(Render, HidesTheCursorWhileDrawingAndShowsItAtTheCaret) {
  const std::string out = render_frame(sample());
  EXPECT_EQ(out.rfind("\x1b[?25l", 0), 0u);
  const std::string tail = "\x1b[3;4H\x1b[?25h";
  ASSERT_GE(out.size(), tail.size());
  EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
}

TEST(Render, WithoutATitleRowNothingIsReversed) {
  Frame f = sample();
  f.title_row = -1;
  EXPECT_EQ(render_frame(f).find("\x1b[7m"), std::string::npos);
}

}  // namespace
}  // namespace zorva
