// Paging at its edges, which the console_paging scenario does not reach: a screen is 24 carriage
// returns; Enter releases a line, Space the rest, any other key drops it.
#include "router/output.h"

#include <gtest/gtest.h>

#include "router/router.h"

namespace zorva {
namespace {

std::string lines(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += "line" + std::to_string(i) + "\r\n";
  return s;
}

class Paging : public ::testing::Test {
 protected:
  Router r{1};
  std::size_t start = r.console.transcript().size();
  std::string shown() { return r.console.transcript().substr(start); }
};

TEST_F(Paging, EnterOnARestWithoutLineBreakPrintsOneCharacterAndEnds) {
  output_text(r, lines(24) + "tail");
  continue_pause(r, 13);
  EXPECT_EQ(shown(), lines(24) + "t");
  EXPECT_EQ(r.record.paging_state, 0);
}

}  // namespace
}  // namespace zorva
