// Argument checks of real-router lines: where a typed word stops being an address, a mask or a
// number of its range, which is where the console puts its '^'.
#include "parser/argument_check.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

struct ArgumentCase {
  const char* kind;
  const char* placeholder;
  const char* word;
  std::size_t bad;  // kArgumentFits when the word is taken
};

constexpr std::size_t kFits = kArgumentFits;

const ArgumentCase kCases[] = {
    {"IP", "A.B.C.D", "10.0.0.1", kFits},
    {"IP", "A.B.C.D", "255.255.255.255", kFits},
    {"IP", "A.B.C.D", "10.0.0.256", 9},    // 25 fits, 256 does not: the '6'
    {"IP", "A.B.C.D", "10.0.0", 6},        // one number short: just past the word
    {"IP", "A.B.C.D", "10.0.0.1.5", 8},    // a fifth number
    {"IP", "A.B.C.D", "10..0.1", 3},       // an empty number
    {"IP", "A.B.C.D", "10.0.0.1000", 10},  // four digits
    {"IP", "A.B.C.D", "ten.0.0.1", 0},
    {"SUBNETMASK", "A.B.C.D", "255.255.255.0", kFits},
    {"SUBNETMASK", "A.B.C.D", "0.0.0.0", kFits},
    {"SUBNETMASK", "A.B.C.D", "255.255.255.255", kFits},
    {"SUBNETMASK", "A.B.C.D", "255.255.0.255", 0},  // ones after a zero: the whole mask
    {"SUBNETMASK", "A.B.C.D", "255.255.256.0", 10},
    {"Range", "<1-65535>", "100", kFits},
    {"Range", "<1-65535>", "65535", kFits},
    {"Range", "<1-65535>", "0", 0},
    {"Range", "<1-65535>", "65536", 0},
    {"Range", "<1-65535>", "12a", 2},
    {"Range", "<0-4294967295>", "4294967295", kFits},
    {"Range", "<300-8000000>", "99999999999999999999999", 0},  // past every integer
    {"WORD", "WORD", "anything.at-all", kFits},
    {"LINE", "LINE", "#", kFits},
};

TEST(ArgumentCheck, FirstBadCharacterOfEachKind) {
  for (const ArgumentCase& c : kCases)
    EXPECT_EQ(bad_argument_char(c.kind, c.placeholder, c.word), c.bad)
        << c.kind << " " << c.placeholder << " '" << c.word << "'";
}

}  // namespace
}  // namespace zorva
