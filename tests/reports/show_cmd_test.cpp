// The show dispatcher: a second word without a report leaves an empty pending output. The reports
// it selects are in the scenario transcripts.
#include <gtest/gtest.h>

#include "reports/reports.h"
#include "tests/support/record_fixture.h"

namespace zorva::testing {
namespace {

class ShowCmd : public RecordFixture {};

TEST_F(ShowCmd, UnknownWordLeavesAnEmptyPendingOutput) {
  pc_ = parsed("show sessions", {"show", "sessions"});
  router().output_buffer = "stale";
  router().output_pending = kFalse;
  CommandContext cmd = context();
  show_cmd(cmd);
  EXPECT_EQ(output(), "");
  EXPECT_TRUE(output_pending());
}

}  // namespace
}  // namespace zorva::testing
