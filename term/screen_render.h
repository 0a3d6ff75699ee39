// Drawing a laid-out screen with ANSI (VT100/xterm) sequences, and the sequences that enter and
// leave the full-screen mode. The whole frame becomes one string, written with one call.
#pragma once

#include <string>
#include <string_view>

#include "term/screen_layout.h"

namespace zorva {

// Alternate screen on, line wrapping at the right margin off, screen cleared.
inline constexpr std::string_view kEnterScreen = "\x1b[?1049h\x1b[?7l\x1b[0m\x1b[2J";
// Attributes reset, wrapping and the cursor back on, normal screen restored.
inline constexpr std::string_view kLeaveScreen = "\x1b[0m\x1b[?7h\x1b[?25h\x1b[?1049l";

// Every row cleared and written from its first column, then the help line in reverse video at its
// place, then the cursor shown at the caret. The cursor is hidden while the rows are written.
std::string render_frame(const Frame& frame);

}  // namespace zorva
