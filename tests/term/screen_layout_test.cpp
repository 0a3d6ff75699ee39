// Screen layout: cells of a line, wrapping at the width, the tail of a long transcript, the input
// line's horizontal scroll and caret column, and the whole screen: the transcript above the input,
// a full paging page on 80x24, scrolling back, wrapped questions and the help line.
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

TEST(ScreenWrap, ReadingTextBreaksBetweenWordsAndCutsOnlyAWordLongerThanARow) {
  EXPECT_EQ(wrap_words("", 5), Rows{""});
  EXPECT_EQ(wrap_words("ab cd", 5), Rows{"ab cd"});
  EXPECT_EQ(wrap_words("ab cd ef", 5), (Rows{"ab cd", "ef"}));
  EXPECT_EQ(wrap_words("ab cdef", 5), (Rows{"ab", "cdef"}));
  EXPECT_EQ(wrap_words("abcdefgh ij", 5), (Rows{"abcde", "fgh", "ij"}));
  EXPECT_EQ(wrap_words("ab    cd", 3), (Rows{"ab", "cd"}));
  EXPECT_EQ(wrap_words("  indented text", 20), Rows{"  indented text"});
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
      {std::string(100000, '\n') + "a\r\nb\r\nend", 3, 10, {"a", "b", "end"}},  // the read limit
      {std::string(1 << 20, 'x'), 3, 10, Rows(3, std::string(10, 'x'))},
  };
  for (const auto& t : table)
    EXPECT_EQ(transcript_tail(t.transcript, t.rows, t.cols), t.shown) << t.transcript.substr(0, 20);
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

TEST(ScreenFit, CountsCellsNotBytes) {
  EXPECT_EQ(fit_to_width("abcdef", 4), "abcd");
  EXPECT_EQ(fit_to_width("a\u2014b", 3), "a\u2014b");
  EXPECT_EQ(fit_to_width("abc", 0), "");
}

Frame lay_out(std::string_view transcript, std::string_view input, ScreenSize size,
              int scroll_back = 0) {
  ScreenContent c;
  c.transcript = transcript;
  c.input = input;
  c.caret = static_cast<int>(input.size());
  c.scroll_back = scroll_back;
  return layout_screen(c, size);
}

// Lines "L1" ... "Ln", each ending with CR LF.
std::string numbered_lines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "L" + std::to_string(i) + "\r\n";
  return text;
}

TEST(ScreenLayout, InputAtTheBottomTranscriptAboveItWithoutItsLastLineBreak) {
  const struct {
    std::string transcript;
    ScreenSize size;
    Rows lines;
  } table[] = {
      {"a\r\nb\r\nc", {3, 6}, {"b", "c", "in"}},
      {"a\r\nb\r\n", {3, 6}, {"a", "b", "in"}},   // the input line follows the last line break
      {"a\r\n\r\n", {3, 6}, {"a", "", "in"}},     // a blank line before it stays
      {"only", {4, 10}, {"only", "", "", "in"}},  // short: top-aligned
      {"text", {1, 4}, {"in"}},
      {"text", {0, -3}, {""}},  // nonsense sizes are one by one
  };
  for (const auto& t : table) {
    SCOPED_TRACE(std::to_string(t.size.rows) + "x" + std::to_string(t.size.cols));
    const Frame f = lay_out(t.transcript, "in", t.size);
    EXPECT_EQ(f.lines, t.lines);
    EXPECT_EQ(f.cursor_row, static_cast<int>(t.lines.size()) - 1);
  }
}

TEST(ScreenLayout, ScrollingBackShowsEarlierRowsAndStopsAtTheFirst) {
  const std::string transcript = numbered_lines(10);
  const struct {
    int scroll, shown_scroll;
    Rows body;
  } table[] = {
      {0, 0, {"L8", "L9", "L10"}},  {2, 2, {"L6", "L7", "L8"}},
      {7, 7, {"L1", "L2", "L3"}},   {100, 7, {"L1", "L2", "L3"}},  // no further than the first line
      {-5, 0, {"L8", "L9", "L10"}},
  };
  for (const auto& t : table) {
    SCOPED_TRACE(t.scroll);
    const Frame f = lay_out(transcript, "R>", {4, 10}, t.scroll);
    EXPECT_EQ(Rows(f.lines.begin(), f.lines.end() - 1), t.body);
    EXPECT_EQ(f.scroll_back, t.shown_scroll);
    EXPECT_EQ(f.lines.back(), "R>");
  }
  EXPECT_EQ(lay_out("short\r\n", "R>", {4, 10}, 3).scroll_back, 0);
}

TEST(ScreenLayout, AQuestionIsWrappedAtTheWidthAndEndsWithTheCaret) {
  const std::string transcript = numbered_lines(5);
  const std::string long_question = std::string(100, 'q') + " [y]es";
  ScreenContent c;
  c.transcript = transcript;
  c.input = "Reload: Save your changes? [y]es/[n]o";
  c.wrap_input = true;
  c.status = {"help"};
  const Frame f = layout_screen(c, {5, 16});
  EXPECT_EQ(f.lines, (Rows{"L4", "L5", "Reload: Save you", "r changes? [y]es", "/[n]o"}));
  EXPECT_EQ(std::pair(f.cursor_row, f.cursor_col), std::pair(4, 5));
  EXPECT_EQ(f.status_row, -1);  // the question has the row to itself

  c.input = long_question;  // longer than the screen: its end is kept
  const Frame small = layout_screen(c, {2, 10});
  EXPECT_EQ(small.lines, (Rows{"qqqqqqqqqq", " [y]es"}));
}

TEST(ScreenLayout, TheLongestHelpLineThatFitsBesideTheInputTakesTheRowsEnd) {
  const struct {
    std::string input;
    int cols;
    std::string shown;
    int col;
  } table[] = {
      {"R>", 30, "Router 1 of 3, Ctrl+Q quit", 4},
      {"R>", 20, "R1/3", 16},
      {"Router(config)#ip address 1.1.1.1", 36, "", -1},
  };
  for (const auto& t : table) {
    SCOPED_TRACE(t.input + " " + std::to_string(t.cols));
    ScreenContent c;
    c.input = t.input;
    c.caret = static_cast<int>(t.input.size());
    c.status = {"Router 1 of 3, Ctrl+Q quit", "R1/3"};
    const Frame f = layout_screen(c, {3, t.cols});
    EXPECT_EQ(f.status, t.shown);
    EXPECT_EQ(f.status_col, t.col < 0 ? 0 : t.col);
    EXPECT_EQ(f.status_row, t.col < 0 ? -1 : 2);
  }
}

}  // namespace
}  // namespace zorva
