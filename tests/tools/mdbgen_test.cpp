// Tests of the command-database generator: each kind of mistake in the command tree is rejected
// with its line, and a small tree is written to a SQLite file and read back
// (IDs in file order, NULLs where nothing was given, no temporary file left behind).
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/test_paths.h"
#include "tools/mdbgen/command_database_writer.h"
#include "tools/mdbgen/command_tables_from_tree.h"
#include "tools/mdbgen/command_tree_source.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

std::vector<SourceError> load(const std::string& tree_text, const std::string& templates,
                              CommandTree* out = nullptr, bool every_mode = false) {
  std::vector<SourceError> errors;
  CommandTree tree = read_command_tree(tree_text, "tree.txt", errors);
  read_report_templates(templates, "templates.txt", tree, errors);
  if (errors.empty()) check_command_tree(tree, "tree.txt", every_mode, errors);
  if (out) *out = std::move(tree);
  return errors;
}

std::string describe(const std::vector<SourceError>& errors) {
  std::string text;
  for (const SourceError& e : errors) text += format_source_error(e) + "\n";
  return text;
}

// A mistake in one source file: the first error must name its line and say what is wrong.
struct MistakeCase {
  const char* name;     // what the case shows
  const char* text;     // the source text
  int line;             // the line the first error names
  const char* message;  // a piece of the first error's message
};

const MistakeCase kTreeMistakes[] = {
    {"duplicate sibling", "mode usermode\n  show  Show\n    <cr>\n  show  Again\n    <cr>\n", 4,
     "repeats the sibling at line 2"},
    {"shorter prefix after longer sibling",
     "mode globmode\n  ipx  IPX\n    <cr>\n  ip  IP\n    <cr>\n", 4,
     "must come before its longer sibling 'ipx'"},
    {"keyword without help", "mode usermode\n  show\n    <cr>\n", 2, "has no help text"},
    {"unknown argument kind", "mode usermode\n  ping  Ping\n    WORD {HOST}  Host\n", 3,
     "unknown argument kind 'HOST'"},
    {"brace without blank", "mode usermode\n  ping  Ping\n    WORD{WORD}  Host\n", 3,
     "after one blank"},
    {"odd indentation", "mode usermode\n  show  Show\n   <cr>\n", 3, "use two blanks per level"},
    {"tab in a row", "mode usermode\n\tshow  Show\n", 2, "tab character"},
    {"deeper than seven words",
     "mode usermode\n  a  A\n    b  B\n      c  C\n        d  D\n          e  E\n"
     "            f  F\n              g  G\n                <cr>\n",
     9, "at most 7 words deep"},
    {"unknown mode", "mode usermodus\n  show  Show\n    <cr>\n", 1, "unknown mode 'usermodus'"},
    {"mode given twice", "mode usermode\n  a  A\n    <cr>\nmode usermode\n", 4,
     "already began at line 1"},
    {"row before any mode", "  show  Show\n", 1, "before the first 'mode'"},
    {"unindented row", "mode usermode\nshow  Show\n", 2, "expected 'mode NAME'"},
    {"upper-case keyword", "mode usermode\n  Show  Show\n    <cr>\n", 2, "must be lower case"},
    {"<cr> as a first word", "mode usermode\n  <cr>  End\n", 2, "cannot be a first word"},
    {"<cr> with a kind", "mode usermode\n  a  A\n    <cr> {WORD}\n", 3,
     "cannot carry an argument kind"},
    {"row under <cr>", "mode usermode\n  a  A\n    <cr>\n      b  B\n", 4,
     "nothing can follow '<cr>'"},
    {"keyword leading nowhere", "mode usermode\n  a  A\n    <cr>\n  b  B\n", 4, "leads nowhere"},
    {"keyword beside an argument at word 2",
     "mode globmode\n  interface  Interface\n    serial  Serial\n      <cr>\n"
     "    WORD {WORD}  Name\n",
     3, "can never be typed"},
    {"argument at word 4 followed by a keyword",
     "mode usermode\n  a  A\n    b  B\n      c  C\n        <1-9> {Range}  N\n"
     "          d  D\n            <cr>\n",
     6, "must be the last word"},
    {"same word under the first word user and privileged mode share",
     "mode usermode\n  show  Show\n    version  V\n      <cr>\nmode privmode\n  show  Show\n"
     "    version  V\n      <cr>\n",
     3, "it would be ambiguous"},
    {"prefix siblings sharing a child word",
     "mode globmode\n  ip  IP\n    routing  Routing\n      <cr>\n  ipx  IPX\n"
     "    routing  Routing\n      <cr>\n",
     3, "matches 2 rows"},
    {"'+' standing apart from its word", "mode usermode\n  + show  Show\n    <cr>\n", 2,
     "'+' must stand directly before the word"},
    {"keyword whose only end is marked '+'", "mode usermode\n  ping  Ping\n    +<cr>\n", 2,
     "leads nowhere in classic"},
    {"handler name with a capital", "mode usermode\n  ping  Ping  => Ping\n    <cr>\n", 2,
     "a handler is written '=> name'"},
    {"use of a block never defined", "mode usermode\n  use echo\n", 2, "no block 'echo'"},
    {"block never used", "block echo\n  ping  Ping\n    <cr>\nmode usermode\n", 1,
     "block 'echo' is never used"},
    {"block defined twice",
     "block echo\n  ping  Ping\n    <cr>\nblock echo\n  a  A\n    <cr>\nmode usermode\n"
     "  use echo\n",
     4, "already began at line 1"},
    {"block using itself", "block echo\n  use echo\nmode usermode\n  use echo\n", 2, "uses itself"},
};

TEST(MdbgenSource, EachMistakeIsRejectedWithItsLine) {
  for (const MistakeCase& c : kTreeMistakes) {
    const std::vector<SourceError> errors = load(c.text, "");
    ASSERT_FALSE(errors.empty()) << c.name;
    EXPECT_EQ(std::tuple(errors[0].file, errors[0].line), std::tuple("tree.txt", c.line))
        << c.name << "\n"
        << describe(errors);
    EXPECT_NE(errors[0].message.find(c.message), std::string::npos) << c.name << "\n"
                                                                    << describe(errors);
  }
}

constexpr const char* kGoodTree =
    "# a comment\n"
    "mode usermode\n"
    "  show  Show running system information\n"
    "    version  System hardware and software status\n"
    "      <cr>\n"
    "\n"
    "    # an indented comment\n"
    "    clock  Display the system clock\n"
    "      <cr>  End of command\n"
    "mode consMode\n"
    "  stopbits  Set async line stop bits\n"
    "    1  One stop bit\n"
    "      <cr>\n"
    "    1.5  One and one-half stop bits\n"
    "      <cr>\n"
    "  password  Set a password\n"
    "    LINE {LINE}  The line password\n"
    "      <cr>\n";

constexpr const char* kGoodTemplates =
    "=== usermode show version\n"
    "\n"
    "  first line with blanks  \n"
    "# not a comment inside a block\n"
    "===\n";

// The rows of a query, each row's columns joined by "|" with NULL shown as "NULL".
std::vector<std::string> rows(const fs::path& file, const std::string& sql) {
  std::vector<std::string> out;
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_stmt* s = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr), SQLITE_OK) << sql;
  while (s && sqlite3_step(s) == SQLITE_ROW) {
    std::string row;
    for (int c = 0; c < sqlite3_column_count(s); ++c) {
      if (c) row += "|";
      const unsigned char* t = sqlite3_column_text(s, c);
      row += t ? reinterpret_cast<const char*>(t) : "NULL";
    }
    out.push_back(row);
  }
  sqlite3_finalize(s);
  sqlite3_close(db);
  return out;
}

TEST(MdbgenWrite, WritesTheTablesWithIdsRefsAndNulls) {
  testing::TempDir dir;
  CommandTree tree;
  ASSERT_TRUE(load(kGoodTree, kGoodTemplates, &tree).empty());
  fs::path out = dir.path() / "zorva.mdb";
  std::string error;
  ASSERT_TRUE(write_command_database(command_tables_from_tree(tree), out, error)) << error;
  EXPECT_FALSE(fs::exists(dir.path() / "zorva.mdb.tmp"));

  EXPECT_EQ(rows(out, "SELECT ID, device FROM device"), std::vector<std::string>{"1|router"});
  EXPECT_EQ(rows(out, "SELECT ID, mode, ref FROM mode ORDER BY ID"),
            (std::vector<std::string>{"1|usermode|1", "2|consMode|1"}));
  EXPECT_EQ(rows(out, "SELECT ID, ref, command, help, special FROM cmd1 ORDER BY ID"),
            (std::vector<std::string>{"1|1|show|Show running system information|NULL",
                                      "2|2|stopbits|Set async line stop bits|NULL",
                                      "3|2|password|Set a password|NULL"}));
  EXPECT_EQ(rows(out, "SELECT ID, ref, command, help, special FROM cmd2 WHERE ref = 3"),
            std::vector<std::string>{"5|3|LINE|The line password|LINE"});
  EXPECT_EQ(rows(out, "SELECT command, help, toptext, bottext FROM cmd3 ORDER BY ID LIMIT 2"),
            (std::vector<std::string>{"<cr>|NULL|NULL|NULL", "<cr>|End of command|NULL|NULL"}));
  EXPECT_EQ(rows(out, "SELECT toptext FROM cmd2 WHERE command = 'version'"),
            std::vector<std::string>{"\r\n  first line with blanks  \r\n"
                                     "# not a comment inside a block"});
  EXPECT_EQ(rows(out, "SELECT count(*) FROM cmd7"), std::vector<std::string>{"0"});
  EXPECT_EQ(rows(out, "SELECT count(*) FROM sqlite_master WHERE type = 'index'"),
            std::vector<std::string>{"7"});
}

}  // namespace
}  // namespace zorva
