// The readable source of the command database: the indented command tree (data/command_tree.txt)
// and the report templates beside it (data/report_templates.txt). This file reads both and checks
// the tree for the mistakes that would make the parser misbehave; command_tables_from_tree.h turns
// the tree into the tables that both outputs of zorva-mdbgen hold. Tests use it to build small
// trees of their own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorva {

inline constexpr int kTreeMaxDepth = 7;  // cmd1..cmd7

// The argument kinds a row may carry in `special`, spelled as the database stores them.
inline constexpr std::string_view kArgumentKinds[] = {"WORD", "LINE", "Range", "IP", "SUBNETMASK"};

// The mode names, in mode-number order (mode 1 first).
inline constexpr std::string_view kTreeModeNames[] = {
    "nologmode", "usermode", "privmode",  "globmode", "ethemode", "serimode", "brimode",
    "ripmode",   "igrpmode", "eigrpmode", "ospfmode", "consMode", "vtymode",  "auxmode"};

struct TreeMode {
  int line = 0;      // line of the "mode" line in the tree file
  std::string name;  // mode name as the database stores it
  int id = 0;        // mode.ID, 1.. in file order
};

struct TreeRow {
  int line = 0;                   // line of the row in the tree file
  int depth = 0;                  // word number 1..7: the row goes into table cmd<depth>
  int mode = 0;                   // index into CommandTree::modes
  int parent = -1;                // index into CommandTree::rows of the parent, -1 for a first word
  int id = 0;                     // ID in its table, counted in file order from 1
  std::string word;               // keyword, argument placeholder, or "<cr>"
  std::string kind;               // argument kind, "" for a keyword or "<cr>" (special is NULL)
  std::string help;               // help text shown by "?"
  bool has_help = false;          // false: help is stored as NULL
  std::string toptext;            // report template text, lines joined with CR LF
  bool has_template = false;      // false: toptext is stored as NULL
  bool real_router_only = false;  // marked '+', or below such a row: real-router lines only
  std::string handler;            // "=> NAME" on the row: the handler of every end below it
  std::vector<int> children;      // indexes into CommandTree::rows, in file order

  bool is_end() const { return word == "<cr>"; }
  bool is_argument() const { return !kind.empty(); }
  bool is_keyword() const { return kind.empty() && !is_end(); }
};

struct CommandTree {
  std::vector<TreeMode> modes;          // in file order
  std::vector<TreeRow> rows;            // every row, in file order (depth first)
  std::vector<std::vector<int>> roots;  // per mode, its first-word rows in file order
};

// One mistake found in a source file, reported as "file:line: message".
struct SourceError {
  std::string file;     // the file as named to the reader
  int line = 0;         // 1-based line number
  std::string message;  // what is wrong and, where it helps, how to fix it
};
std::string format_source_error(const SourceError& e);

// Reads the tree text, expanding every "use NAME" into the rows of its block. Mistakes of form
// (indentation, depth, unknown kinds, modes or blocks, missing help) are appended to `errors`; rows
// that can still be placed are kept so that later lines are read.
CommandTree read_command_tree(std::string_view text, const std::string& file,
                              std::vector<SourceError>& errors);

// Reads the template text and attaches each block to the row its header names.
void read_report_templates(std::string_view text, const std::string& file, CommandTree& tree,
                           std::vector<SourceError>& errors);

// Checks what the rows mean together: duplicate and misordered siblings, dead ends, arguments
// that would swallow keywords, and that every command typed in full resolves to its own row the
// way the parser's queries will resolve it, both in classic (the rows marked '+' left out) and in
// real-router (every row). `require_every_mode` asks for all fourteen modes.
void check_command_tree(const CommandTree& tree, const std::string& file, bool require_every_mode,
                        std::vector<SourceError>& errors);

}  // namespace zorva
