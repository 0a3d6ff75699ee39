// The list of every key of the terminal face: printed by --help, and shown on the screen in place
// of the console when the student presses Alt+H (or Alt+?, or F1 on router 1's console) until any
// key is pressed.
#pragma once

#include <string>

#include "term/screen_layout.h"

namespace zorva {

// The keys of the terminal face, for --help: the list of keys and how a pipe is read.
const char* terminal_face_help();

// The key list as a screen of `size`: wrapped at its width, cut to its height less the last row,
// which holds a help line saying that any key goes back to the console.
Frame key_help_frame(ScreenSize size);

}  // namespace zorva
