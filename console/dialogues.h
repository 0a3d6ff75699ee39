// The two dialogues that take over a console's keys after a command: the enable password
// ("Password:", three tries) and the entry of a message-of-the-day banner up to its delimiter.
#pragma once

#include <string>

namespace zorva {

class Router;
struct ConsoleContext;

// One key of the password dialogue.
void password_handle(ConsoleContext& sim, Router& r, int key);

// One finished banner line; the line holding the delimiter ends the banner.
void Do_Banner(ConsoleContext& sim, Router& r, const std::string& line);

}  // namespace zorva
