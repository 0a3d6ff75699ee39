// The parsed line: the words of the line being resolved and what the command database said about
// them. The parser fills it, the queries read and write it, the dispatcher and reports read it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/behaviour.h"
#include "base/types.h"

namespace zorva {

inline constexpr int kMaxWords = 26;     // words 1..26 are kept; further words are ignored
inline constexpr int kMaxDepth = 7;      // the command tree is at most seven words deep
inline constexpr int kSpecialSlots = 8;  // SpecialWord entries 1..8

struct CommandContext;
// What a command does: a function of the layer that carries it out (see command_bindings.h).
using CommandHandler = void (*)(CommandContext&);

struct ParsedCommand {
  std::string TopText;                                // template text of the last looked-up row
  std::string BotText;                                // always left empty by the lookup
  Flag Negated = kFalse;                              // the line began with "no" (removed)
  Int16 WordCount = 0;                                // number of words in Words
  std::string Line;                                   // the line as typed, before trimming
  std::array<std::string, kMaxWords + 1> Words{};     // typed words, lower case, from index 1
  std::array<std::string, kMaxWords + 1> RawWords{};  // typed words with case kept (not shifted)
  std::array<std::string, kMaxWords + 1>
      FullWords{};                           // per depth, the word as the database spells it
  std::vector<std::string> Modes;            // names of the modes whose commands the line may use
  Behaviour behaviour = Behaviour::Classic;  // whose rows the line may use (real-router: all)
  std::string Device;                        // device word handed in by the console
  CommandHandler handler = nullptr;          // what the resolved line runs, set at execution
};

// SpecialWord[d]: the word at depth d was accepted as an argument, not a keyword.
using SpecialWords = std::array<Flag, kSpecialSlots + 1>;

// The parser's answer to the console.
struct ParseResult {
  Flag show_message = kFalse;  // `message` holds a message for Enter
  std::string message;         // error message, beginning with CR LF
  std::string completed_line;  // the line rebuilt from the resolved words (Tab)
  std::string help_text;       // the answer to "?"
};

}  // namespace zorva
