// The table of command handlers the parser binds resolved lines to: one function per name of the
// handler list (command_handlers.def), in its order, which is the order the generated bindings
// index.
#pragma once

#include <span>

#include "parser/parsed_command.h"

namespace zorva {

std::span<const CommandHandler> command_handlers();

}  // namespace zorva
