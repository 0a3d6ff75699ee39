// The command line as real routers read it, for the real-router behaviour: every word is checked,
// arguments included (an address, a mask, a number in its range), and a mistake is shown by a '^'
// under its first bad character; Tab completes the word under the caret and keeps the words typed
// before it; "?" lists what may follow with argument hints and <cr>. A word made of a keyword and
// a number run together (s0, serial0, e1) is read as the two words. The words resolved land in the
// same ParsedCommand the classic walk fills, so the dispatcher reads them the same way.
#pragma once

#include <string>

#include "parser/new_parse.h"

namespace zorva {

// Resolves `line` for the action in record.parse_action, in real-router behaviour. `line` is
// trimmed in place; a complete line entered with Enter reaches parser.runner's execution step.
ParseResult parse_real_router_line(CommandParser& parser, int mode, std::string& line,
                                   RouterRecord& record);

}  // namespace zorva
