// The `config-register` command and the check of the register value it is given.
#pragma once

#include <string>

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

// True for "0x" followed by at most eight lower-case hexadecimal digits (none is valid too).
// When the text is at most 10 characters and begins with "0x", the "0x" is removed from `text`
// whatever the digits turn out to be.
bool is_register_valid(std::string& text);

// `config-register` x: stores "0x" and the digits, or prints the invalid-input message.
void config_register_command(CommandContext& cmd);

}  // namespace zorva
