// Column pieces shared by the table reports: text padded with blanks to a field width (optionally
// cut to it) and elapsed times written as hh:mm:ss.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorva {

// Appends `text` and then blanks up to `width` characters; a longer text is appended whole.
void append_padded(std::string& out, std::string_view text, std::size_t width);

// Appends `text` padded with blanks to `width` characters and cut to that width.
void append_fitted(std::string& out, std::string_view text, std::size_t width);

// `seconds` as hh:mm:ss: hours, minutes and seconds each with at least two digits ("00:01:15").
// Hours are not limited to 99; a negative span keeps its signs as the parts come out.
std::string elapsed_text(long long seconds);

}  // namespace zorva
