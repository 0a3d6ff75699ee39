// Text from a lab as a teacher's terminal, spreadsheet or browser may show it. A lab's texts
// (host names, banners, file names, a student's name) are bytes a student chose: a host name can
// hold terminal escape sequences. Control characters are shown in caret notation (ESC as ^[, DEL
// as ^?, the C1 controls as M-^[), never obeyed; valid UTF-8 stays as it is, and any other byte
// is the Latin-1 character of its code, as the desktop shows it.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

// `text` as UTF-8 without a single control character.
std::string shown_text(std::string_view text);

// The characters (code points) of UTF-8 text, for laying out columns.
std::size_t shown_width(std::string_view utf8);

}  // namespace zorva
