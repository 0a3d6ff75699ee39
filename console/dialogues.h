// The dialogues that take over a console's keys after a command: the enable password
// ("Password:", three tries), a real router's login after its session ended (RETURN, the banner,
// the console line's password) and its "[confirm]" before erasing the saved configuration, and
// the entry of a message-of-the-day banner up to its delimiter.
#pragma once

#include <string>

namespace zorva {

class Router;
struct ConsoleContext;

// One key of the password, login and confirm dialogues.
void password_handle(ConsoleContext& sim, Router& r, int key);

// One finished banner line; the line holding the delimiter ends the banner.
void Do_Banner(ConsoleContext& sim, Router& r, const std::string& line);

}  // namespace zorva
