// Paging: a screen is 24 carriage returns; Enter releases a line, Space the rest, any other key
// drops it.
#include "router/output.h"

#include <gtest/gtest.h>

#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

std::string lines(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += "line" + std::to_string(i) + "\r\n";
  return s;
}

class Paging : public ::testing::Test {
 protected:
  testing::TestSimulation t{testing::topology(1, 1, 0)};
  Router& r = t.router(1);
  std::size_t start = r.console.transcript().size();
  std::string shown() { return r.console.transcript().substr(start); }
};

TEST_F(Paging, TwentyThreeLineBreaksPrintWhole) {
  output_text(r, lines(23));
  EXPECT_EQ(shown(), lines(23));
  EXPECT_EQ(r.record.paging_state, 0);
}

TEST_F(Paging, TwentyFourStopAfterTheLineFeedOfTheTwentyFourth) {
  output_text(r, lines(24));
  EXPECT_EQ(shown(), lines(24));
  EXPECT_EQ(r.record.paging_state, -1);
  EXPECT_EQ(r.record.paging_rest, "");
  EXPECT_EQ(r.console.input_text(), "--MORE--");
}

TEST_F(Paging, OutputStartingWithALineBreakShowsTwentyThreeLines) {
  output_text(r, "\r\n" + lines(30));
  EXPECT_EQ(shown(), "\r\n" + lines(23));
  EXPECT_EQ(r.record.paging_rest, lines(30).substr(lines(23).size()));
}

TEST_F(Paging, EnterReleasesExactlyOneLine) {
  output_text(r, lines(26));
  continue_pause(r, 13);
  EXPECT_EQ(shown(), lines(25));
  EXPECT_EQ(r.record.paging_state, -1);
  continue_pause(r, 13);
  EXPECT_EQ(shown(), lines(26));
  EXPECT_EQ(r.record.paging_state, 0);  // the rest holds no carriage return any more
}

TEST_F(Paging, EnterOnARestWithoutLineBreakPrintsOneCharacterAndEnds) {
  output_text(r, lines(24) + "tail");
  continue_pause(r, 13);
  EXPECT_EQ(shown(), lines(24) + "t");
  EXPECT_EQ(r.record.paging_state, 0);
}

TEST_F(Paging, SpacePrintsTheRestOrItsNextPage) {
  output_text(r, lines(60));
  continue_pause(r, ' ');
  EXPECT_EQ(shown(), lines(48));
  EXPECT_EQ(r.record.paging_state, -1);
  continue_pause(r, ' ');
  EXPECT_EQ(shown(), lines(60));
  EXPECT_EQ(r.record.paging_state, 0);
}

TEST_F(Paging, AnyOtherKeyDropsTheRestAndShowsThePrompt) {
  output_text(r, lines(40));
  continue_pause(r, 'q');
  EXPECT_EQ(shown(), lines(24));
  EXPECT_EQ(r.record.paging_state, 0);
  EXPECT_EQ(r.console.input_text(), "Router>");
}

TEST_F(Paging, LineFeedsAloneNeverPage) {
  output_text(r, std::string(100, '\n'));
  EXPECT_EQ(r.record.paging_state, 0);
}

}  // namespace
}  // namespace zorva
