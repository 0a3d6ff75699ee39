// Type-7 scrambling against texts worked out by hand from the published key, at both ends of the
// start's range.
#include "reports/password_scramble.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(PasswordScramble, XorsWithTheKeyFromItsStart) {
  struct Case {
    const char* password;
    unsigned start;
    const char* expected;
  };
  const Case cases[] = {
      {"kolvo", 0, "000F1C0A1254"},
      {"remote", 9, "095E4B04161112"},
      {"class", 14, "14141E0A1F17"},
      {"console", 15, "1511040217252721"},
      {"", 3, "03"},  // an empty password is its start alone
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.password);
    EXPECT_EQ(scramble_password(c.password, c.start), c.expected);
  }
}

}  // namespace
}  // namespace zorva
