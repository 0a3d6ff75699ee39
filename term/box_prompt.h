// Message boxes on a terminal: the question is shown on the input line with the keys that answer
// it, and the next key that is one of them gives the answer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/host.h"
#include "term/key_decoder.h"

namespace zorva {

// "TITLE: TEXT [y]es/[n]o/[c]ancel" (or "[Enter] OK", "[Enter] OK/[c]ancel"), on one line: line
// breaks inside the text become blanks.
std::string box_prompt(std::string_view title, std::string_view text, Buttons buttons);

// The answer `key` gives to a box with `buttons`, or nullopt when the key does not answer it.
// y/n/c in either case; Enter (or o) for OK; Esc for Cancel, or for OK when that is the only
// button.
std::optional<Answer> box_answer(Buttons buttons, const KeyEvent& key);

// The answer when the user leaves while a box waits (quit key or end of input).
Answer box_default_answer(Buttons buttons);

}  // namespace zorva
