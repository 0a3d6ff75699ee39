// Tests of the command-database generator's source handling: reading the indented tree and the
// templates, rejecting each kind of mistake with its file and line, and writing the SQLite file
// (IDs in file order, NULLs where nothing was given, never a half-written file). Also checks that
// the shipped data files pass.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "parser/command_tree_source.h"

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

// ---- Rejected mistakes --------------------------------------------------------------------------

struct MistakeCase {
  const char* name;       // what the case shows
  const char* tree;       // the tree text (line 1 is "mode usermode" unless said otherwise)
  const char* templates;  // the template text
  const char* file;       // the file the first error names
  int line;               // the line the first error names
  const char* message;    // a piece of the first error's message
};

const MistakeCase kMistakes[] = {
    {"duplicate sibling", "mode usermode\n  show  Show\n    <cr>\n  show  Again\n    <cr>\n", "",
     "tree.txt", 4, "repeats the sibling at line 2"},
    {"duplicate differing in case",
     "mode usermode\n  ping  Ping\n    WORD {WORD}  A\n    word {WORD}  B\n", "", "tree.txt", 4,
     "repeats"},
    {"shorter prefix after longer sibling",
     "mode globmode\n  ipx  IPX\n    <cr>\n  ip  IP\n    <cr>\n", "", "tree.txt", 4,
     "must come before its longer sibling 'ipx'"},
    {"keyword without help", "mode usermode\n  show\n    <cr>\n", "", "tree.txt", 2,
     "has no help text"},
    {"keyword with help after one blank", "mode usermode\n  show Show things\n    <cr>\n", "",
     "tree.txt", 2, "cannot contain a blank"},
    {"unknown argument kind", "mode usermode\n  ping  Ping\n    WORD {HOST}  Host\n", "",
     "tree.txt", 3, "unknown argument kind 'HOST'"},
    {"argument kind in the wrong case", "mode usermode\n  ping  Ping\n    WORD {word}  Host\n", "",
     "tree.txt", 3, "unknown argument kind"},
    {"brace without blank", "mode usermode\n  ping  Ping\n    WORD{WORD}  Host\n", "", "tree.txt",
     3, "after one blank"},
    {"odd indentation", "mode usermode\n  show  Show\n   <cr>\n", "", "tree.txt", 3,
     "use two blanks per level"},
    {"indentation skipping a level", "mode usermode\n  show  Show\n      <cr>\n", "", "tree.txt", 3,
     "more than one level"},
    {"tab in a row", "mode usermode\n\tshow  Show\n", "", "tree.txt", 2, "tab character"},
    {"deeper than seven words",
     "mode usermode\n  a  A\n    b  B\n      c  C\n        d  D\n          e  E\n"
     "            f  F\n              g  G\n                <cr>\n",
     "", "tree.txt", 9, "at most 7 words deep"},
    {"unknown mode", "mode usermodus\n  show  Show\n    <cr>\n", "", "tree.txt", 1,
     "unknown mode 'usermodus'"},
    {"mode name in the wrong case", "mode consmode\n  exit  Exit\n    <cr>\n", "", "tree.txt", 1,
     "unknown mode"},
    {"mode given twice", "mode usermode\n  a  A\n    <cr>\nmode usermode\n", "", "tree.txt", 4,
     "already began at line 1"},
    {"row before any mode", "  show  Show\n", "", "tree.txt", 1, "before the first 'mode'"},
    {"unindented row", "mode usermode\nshow  Show\n", "", "tree.txt", 2, "expected 'mode NAME'"},
    {"upper-case keyword", "mode usermode\n  Show  Show\n    <cr>\n", "", "tree.txt", 2,
     "must be lower case"},
    {"<cr> as a first word", "mode usermode\n  <cr>  End\n", "", "tree.txt", 2,
     "cannot be a first word"},
    {"<cr> with a kind", "mode usermode\n  a  A\n    <cr> {WORD}\n", "", "tree.txt", 3,
     "cannot carry an argument kind"},
    {"row under <cr>", "mode usermode\n  a  A\n    <cr>\n      b  B\n", "", "tree.txt", 4,
     "nothing can follow '<cr>'"},
    {"keyword leading nowhere", "mode usermode\n  a  A\n    <cr>\n  b  B\n", "", "tree.txt", 4,
     "leads nowhere"},
    {"keyword beside an argument at word 2",
     "mode globmode\n  interface  Interface\n    serial  Serial\n      <cr>\n"
     "    WORD {WORD}  Name\n",
     "", "tree.txt", 3, "can never be typed"},
    {"argument under a prefix sibling swallowing word 2",
     "mode globmode\n  dialer  Dialer\n    map  Map\n      <cr>\n  dialer-group  Group\n"
     "    <1-10> {Range}  Group\n",
     "", "tree.txt", 3, "can never be typed"},
    {"argument at word 4 followed by a keyword",
     "mode usermode\n  a  A\n    b  B\n      c  C\n        <1-9> {Range}  N\n"
     "          d  D\n            <cr>\n",
     "", "tree.txt", 6, "must be the last word"},
    {"same first word in user and privileged mode",
     "mode usermode\n  show  Show\n    <cr>\nmode privmode\n  show  Show\n    <cr>\n", "",
     "tree.txt", 2, "it would be ambiguous"},
    {"prefix siblings sharing a child word",
     "mode globmode\n  ip  IP\n    routing  Routing\n      <cr>\n  ipx  IPX\n"
     "    routing  Routing\n      <cr>\n",
     "", "tree.txt", 3, "matches 2 rows"},
    {"template for a path that does not exist", "mode usermode\n  show  Show\n    <cr>\n",
     "# comment\n=== usermode show version\ntext\n===\n", "templates.txt", 2,
     "no row 'usermode show version'"},
    {"template for a mode that does not exist", "mode usermode\n  show  Show\n    <cr>\n",
     "=== privmode show\ntext\n===\n", "templates.txt", 1, "no row"},
    {"template given twice", "mode usermode\n  show  Show\n    <cr>\n",
     "=== usermode show\na\n===\n\n=== usermode show\nb\n===\n", "templates.txt", 5,
     "second template for this row (the first is at line 1)"},
    {"template not closed", "mode usermode\n  show  Show\n    <cr>\n", "=== usermode show\ntext\n",
     "templates.txt", 1, "not closed"},
    {"template header without a path", "mode usermode\n  show  Show\n    <cr>\n",
     "=== usermode\ntext\n===\n", "templates.txt", 1, "names a mode and a command path"},
    {"stray template line", "mode usermode\n  show  Show\n    <cr>\n", "text\n", "templates.txt", 1,
     "expected '=== MODE WORD"},
    {"stray closing line", "mode usermode\n  show  Show\n    <cr>\n", "===\n", "templates.txt", 1,
     "none is open"},
};

TEST(MdbgenSource, EachMistakeIsRejectedWithItsFileAndLine) {
  for (const MistakeCase& c : kMistakes) {
    std::vector<SourceError> errors = load(c.tree, c.templates);
    ASSERT_FALSE(errors.empty()) << c.name;
    EXPECT_EQ(errors[0].file, c.file) << c.name << "\n" << describe(errors);
    EXPECT_EQ(errors[0].line, c.line) << c.name << "\n" << describe(errors);
    EXPECT_NE(errors[0].message.find(c.message), std::string::npos) << c.name << "\n"
                                                                    << describe(errors);
  }
}

TEST(MdbgenSource, ErrorsReadAsFileColonLine) {
  EXPECT_EQ(format_source_error({"data/command_tree.txt", 12, "keyword 'x' has no help text"}),
            "data/command_tree.txt:12: keyword 'x' has no help text");
}

TEST(MdbgenSource, MissingModesAreReportedWhenEveryModeIsRequired) {
  std::vector<SourceError> errors = load("mode usermode\n  a  A\n    <cr>\n", "", nullptr, true);
  ASSERT_EQ(errors.size(), 13u) << describe(errors);
  EXPECT_EQ(errors[0].message, "mode 'nologmode' is missing");
}

TEST(MdbgenSource, ReadingGoesOnAfterAMistakeToReportTheNextOne) {
  std::vector<SourceError> errors =
      load("mode usermode\n  a\n    <cr>\n  b  B\n    c {WHAT}  C\n", "");
  ASSERT_EQ(errors.size(), 2u) << describe(errors);
  EXPECT_EQ(errors[0].line, 2);
  EXPECT_EQ(errors[1].line, 5);
}

// ---- Accepted sources ---------------------------------------------------------------------------

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

TEST(MdbgenSource, RowsGetIdsPerTableInFileOrderAndKnowTheirParents) {
  CommandTree tree;
  std::vector<SourceError> errors = load(kGoodTree, kGoodTemplates, &tree);
  ASSERT_TRUE(errors.empty()) << describe(errors);
  ASSERT_EQ(tree.modes.size(), 2u);
  EXPECT_EQ(tree.modes[1].name, "consMode");
  EXPECT_EQ(tree.modes[1].id, 2);
  ASSERT_EQ(tree.rows.size(), 13u);
  const TreeRow& clock = tree.rows[3];
  EXPECT_EQ(clock.word, "clock");
  EXPECT_EQ(clock.depth, 2);
  EXPECT_EQ(clock.id, 2);  // second row of cmd2
  EXPECT_EQ(clock.line, 8);
  EXPECT_EQ(tree.rows[static_cast<size_t>(clock.parent)].word, "show");
  const TreeRow& end = tree.rows[4];
  EXPECT_TRUE(end.is_end());
  EXPECT_TRUE(end.has_help);
  EXPECT_EQ(end.help, "End of command");
  EXPECT_FALSE(tree.rows[2].has_help);  // <cr> without help
  const TreeRow& line = tree.rows[11];
  EXPECT_EQ(line.word, "LINE");
  EXPECT_EQ(line.kind, "LINE");
  EXPECT_EQ(line.help, "The line password");
  EXPECT_EQ(tree.roots[1].size(), 2u);
}

TEST(MdbgenSource, TemplateLinesAreKeptAsTheyStandAndJoinedWithCrLf) {
  CommandTree tree;
  ASSERT_TRUE(load(kGoodTree, kGoodTemplates, &tree).empty());
  EXPECT_TRUE(tree.rows[1].has_template);
  EXPECT_EQ(tree.rows[1].toptext,
            "\r\n  first line with blanks  \r\n# not a comment inside a block");
  EXPECT_FALSE(tree.rows[3].has_template);
}

TEST(MdbgenSource, CrLfSourcesReadLikeLfSources) {
  std::string tree_crlf, templates_crlf;
  for (char c : std::string(kGoodTree))
    tree_crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (char c : std::string(kGoodTemplates))
    templates_crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  CommandTree lf, crlf;
  ASSERT_TRUE(load(kGoodTree, kGoodTemplates, &lf).empty());
  ASSERT_TRUE(load(tree_crlf, templates_crlf, &crlf).empty());
  ASSERT_EQ(lf.rows.size(), crlf.rows.size());
  for (size_t i = 0; i < lf.rows.size(); ++i) {
    EXPECT_EQ(lf.rows[i].word, crlf.rows[i].word);
    EXPECT_EQ(lf.rows[i].help, crlf.rows[i].help);
    EXPECT_EQ(lf.rows[i].toptext, crlf.rows[i].toptext);
  }
}

TEST(MdbgenSource, TheShippedSourcesPass) {
  auto read = [](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const fs::path data = fs::path(ZORVA_SOURCE_DIR) / "data";
  std::vector<SourceError> errors;
  CommandTree tree = read_command_tree(read(data / "command_tree.txt"), "command_tree.txt", errors);
  read_report_templates(read(data / "report_templates.txt"), "report_templates.txt", tree, errors);
  check_command_tree(tree, "command_tree.txt", true, errors);
  EXPECT_TRUE(errors.empty()) << describe(errors);
  EXPECT_EQ(tree.modes.size(), 14u);
}

// ---- Writing ------------------------------------------------------------------------------------

class MdbgenWriteTest : public ::testing::Test {
 protected:
  MdbgenWriteTest()
      : dir_(fs::temp_directory_path() /
             ("zorva_mdbgen_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::create_directories(dir_);
  }
  ~MdbgenWriteTest() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // The rows of a query, each row's columns joined by "|" with NULL shown as "NULL".
  static std::vector<std::string> rows(const fs::path& file, const std::string& sql) {
    std::vector<std::string> out;
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
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

  fs::path dir_;
};

TEST_F(MdbgenWriteTest, WritesTheTablesWithIdsRefsAndNulls) {
  CommandTree tree;
  ASSERT_TRUE(load(kGoodTree, kGoodTemplates, &tree).empty());
  fs::path out = dir_ / "zorva.mdb";
  std::string error;
  ASSERT_TRUE(write_command_database(tree, out, error)) << error;
  EXPECT_FALSE(fs::exists(dir_ / "zorva.mdb.tmp"));

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

TEST_F(MdbgenWriteTest, ReplacesAnExistingDatabaseWhole) {
  CommandTree tree;
  ASSERT_TRUE(load(kGoodTree, "", &tree).empty());
  fs::path out = dir_ / "zorva.mdb";
  std::ofstream(out) << "an older file";
  std::string error;
  ASSERT_TRUE(write_command_database(tree, out, error)) << error;
  EXPECT_EQ(rows(out, "SELECT count(*) FROM cmd1"), std::vector<std::string>{"3"});
}

TEST_F(MdbgenWriteTest, AFailedWriteLeavesNoFileBehind) {
  CommandTree tree;
  ASSERT_TRUE(load(kGoodTree, "", &tree).empty());
  fs::path out = dir_ / "occupied";
  fs::create_directories(out / "inside");  // a directory cannot be replaced by the file
  std::string error;
  EXPECT_FALSE(write_command_database(tree, out, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(fs::exists(dir_ / "occupied.tmp"));
  EXPECT_TRUE(fs::is_directory(out));
}

}  // namespace
}  // namespace zorva
