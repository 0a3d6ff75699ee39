// The words of one line of a check file, read the way an editor's user writes them: blanks
// separate words, a text in double quotes is one word (\" stands for a quote inside it and \\ for a
// backslash), /REGEX/ is one word (\/ stands for a slash inside it; an `i` right after the closing
// slash ignores case), and a # outside a text starts a comment that runs to the end of the line.
// Curly quotes pasted from a word processor are named as the mistake they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

struct CheckWord {
  enum class Kind { Plain, Quoted, Pattern };
  std::string text;  // without its quotes or slashes, escapes resolved
  Kind kind = Kind::Plain;
  bool ignore_case = false;  // Pattern: written /REGEX/i
};

struct CheckLine {
  std::vector<CheckWord> words;
  std::string text;  // the line without its comment and surrounding blanks
};

// Splits `line`; the error says what is wrong with it.
std::optional<std::string> split_check_line(std::string_view line, CheckLine& out);

// True when `text` holds a curly quotation mark (UTF-8, or a single Windows-1252 byte).
bool has_curly_quote(std::string_view text);

}  // namespace zorva
