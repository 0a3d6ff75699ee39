// Latin-1 bytes and UTF-8 text at the edge of a face that speaks UTF-8.
#include "base/latin1_text.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(Latin1Text, EveryByteGoesToUtf8AndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = utf8_from_latin1(all);
  EXPECT_EQ(utf8.size(), 128u + 2u * 128u);
  EXPECT_EQ(latin1_from_utf8(utf8), all);
}

TEST(Latin1Text, WhatLatin1CannotHoldBecomesOneQuestionMarkEach) {
  struct Case {
    std::string utf8, latin1;
  };
  const Case cases[] = {
      {"caf\xc3\xa9", "caf\xe9"},   // U+00E9
      {"\xc3\xbf", "\xff"},         // U+00FF, the last one
      {"\xc4\x80", "?"},            // U+0100, the first one past
      {"\xe2\x82\xac", "?"},        // the euro sign: three bytes, one character
      {"\xf0\x9f\x98\x80!", "?!"},  // four bytes, one character
      {"\xc3", "?"},                // cut short at the end
      {"\xc3x", "?x"},              // cut short by a plain character
      {"\xc0\x80", "??"},           // an over-long form is no character
      {"\x80\xbf", "??"},           // continuation bytes alone
      {"\xff\xfe", "??"},           // bytes that start nothing
  };
  for (const Case& c : cases) EXPECT_EQ(latin1_from_utf8(c.utf8), c.latin1) << c.utf8;
}

}  // namespace
}  // namespace zorva
