// What a typed word must look like to be taken as an argument of the command tree, as real routers
// check it: an address with four numbers up to 255, a mask whose ones come first, a number inside
// the range its placeholder names. The answer is the first character that breaks the rule, so the
// console can put its '^' under it.
#pragma once

#include <cstddef>
#include <string_view>

namespace zorva {

inline constexpr std::size_t kArgumentFits = static_cast<std::size_t>(-1);

// The index in `word` of the first character that keeps it from being an argument of `kind`
// (WORD, LINE, Range, IP, SUBNETMASK) shown as `placeholder` (for Range "<LOW-HIGH>"), the length
// of `word` when it stops too early (10.1.1), or kArgumentFits.
std::size_t bad_argument_char(std::string_view kind, std::string_view placeholder,
                              std::string_view word);

}  // namespace zorva
