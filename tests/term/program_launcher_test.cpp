// Detached launch: a program that exists is started and reported as started; one that does not
// exist is reported as a failure.
#include "term/program_launcher.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(LaunchDetached, ExistingProgramIsStarted) {
  EXPECT_TRUE(launch_detached("true", "x"));
}

TEST(LaunchDetached, MissingProgramIsAFailure) {
  EXPECT_FALSE(launch_detached("/nonexistent/zorva-no-such-program", "x"));
}

}  // namespace
}  // namespace zorva
