// The history report at the boundaries the show_history transcript does not reach.
#include <gtest/gtest.h>

#include "reports/reports.h"
#include "tests/support/record_fixture.h"

namespace zorva::testing {
namespace {

class ShowHistory : public RecordFixture {
 protected:
  void remember(int n) {
    for (int i = 1; i <= n; ++i) router().history.exec_lines[i] = "cmd" + std::to_string(i);
    router().history.exec_count = static_cast<Int16>(n);
  }
  std::string report() { return build_show_history(router(), log_); }
};

TEST_F(ShowHistory, EmptyHistoryIsEmptyAndExactlyTheSizeStartsWithAnEmptyLine) {
  EXPECT_EQ(report(), "");
  remember(10);
  std::string expected = "\r\n";
  for (int i = 1; i <= 10; ++i) expected += "\r\n  cmd" + std::to_string(i);
  EXPECT_EQ(report(), expected);
}

TEST_F(ShowHistory, AfterWrappingOnlyLinesUpToTheCountAreListed) {
  remember(100);
  router().history.exec_wrapped = kTrue;
  router().history.exec_count = 2;
  EXPECT_EQ(report(), "\r\n  cmd1\r\n  cmd2");
}

TEST_F(ShowHistory, CountBeyondTheHistoryIsLoggedNotRead) {
  remember(100);
  router().history.exec_count = 102;
  const std::string r = report();
  EXPECT_EQ(r.substr(r.size() - 8), "  cmd100");  // lines 93..100 listed, 101 and 102 logged
  EXPECT_NE(log_text().find("build show history() - 9 - "), std::string::npos);
}

}  // namespace
}  // namespace zorva::testing
