// Numbers read from and written to text the way the platform's conversions do it: the
// leading-number reader (blanks ignored, reading stops at the first character that cannot continue
// a number, no number reads as 0), the whole-text numeric test, and the two ways reports print
// numbers.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

// Reads the number at the start of `text`: "1x" reads 1, "a" reads 0, " 1 2" reads 12, "-3.5e1"
// -35.
double leading_number(std::string_view text);

// True when the whole text, blanks around it aside, is one decimal number ("12", "-1.5", "1e3").
bool is_numeric(std::string_view text);

// Digits without blanks: plain_number(24) is "24".
std::string plain_number(long long n);

// A blank before a non-negative number, a minus sign before a negative one: " 120", "-3".
std::string number_with_blank(long long n);

// Text with leading and trailing blanks removed.
std::string trim(std::string_view text);

std::string to_lower(std::string_view text);

// The text with every CR LF written as a single LF, as transcripts are saved and printed.
std::string plain_line_ends(std::string_view text);
std::string to_upper(std::string_view text);

}  // namespace zorva
