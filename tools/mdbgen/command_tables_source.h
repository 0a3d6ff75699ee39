// The second output of zorva-mdbgen: the command tables as a C++ source file that defines
// builtin_command_tables(), for builds that carry the tree inside the program (no SQLite). It
// needs nothing but the header parser/command_tables.h.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "parser/command_tables.h"

namespace zorva {

// `text` as a C++ string literal: printable ASCII as it is, quotes, backslashes and question marks
// escaped, CR LF and tab by name, every other byte (NUL and non-ASCII too) as a three-digit octal
// escape, so no escape can swallow the character after it. A text is split into one literal per
// line after each LF, for a readable file.
std::string cpp_string_literal(std::string_view text);

// The whole source file for `tables`.
std::string command_tables_source(const CommandTables& tables);

// Writes the source to `out` through a temporary file beside it, as the database is written.
bool write_command_tables_source(const CommandTables& tables, const std::filesystem::path& out,
                                 std::string& error);

// Writes any generated `text` to `out` the same way: whole, or not at all.
bool write_generated_file(const std::string& text, const std::filesystem::path& out,
                          std::string& error);

}  // namespace zorva
