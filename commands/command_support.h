// Helpers shared by the command handlers: the words of the parsed line, the texts the handlers
// print, output left for the console, mode changes with their prompts, and the interface that
// the interface-configuration commands act on.
#pragma once

#include <string>
#include <string_view>

#include "parser/parsed_command.h"

namespace zorva {

struct CommandContext;
struct InterfaceEntry;
struct ConsoleSession;
struct RouterRecord;

inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kInvalidInputText = "% Invalid input detected at '^' marker.";
inline constexpr std::string_view kIncompleteText = "% Incomplete command.";
// What a real router says of an interface number it does not have.
inline constexpr std::string_view kInvalidInterfaceText = "% Invalid interface type and number";
inline constexpr std::string_view kExecCmdLogName = "exec cmd()";

// The command runs in the real-router behaviour.
bool real_router(const CommandContext& cmd);

// The line began with "no".
bool negated(const CommandContext& cmd);

// Leaves `text` in the output buffer for the console to print after the command.
void set_output(ConsoleSession& r, std::string text);

// A real router's refusal of word `i` of the line (the first word after a leading "no" is 1): a
// caret under that word of the echoed line, then "% Invalid input detected at '^' marker.".
std::string invalid_input_at(const CommandContext& cmd, int i);

// Enters `mode` and shows its prompt.
void set_mode(CommandContext& cmd, int mode);
// A global configuration command typed in an interface, router or line mode leaves that mode for
// global configuration first, as on a real router.
void leave_for_global(CommandContext& cmd);

// FullWords(i), trimmed and in lower case; "" outside 1..kMaxWords.
std::string full_word(const ParsedCommand& pc, int i);

// Words(i) (typed, lower case) and RawWords(i) (case kept); "" outside 1..kMaxWords.
const std::string& word(const ParsedCommand& pc, int i);
const std::string& raw_word(const ParsedCommand& pc, int i);

// The OSPF area typed at word `i`: a real router also takes it in dotted form (0.0.0.1 is area
// 1), given here as its decimal number; otherwise the word as typed.
std::string ospf_area_word(const CommandContext& cmd, int i);

// The password typed from word `at` on, as a real router reads it: "0 TEXT" is TEXT, "7 TEXT" the
// password TEXT scrambles, anything else the word itself. Case is kept.
std::string typed_password(const CommandContext& cmd, int at);

// The password argument of a password command at word `at`: in classic the word as the parser
// keeps it (lower case); in real-router the typed password read as above, "" for a `no` line.
std::string password_argument(const CommandContext& cmd, int at);

// The interface selected by the last `interface` command. An index outside the table is logged
// under `procedure` and gives nullptr, so the caller skips the step.
InterfaceEntry* selected_interface(CommandContext& cmd, std::string_view procedure);

}  // namespace zorva
