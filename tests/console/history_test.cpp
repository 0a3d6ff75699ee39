// The history rings at their edges: the hundredth line and the wrap, recall past either end. The
// ten-line reach of recall and the blank lines left out are typed in console_history_recall.zs.
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
