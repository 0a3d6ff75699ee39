// Which handler runs a resolved command. The command tree names each command's handler on its
// rows ("=> NAME"); zorva-mdbgen turns that into the bindings below, one per path a line can
// resolve to, and the parser looks the line's path up at the execution step. The handlers
// themselves are functions of the layers above, handed to the parser as a table in the order of
// the handler list.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/behaviour.h"
#include "parser/parsed_command.h"

namespace zorva {

// One path of the tree: the mode a line is typed in and the words it resolved to, keywords as the
// tree spells them and arguments as "{}", joined by blanks ("globmode ip route {} {} {}"). The
// numbers index the handler table, -1 where the path runs nothing in that behaviour.
struct CommandBinding {
  std::string_view key;
  short classic;
  short real_router;
};

// Every binding in key order (generated from the tree: library zorva_command_bindings).
std::span<const CommandBinding> command_bindings();

// The key of the line in `pc` resolved to `depth` words, typed in the mode named last in
// pc.Modes; `special[d]` marks the words taken as arguments.
std::string binding_key(const ParsedCommand& pc, const SpecialWords& special, int depth);

// The handler bound to `key` in `behaviour`, from `handlers`; nullptr when none is.
CommandHandler bound_handler(std::span<const CommandHandler> handlers, std::string_view key,
                             Behaviour behaviour);

}  // namespace zorva
