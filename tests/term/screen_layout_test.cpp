// Screen layout: cells of a line, wrapping at the width, the tail of a long transcript, the input
// line's horizontal scroll and caret column, the title bar, and the whole screen for small sizes.
#include "term/screen_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorva {
namespace {

using Rows = std::vector<std::string>;

TEST(ScreenCells, ControlsTakeNoCellTabsPadAndBadBytesShowAsQuestionMarks) {
  const std::pair<std::string, std::string> rows[] = {
      {"a\r\ab\x7f", "ab"},
      {"x\x1b[2Jy", "x[2Jy"},  // an escape sequence in the text cannot reach the terminal
      {"ab\tc", "ab      c"},
      {"12345678\tx", "12345678        x"},
      {"\xc3", "?"},            // cut short
      {"\xc0\xaf", "??"},       // overlong
      {"\xed\xa0\x80", "???"},  // surrogate
      {"\xc2\x9b", "??"},       // a C1 CSI would be obeyed
      {"\xe2\x80\x94", "\xe2\x80\x94"},
  };
  for (const auto& [line, shown] : rows) {
    std::string glyphs;
    for (const Cell& c : cells_of(line)) glyphs += c.glyph;
    EXPECT_EQ(glyphs, shown) << line;
  }
}

TEST(ScreenWrap, SplitsAtTheWidthCountingCellsNotBytes) {
  EXPECT_EQ(wrap_line("", 5), Rows{""});
  EXPECT_EQ(wrap_line("abcde", 5), Rows{"abcde"});
  EXPECT_EQ(wrap_line("abcdef", 5), (Rows{"abcde", "f"}));
  EXPECT_EQ(wrap_line("\xc3\xa9\xc3\xa9\xc3\xa9", 2), (Rows{"\xc3\xa9\xc3\xa9", "\xc3\xa9"}));
}

TEST(ScreenTail, ShowsTheLastRowsOfTheLastLines) {
  const struct {
    std::string transcript;  // the console's text
    int rows, cols;          // room on the screen
    Rows shown;              // the rows it shows
  } table[] = {
      {"one\r\ntwo", 5, 10, {"one", "two"}},
      {"one\r\n", 5, 10, {"one", ""}},
      {"1\r\n2\r\n3\r\n4", 2, 10, {"3", "4"}},
      {"head\r\nabcdefghij", 2, 4, {"efgh", "ij"}},
      {"head\r\nabcdefghij", 4, 4, {"head", "abcd", "efgh", "ij"}},
      {"abc", 0, 10, {}},
      {std::string(100000, '\n') + "end", 3, 10, {"", "", "end"}},
      {std::string(1 << 20, 'x'), 3, 10, Rows(3, std::string(10, 'x'))},
  };
  for (const auto& t : table)
    EXPECT_EQ(transcript_tail(t.transcript, t.rows, t.cols), t.shown) << t.transcript.substr(0, 20);
}

TEST(ScreenTail, LongTranscriptShowsItsLastLines) {
  std::string t;
  for (int i = 0; i < 200000; ++i) t += "line " + std::to_string(i) + "\r\n";
  t += "Router>";
  EXPECT_EQ(transcript_tail(t, 3, 80), (Rows{"line 199998", "line 199999", "Router>"}));
}

TEST(ScreenTail, CutAtTheReadLimitDoesNotSplitAUtf8Character) {
  std::string t;
  for (int i = 0; i < 5000; ++i) t += "\xc3\xa9";
  t += "a";  // an odd length puts the read limit on the second byte of a character
  for (const std::string& r : transcript_tail(t, 2, 3))
    EXPECT_EQ(r.find('?'), std::string::npos) << r;
}

TEST(ScreenInput, ScrollsSoTheCaretIsVisible) {
  const struct {
    std::string input;
    int caret, cols;
    std::string shown;  // the visible part
    int column;         // the caret's column in it
  } table[] = {
      {"Router>show", 8, 20, "Router>show", 8},
      {"abcd", 4, 5, "abcd", 4},  // one shorter than the width: no scroll
      {"abcde", 5, 5, "bcde", 4},
      {"0123456789", 10, 4, "789", 3},
      {"0123456789", 6, 4, "3456", 3},
      {"0123456789", 0, 4, "0123", 0},
      {"R>\xc3\xa9x", 4, 10, "R>\xc3\xa9x", 3},  // a UTF-8 character is one column
      {"R>\xc3\xa9x", 3, 10, "R>\xc3\xa9x", 3},  // a caret between its bytes
      {"abc", -4, 10, "abc", 0},
      {"abc", 2, 1, "c", 0},
  };
  for (const auto& t : table) {
    const InputView v = input_view(t.input, t.caret, t.cols);
    EXPECT_EQ(std::pair(v.text, v.caret_column), std::pair(t.shown, t.column))
        << t.input << t.caret;
  }
}

TEST(ScreenTitle, Utf8TitleUsesEmDashesAndFitCountsCells) {
  EXPECT_EQ(title_text(1, 1, true),
            "Router 1 of 1 \u2014 F1..F12 or Alt+1..9 switch routers \u2014 Ctrl+Q quits");
  EXPECT_EQ(fit_to_width("abcdef", 4), "abcd");
  EXPECT_EQ(fit_to_width("a\u2014b", 3), "a\u2014b");
  EXPECT_EQ(fit_to_width("abc", 0), "");
}

TEST(ScreenLayout, TitleOnTopInputAtTheBottomTranscriptBetween) {
  const struct {
    std::string transcript;
    ScreenSize size;
    Rows lines;
    int title_row, cursor_row, cursor_col;
  } table[] = {
      {"a\r\nb\r\nc", {4, 6}, {"T     ", "b", "c", "in"}, 0, 3, 2},
      {"only", {5, 10}, {"T         ", "only", "", "", "in"}, 0, 4, 2},  // short: top-aligned
      {"text", {2, 4}, {"T   ", "in"}, 0, 1, 2},
      {"text", {1, 4}, {"in"}, -1, 0, 2},
      {"text", {0, -3}, {""}, -1, 0, 0},  // nonsense sizes are one by one
  };
  for (const auto& t : table) {
    SCOPED_TRACE(std::to_string(t.size.rows) + "x" + std::to_string(t.size.cols));
    const Frame f = layout_screen("T", t.transcript, "in", 2, t.size);
    EXPECT_EQ(f.lines, t.lines);
    EXPECT_EQ((std::vector{f.title_row, f.cursor_row, f.cursor_col}),
              (std::vector{t.title_row, t.cursor_row, t.cursor_col}));
  }
}

}  // namespace
}  // namespace zorva
