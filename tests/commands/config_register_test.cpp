// is_register_valid: "0x" and at most eight lower-case hexadecimal digits, the digits left in the
// caller's text. The command itself is in the config-register scenario transcript.
#include "commands/config_register.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(IsRegisterValid, AcceptsZeroXAndUpToEightLowerCaseHexDigits) {
  const std::pair<const char*, const char*> valid[] = {
      {"0x", ""}, {"0x12345678", "12345678"}, {"0xabcdef09", "abcdef09"}};
  for (const auto& [typed, digits] : valid) {
    std::string text = typed;
    EXPECT_TRUE(is_register_valid(text)) << typed;
    EXPECT_EQ(text, digits) << typed;
  }
  for (const char* typed :
       {"0x123456789", "0x214g", "0x214A", "0X2142", "1x2142", "2142", "0", "", "0x 12"}) {
    std::string text = typed;
    EXPECT_FALSE(is_register_valid(text)) << typed;
  }
}

}  // namespace
}  // namespace zorva
