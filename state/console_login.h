// What a console's keys answer besides the command line (RouterRecord::password_state): the
// enable password, the console line's login password, nothing until RETURN after a real
// router's session has ended, or a real router's "[confirm]" before it erases its saved
// configuration.
#pragma once

#include "base/types.h"

namespace zorva {

inline constexpr Int16 kNoPasswordAsked = 0;
inline constexpr Int16 kEnablePasswordAsked = 1;  // "Password:" after enable
inline constexpr Int16 kLoginPasswordAsked = 2;   // "Password:" of `line con 0` with `login`
inline constexpr Int16 kSessionEnded = 3;         // "Press RETURN to get started."
inline constexpr Int16 kEraseConfirmAsked = 4;  // "... Continue? [confirm]" of erase startup-config

}  // namespace zorva
