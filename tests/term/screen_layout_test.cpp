// Screen layout: cells of a line, wrapping at the width, the tail of a long transcript, the input
// line's horizontal scroll and caret column, the title bar, and the whole screen for small sizes.
#include "term/screen_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorva {
namespace {

using Rows = std::vector<std::string>;

std::string glyphs(const std::vector<Cell>& cells) {
  std::string s;
  for (const Cell& c : cells) s += c.glyph;
  return s;
}

TEST(Cells, CarriageReturnAndOtherControlsTakeNoCell) {
  EXPECT_EQ(glyphs(cells_of("ab\r")), "ab");
  EXPECT_EQ(glyphs(cells_of("a\x07"
                            "b\x7f")),
            "ab");
}

TEST(Cells, EscapeSequencesInTextCannotReachTheTerminal) {
  const std::string shown = glyphs(cells_of("x\x1b[2Jy"));
  EXPECT_EQ(shown.find('\x1b'), std::string::npos);
  EXPECT_EQ(shown, "x[2Jy");
}

TEST(Cells, TabRunsToTheNextMultipleOfEight) {
  EXPECT_EQ(glyphs(cells_of("ab\tc")), "ab      c");
  EXPECT_EQ(glyphs(cells_of("12345678\tx")), "12345678        x");
}

TEST(Cells, Utf8CharacterIsOneCellAndKeepsItsSourceOffset) {
  const std::vector<Cell> cells = cells_of("a\xc3\xa9z");
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[1].glyph, "\xc3\xa9");
  EXPECT_EQ(cells[1].source, 1u);
  EXPECT_EQ(cells[2].source, 3u);
}

TEST(Cells, InvalidUtf8AndC1ControlsShowAsQuestionMarks) {
  EXPECT_EQ(glyphs(cells_of("\xff")), "?");
  EXPECT_EQ(glyphs(cells_of("\xc3")), "?");            // cut short
  EXPECT_EQ(glyphs(cells_of("\xc0\xaf")), "??");       // overlong
  EXPECT_EQ(glyphs(cells_of("\xed\xa0\x80")), "???");  // surrogate
  EXPECT_EQ(glyphs(cells_of("\xc2\x9b")), "??");       // C1 CSI would be obeyed
  EXPECT_EQ(glyphs(cells_of("\xe2\x80\x94")), "\xe2\x80\x94");
}

TEST(Wrap, EmptyLineIsOneEmptyRow) {
  EXPECT_EQ(wrap_line("", 5), Rows{""});
}

TEST(Wrap, LineOfExactlyTheWidthIsOneRow) {
  EXPECT_EQ(wrap_line("abcde", 5), Rows{"abcde"});
}

TEST(Wrap, OneCharacterMoreStartsASecondRow) {
  EXPECT_EQ(wrap_line("abcdef", 5), (Rows{"abcde", "f"}));
}

TEST(Wrap, CountsCellsNotBytes) {
  EXPECT_EQ(wrap_line("\xc3\xa9\xc3\xa9\xc3\xa9", 2), (Rows{"\xc3\xa9\xc3\xa9", "\xc3\xa9"}));
}

TEST(Tail, ShortTranscriptGivesAllItsLinesWithoutCarriageReturns) {
  EXPECT_EQ(transcript_tail("one\r\ntwo", 5, 10), (Rows{"one", "two"}));
}

TEST(Tail, TrailingLineBreakLeavesAnEmptyLastRow) {
  EXPECT_EQ(transcript_tail("one\r\n", 5, 10), (Rows{"one", ""}));
}

TEST(Tail, KeepsOnlyTheLastRows) {
  EXPECT_EQ(transcript_tail("1\r\n2\r\n3\r\n4", 2, 10), (Rows{"3", "4"}));
}

TEST(Tail, WrappedLineContributesItsLastRowsWhenSpaceRunsOut) {
  EXPECT_EQ(transcript_tail("head\r\nabcdefghij", 2, 4), (Rows{"efgh", "ij"}));
  EXPECT_EQ(transcript_tail("head\r\nabcdefghij", 4, 4), (Rows{"head", "abcd", "efgh", "ij"}));
}

TEST(Tail, NoRowsGivesNothing) {
  EXPECT_TRUE(transcript_tail("abc", 0, 10).empty());
}

TEST(Tail, LongTranscriptShowsItsLastLines) {
  std::string t;
  for (int i = 0; i < 200000; ++i) t += "line " + std::to_string(i) + "\r\n";
  t += "Router>";
  EXPECT_EQ(transcript_tail(t, 3, 80), (Rows{"line 199998", "line 199999", "Router>"}));
}

TEST(Tail, HugeLineWithoutBreaksGivesFullRowsOfItsEnd) {
  const std::string t(1 << 20, 'x');
  const Rows rows = transcript_tail(t, 3, 10);
  ASSERT_EQ(rows.size(), 3u);
  for (const std::string& r : rows) EXPECT_EQ(r.size(), 10u);
}

TEST(Tail, ManyEmptyLinesEachTakeARow) {
  std::string t(100000, '\n');
  t += "end";
  EXPECT_EQ(transcript_tail(t, 3, 10), (Rows{"", "", "end"}));
}

TEST(Tail, CutAtTheReadLimitDoesNotSplitAUtf8Character) {
  std::string t;
  for (int i = 0; i < 5000; ++i) t += "\xc3\xa9";
  t += "a";  // an odd length puts the read limit on the second byte of a character
  for (const std::string& r : transcript_tail(t, 2, 3))
    EXPECT_EQ(r.find('?'), std::string::npos) << r;
}

TEST(Input, CaretAtTheEndOfAShortLine) {
  const InputView v = input_view("Router>sh", 9, 20);
  EXPECT_EQ(v.text, "Router>sh");
  EXPECT_EQ(v.caret_column, 9);
}

TEST(Input, CaretMovedBackStaysAtItsCharacter) {
  const InputView v = input_view("Router>show", 8, 20);
  EXPECT_EQ(v.caret_column, 8);
}

TEST(Input, LineOneShorterThanTheWidthDoesNotScroll) {
  const InputView v = input_view("abcd", 4, 5);
  EXPECT_EQ(v.text, "abcd");
  EXPECT_EQ(v.caret_column, 4);
}

TEST(Input, LineAsWideAsTheScreenScrollsSoTheCaretAtItsEndIsVisible) {
  const InputView v = input_view("abcde", 5, 5);
  EXPECT_EQ(v.text, "bcde");
  EXPECT_EQ(v.caret_column, 4);
}

TEST(Input, LongLineShowsItsEndWithTheCaretInTheLastColumn) {
  const InputView v = input_view("0123456789", 10, 4);
  EXPECT_EQ(v.text, "789");
  EXPECT_EQ(v.caret_column, 3);
}

TEST(Input, CaretInTheMiddleOfALongLineScrollsToIt) {
  const InputView v = input_view("0123456789", 6, 4);
  EXPECT_EQ(v.text, "3456");
  EXPECT_EQ(v.caret_column, 3);
}

TEST(Input, CaretAtTheStartOfALongLineShowsItsStart) {
  const InputView v = input_view("0123456789", 0, 4);
  EXPECT_EQ(v.text, "0123");
  EXPECT_EQ(v.caret_column, 0);
}

TEST(Input, CaretCountsUtf8CharactersAsOneColumn) {
  const InputView v = input_view("R>\xc3\xa9x", 4, 10);  // after the two bytes of the e-acute
  EXPECT_EQ(v.caret_column, 3);
  const InputView inside = input_view("R>\xc3\xa9x", 3, 10);  // between its bytes
  EXPECT_EQ(inside.caret_column, 3);
}

TEST(Input, NegativeCaretIsTheStart) {
  EXPECT_EQ(input_view("abc", -4, 10).caret_column, 0);
}

TEST(Input, OneColumnScreenShowsTheCharacterBeforeTheCaret) {
  const InputView v = input_view("abc", 2, 1);
  EXPECT_EQ(v.text, "c");
  EXPECT_EQ(v.caret_column, 0);
}

TEST(Title, NamesTheRouterTheSwitchKeysAndTheQuitKey) {
  EXPECT_EQ(title_text(2, 3, false),
            "Router 2 of 3 - F1..F12 or Alt+1..9 switch routers - Ctrl+Q quits");
  EXPECT_EQ(title_text(1, 1, true),
            "Router 1 of 1 \xe2\x80\x94 F1..F12 or Alt+1..9 switch routers \xe2\x80\x94 Ctrl+Q "
            "quits");
}

TEST(Title, FitToWidthPadsAndCutsByCells) {
  EXPECT_EQ(fit_to_width("ab", 4), "ab  ");
  EXPECT_EQ(fit_to_width("abcdef", 4), "abcd");
  EXPECT_EQ(fit_to_width("a\xe2\x80\x94"
                         "b",
                         3),
            "a\xe2\x80\x94"
            "b");
  EXPECT_EQ(fit_to_width("abc", 0), "");
}

TEST(Layout, TitleOnTopInputAtTheBottomTranscriptBetween) {
  const Frame f = layout_screen("T", "a\r\nb\r\nc", "R>x", 3, {4, 6});
  EXPECT_EQ(f.lines, (Rows{"T     ", "b", "c", "R>x"}));
  EXPECT_EQ(f.title_row, 0);
  EXPECT_EQ(f.cursor_row, 3);
  EXPECT_EQ(f.cursor_col, 3);
}

TEST(Layout, ShortTranscriptIsTopAlignedWithBlankRowsBelow) {
  const Frame f = layout_screen("T", "only", "", 0, {5, 10});
  EXPECT_EQ(f.lines, (Rows{"T         ", "only", "", "", ""}));
}

TEST(Layout, TwoRowsHoldTitleAndInputOnly) {
  const Frame f = layout_screen("T", "text", "in", 2, {2, 4});
  EXPECT_EQ(f.lines, (Rows{"T   ", "in"}));
  EXPECT_EQ(f.cursor_row, 1);
}

TEST(Layout, OneRowHoldsTheInputLineAlone) {
  const Frame f = layout_screen("T", "text", "in", 2, {1, 4});
  EXPECT_EQ(f.lines, Rows{"in"});
  EXPECT_EQ(f.title_row, -1);
  EXPECT_EQ(f.cursor_row, 0);
}

TEST(Layout, NonsenseSizesAreTreatedAsOneByOne) {
  const Frame f = layout_screen("T", "text", "in", 2, {0, -3});
  ASSERT_EQ(f.lines.size(), 1u);
  EXPECT_EQ(f.cursor_col, 0);
}

}  // namespace
}  // namespace zorva
