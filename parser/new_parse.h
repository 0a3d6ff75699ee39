// The command-line parser: resolves one console line word by word against the command database,
// answers "?" and Tab, reports unknown, ambiguous and incomplete commands, and hands a complete
// command to the dispatcher.
#pragma once

#include <span>
#include <string>

#include "parser/parsed_command.h"
#include "state/router_record.h"

namespace zorva {

class CommandDatabase;
class ErrorLog;
struct ModeTables;

// The layer above the parser: what runs when a line reaches its execution step. The parser owns
// this interface so that it never depends on the commands it hands lines to.
class CommandRunner {
 public:
  virtual ~CommandRunner() = default;
  // Called at the execution step of every action: for ParseAction::Execute the command runs on
  // `record`; for Tab and "?" nothing runs.
  virtual void execution_step(RouterRecord& record, ParsedCommand& pc) = 0;
};

// The parser's state, shared by every console: one line of one router is resolved at a time.
struct CommandParser {
  CommandParser(CommandDatabase& d, ErrorLog& l, const ModeTables& m, CommandRunner& r,
                const Behaviour& b)
      : db(d), log(l), modes(m), runner(r), behaviour(b) {}

  CommandDatabase& db;         // the command tree
  ErrorLog& log;               // where failures go; it also remembers the last line's words
  const ModeTables& modes;     // mode names for the queries
  CommandRunner& runner;       // what runs a complete command
  const Behaviour& behaviour;  // the simulation's: real-router lines may use every row
  ParsedCommand parsed;        // the line being resolved
  // A real-router line's words as the tree holds them; kept here rather than built for every
  // line, since a ParsedCommand holds some eighty strings. Read only before the command runs.
  ParsedCommand real_query;
  SpecialWords special_word{};                 // which depths were arguments
  std::span<const CommandHandler> handlers{};  // in the order of the handler list
};

// The execution step of a line resolved to `depth` words: for Enter, binds the handler of its
// path, hands it to the runner and clears FullWords 1..6 afterwards, as every command does; for
// the other actions, only tells the runner.
void run_execution_step(CommandParser& parser, RouterRecord& record, int depth);

// The messages the parser gives; each begins with CR LF, the console adds one after it.
inline constexpr const char* kInvalidInput = "\r\n% Invalid input detected at '^' marker.";
inline constexpr const char* kUnrecognized = "\r\n% Unrecognized command";
inline constexpr const char* kIncomplete = "\r\n% Incomplete command.";
inline constexpr const char* kAmbiguousPrefix = "\r\n% Ambiguous command:  \"";

// Splits `line` into sim.parsed: trims the caller's line in place, cuts it at every blank (two
// blanks make an empty word), lower-cases Words, keeps RawWords, removes a leading "no". Words past
// the 26th are ignored.
void chop_up_command(ErrorLog& log, ParsedCommand& parsed, std::string& line);

// Resolves `line` for the action in record.parse_action. `line` is trimmed in place. A complete
// command reaches parser.runner's execution step with `record`, which the command then changes.
ParseResult new_parse_the_command(CommandParser& parser, const std::string& device, int mode,
                                  std::string& line, RouterRecord& record);

}  // namespace zorva
