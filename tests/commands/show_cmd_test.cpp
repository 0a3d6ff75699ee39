// `show` with a second word that has no report of its own leaves an empty pending output: the
// handler of the `show` row reaches every end below it. The reports are in the scenario
// transcripts.
#include <gtest/gtest.h>

#include "tests/commands/command_fixture.h"

namespace zorva::testing {
namespace {

class ShowCmd : public CommandFixture {};

TEST_F(ShowCmd, UnknownWordLeavesAnEmptyPendingOutput) {
  run("show sessions", {"show", "sessions"}, kModePrivileged);
  EXPECT_EQ(output(), "");
  EXPECT_TRUE(output_pending());
}

}  // namespace
}  // namespace zorva::testing
