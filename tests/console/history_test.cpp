// The two history rings: 100 places each, wrapping back to the first; recall reaches ten back.
#include "console/history.h"

#include <gtest/gtest.h>

#include "state/router_record.h"

namespace zorva {
namespace {

TEST(History, HundredthLineFillsTheLastPlaceThenWrapsToTheFirst) {
  HistoryBlock h;
  for (int i = 1; i <= 99; ++i) store_history_line(h, 2, "line" + std::to_string(i));
  EXPECT_EQ(h.exec_count, 99);
  EXPECT_EQ(h.exec_wrapped, kFalse);
  store_history_line(h, 3, "line100");
  EXPECT_EQ(h.exec_lines[100], "line100");
  EXPECT_EQ(h.exec_count, 0);
  EXPECT_EQ(h.exec_wrapped, kTrue);
  store_history_line(h, 2, "line101");
  EXPECT_EQ(h.exec_count, 1);
  EXPECT_EQ(h.exec_lines[1], "line101");
  EXPECT_EQ(h.config_count, 0);  // configuration lines keep a list of their own
}

TEST(History, BlankLinesAreNotStored) {
  HistoryBlock h;
  store_history_line(h, 4, "   ");
  store_history_line(h, 4, "");
  EXPECT_EQ(h.config_count, 0);
  store_history_line(h, 4, " hostname x ");
  EXPECT_EQ(h.config_lines[1], " hostname x ");  // stored as typed
}

TEST(History, RecallGoesBackAtMostTenLines) {
  HistoryBlock h;
  for (int i = 1; i <= 15; ++i) store_history_line(h, 2, "l" + std::to_string(i));
  std::string shown;
  for (int press = 1; press <= 10; ++press) shown = recall_previous(h, 2, "typing");
  EXPECT_EQ(shown, "l6");
  EXPECT_EQ(recall_previous(h, 2, "x"), "l6");  // the 11th press shows the 10th line again
  // Recall stands one place ahead of the line shown, so the first step forward shows it again.
  EXPECT_EQ(recall_next(h, 2), "l6");
  EXPECT_EQ(recall_next(h, 2), "l7");
}

TEST(History, NextPastTheNewestGivesBackTheLineBeingTyped) {
  HistoryBlock h;
  store_history_line(h, 2, "show version");
  EXPECT_EQ(recall_previous(h, 2, "sh"), "show version");
  EXPECT_EQ(recall_next(h, 2), "show version");
  EXPECT_EQ(recall_next(h, 2), "sh");
  EXPECT_EQ(recall_next(h, 2), "sh");  // it stays at the line being typed
}

TEST(History, EmptyHistoryRecallsAnEmptyLine) {
  HistoryBlock h;
  EXPECT_EQ(recall_previous(h, 4, "abc"), "");
  EXPECT_EQ(recall_previous(h, 4, "abc"), "");
}

}  // namespace
}  // namespace zorva
