// is_register_valid: the accepted register texts and what the check leaves in the caller's text.
#include "commands/config_register.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

struct RegisterCheck {
  const char* text;  // the register text checked
  bool valid;        // the expected verdict
  const char* left;  // the caller's text afterwards
};

class IsRegisterValid : public ::testing::TestWithParam<RegisterCheck> {};

TEST_P(IsRegisterValid, AcceptsZeroXAndUpToEightLowerCaseHexDigits) {
  const RegisterCheck& c = GetParam();
  std::string text = c.text;
  EXPECT_EQ(is_register_valid(text), c.valid) << c.text;
  EXPECT_EQ(text, c.left) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    ConfigRegister, IsRegisterValid,
    ::testing::Values(RegisterCheck{"0x2142", true, "2142"}, RegisterCheck{"2142", false, "2142"},
                      RegisterCheck{"0x214G", false, "214G"},
                      RegisterCheck{"0x214g", false, "214g"},
                      RegisterCheck{"0x214A", false, "214A"},
                      RegisterCheck{"0x12345678", true, "12345678"},
                      RegisterCheck{"0xabcdef09", true, "abcdef09"},
                      RegisterCheck{"0x123456789", false, "0x123456789"},
                      RegisterCheck{"0x", true, ""}, RegisterCheck{"0X2142", false, "0X2142"},
                      RegisterCheck{"1x2142", false, "1x2142"}, RegisterCheck{"0", false, "0"},
                      RegisterCheck{"", false, ""}, RegisterCheck{"0x 12", false, " 12"}));

}  // namespace
}  // namespace zorva
