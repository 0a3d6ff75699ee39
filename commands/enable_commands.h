// The `enable` command in its three forms: entering privileged mode (or starting the password
// dialogue), and setting the enable password and the enable secret in global configuration.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;

void enable_commands(CommandContext& cmd);

// The stored form of an enable secret: every character code raised by one ("abc" gives "bcd").
// No value when a character has no successor (code 255).
std::optional<std::string> transform_secret(std::string_view typed);

}  // namespace zorva
