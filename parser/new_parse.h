// The command-line parser: resolves one console line word by word against the command database,
// answers "?" and Tab, reports unknown, ambiguous and incomplete commands, and hands a complete
// command to the dispatcher.
#pragma once

#include <string>

#include "parser/parsed_command.h"

namespace zorva {

class Simulation;
struct RouterRecord;

// The messages the parser gives; each begins with CR LF, the console adds one after it.
inline constexpr const char* kInvalidInput = "\r\n% Invalid input detected at '^' marker.";
inline constexpr const char* kUnrecognized = "\r\n% Unrecognized command";
inline constexpr const char* kIncomplete = "\r\n% Incomplete command.";
inline constexpr const char* kAmbiguousPrefix = "\r\n% Ambiguous command:  \"";

// Splits `line` into sim.parsed: trims the caller's line in place, cuts it at every blank (two
// blanks make an empty word), lower-cases Words, keeps RawWords, removes a leading "no". Words past
// the 26th are ignored.
void chop_up_command(Simulation& sim, ParsedCommand& parsed, std::string& line);

// Resolves `line` for the action in record.parse_action ("execute", "tab", "questionmark",
// "space_questionmark"). `line` is trimmed in place. On a complete command with "execute", the
// record is copied into sim.current_router, the dispatcher runs, and the record is copied back.
ParseResult new_parse_the_command(Simulation& sim, const std::string& device, int mode,
                                  std::string& line, RouterRecord& record);

}  // namespace zorva
