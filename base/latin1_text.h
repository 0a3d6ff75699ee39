// The core keeps text as bytes, one character each, read as Latin-1 (as the desktop shows them).
// Faces that speak UTF-8 (the browser page) convert at their edge with these.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

// Every byte as the Latin-1 character of that code, in UTF-8.
std::string utf8_from_latin1(std::string_view text);

// UTF-8 text as Latin-1 bytes: a character past U+00FF, or a byte that is no UTF-8, becomes
// `stand_in`.
std::string latin1_from_utf8(std::string_view text, char stand_in = '?');

}  // namespace zorva
