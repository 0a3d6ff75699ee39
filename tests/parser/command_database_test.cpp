// Tests of the six command-database queries: prefix and exact matching, the count-then-exact
// rule, privileged mode seeing user-mode rows, "?" listings, argument levels, literal matching of
// typed wildcards, remembered answers, broken database files; and, against the generated
// zorva.mdb, that every command the dispatcher acts on resolves in its mode.
#include "parser/command_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "parser/command_tree_source.h"
#include "shell/error_log.h"
#include "shell/scripted_host.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPrivileged = "usermode','privmode";

// A small tree with the shapes the queries must handle.
constexpr const char* kSmallTree = R"(
mode usermode
  show  Show running system information
    running-config  Current operating configuration
      <cr>
    version  System hardware and software status
      <cr>
  systat  Display information about terminal lines
    <cr>
  ping  Send echo messages
    WORD {WORD}  Ping destination address or hostname
      <cr>
mode privmode
  setup  Run the SETUP command facility
    <cr>
  write  Write running configuration
    <cr>
    memory  Write to NV memory
      <cr>
mode globmode
  ip  Global IP configuration subcommands
    route  Establish static routes
      <cr>
  ipx  Novell IPX configuration commands
    maximum-paths  Forwarding paths allowed
      <cr>
  hostname  Set system's network name
    WORD {WORD}  This system's network name
      <cr>
  a-very-long-command-word  Twenty characters or more
    <cr>
  50%_off  A word holding LIKE wildcards
    <cr>
  banner  Define a login banner
    motd  Set Message of the Day banner
      LINE {LINE}
        <cr>
)";

constexpr const char* kSmallTemplates =
    "=== usermode show version\n"
    "Kolvo OS HHHHHH\n"
    "up TTTTTT\n"
    "===\n";

std::string read_all(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void run_sql(const fs::path& db_file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(db_file.string().c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
}

class CommandDatabaseTest : public ::testing::Test {
 protected:
  CommandDatabaseTest()
      : dir_(fs::temp_directory_path() /
             ("zorva_cmddb_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())),
        log_(host_, dir_ / "zorva.log"),
        db_(log_) {
    fs::create_directories(dir_);
    log_.start_afresh();
  }
  ~CommandDatabaseTest() override {
    db_.close();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // Generates a database from tree text with the generator's own code.
  fs::path make_database(const std::string& tree_text, const std::string& templates = "") {
    std::vector<SourceError> errors;
    CommandTree tree = read_command_tree(tree_text, "tree.txt", errors);
    read_report_templates(templates, "templates.txt", tree, errors);
    check_command_tree(tree, "tree.txt", false, errors);
    for (const SourceError& e : errors) ADD_FAILURE() << format_source_error(e);
    fs::path file = dir_ / "test.mdb";
    std::string error;
    EXPECT_TRUE(write_command_database(tree, file, error)) << error;
    return file;
  }

  void open_small() { ASSERT_TRUE(db_.open(make_database(kSmallTree, kSmallTemplates))); }

  static ParsedCommand line(const std::string& modes, const std::vector<std::string>& words) {
    ParsedCommand pc;
    pc.Modes = modes;
    pc.Device = "router";
    for (size_t i = 0; i < words.size(); ++i) pc.Words[i + 1] = words[i];
    pc.WordCount = static_cast<Int16>(words.size());
    return pc;
  }

  std::vector<std::string> log_lines() const {
    std::istringstream in(read_all(log_.file()));
    std::vector<std::string> lines;
    std::string l;
    while (std::getline(in, l)) lines.push_back(l);
    return lines;
  }

  fs::path dir_;
  ScriptedHost host_;
  ErrorLog log_;
  CommandDatabase db_;
};

// ---- Counting -----------------------------------------------------------------------------------

struct CountCase {
  const char* modes;
  std::vector<std::string> words;
  int depth;
  int expected;
};

TEST_F(CommandDatabaseTest, CountFollowsPrefixThenExactRule) {
  open_small();
  const CountCase cases[] = {
      {"usermode", {"sh"}, 1, 1},                     // only show begins with sh
      {"usermode", {"s"}, 1, 2},                      // show, systat
      {kPrivileged, {"s"}, 1, 3},                     // show, systat, setup
      {"globmode", {"ip"}, 1, 1},                     // equals ip, begins ipx: ip wins
      {"globmode", {"i"}, 1, 2},                      // ip, ipx: ambiguous
      {"globmode", {"IP"}, 1, 1},                     // matching ignores case
      {"usermode", {"xyz"}, 1, 0},                    // nothing
      {"usermode", {"sh", "ver"}, 2, 1},              // ancestors match by prefix
      {"usermode", {"sh", "x"}, 2, 0},                //
      {"usermode", {"show", ""}, 2, 2},               // an empty word matches every row there
      {"usermode", {"", ""}, 2, 4},                   // ... at every level
      {"globmode", {"ip", "m"}, 2, 1},                // ip% takes in ipx's children
      {"usermode", {"setup"}, 1, 0},                  // user mode does not see privmode
      {"privmode", {"show"}, 1, 0},                   // nor privmode alone usermode
      {kPrivileged, {"show"}, 1, 1},                  // privileged mode sees both
      {"globmode','nosuchmode", {"hostname"}, 1, 1},  // unknown mode names add nothing
  };
  for (const CountCase& c : cases) {
    ParsedCommand pc = line(c.modes, c.words);
    EXPECT_EQ(db_.sql_count_commands(pc, c.depth), c.expected)
        << c.modes << " word " << c.depth << " '" << c.words[static_cast<size_t>(c.depth - 1)]
        << "'";
  }
  EXPECT_EQ(log_.lines_written(), 0);
}

TEST_F(CommandDatabaseTest, TypedWildcardsAndQuotesMatchLiterally) {
  open_small();
  const fs::path file = log_.file().parent_path() / "test.mdb";
  const std::string before = read_all(file);
  struct Case {
    std::string word;
    int expected;
  };
  const Case cases[] = {
      {"50%", 1},   // the row 50%_off begins with these characters
      {"50%_", 1},  //
      {"5_", 0},    // _ is no single-character wildcard
      {"%", 0},     // % is no wildcard: nothing begins with it
      {"_", 0},     //
      {"50\\", 0},  // the escape character itself is literal
      {"it's", 0},  // an apostrophe never breaks the statement
      {"a';drop table cmd1;--", 0},
      {"\"show\"", 0},
      {"h%e", 0},  // would match hostname if % were a wildcard
  };
  for (const Case& c : cases) {
    ParsedCommand pc = line("globmode", {c.word});
    EXPECT_EQ(db_.sql_count_commands(pc, 1), c.expected) << c.word;
    EXPECT_EQ(db_.sql_help_question(pc, 1), c.expected ? "\r\n50%_off \r\n" : "\r\n\r\n") << c.word;
  }
  ParsedCommand pc = line("globmode", {"hostname"});
  EXPECT_EQ(db_.sql_count_commands(pc, 1), 1);  // the database still answers
  EXPECT_EQ(log_.lines_written(), 0);
  EXPECT_EQ(read_all(file), before);  // and is unchanged
}

// ---- Command text -------------------------------------------------------------------------------

TEST_F(CommandDatabaseTest, GetCommandTextFillsFullWordAndTemplate) {
  open_small();
  ParsedCommand pc = line("usermode", {"sh", "ver"});
  pc.BotText = "stale";
  db_.sql_get_command_text(pc, 1);
  EXPECT_EQ(pc.FullWords[1], "show");
  EXPECT_EQ(pc.TopText, "");  // show has no template
  db_.sql_get_command_text(pc, 2);
  EXPECT_EQ(pc.FullWords[2], "version");
  EXPECT_EQ(pc.TopText, "Kolvo OS HHHHHH\r\nup TTTTTT");
  EXPECT_EQ(pc.BotText, "");
}

TEST_F(CommandDatabaseTest, GetCommandTextTakesFirstPrefixMatchInTableOrder) {
  open_small();
  ParsedCommand pc = line("globmode", {"ip"});
  db_.sql_get_command_text(pc, 1);
  EXPECT_EQ(pc.FullWords[1], "ip");  // ip comes before ipx in the table
}

TEST_F(CommandDatabaseTest, GetCommandTextPrefersBottextThenToptextThenEmpty) {
  fs::path file = make_database(kSmallTree, kSmallTemplates);
  run_sql(file,
          "UPDATE cmd2 SET bottext = 'bottom' WHERE command = 'running-config';"
          "UPDATE cmd2 SET toptext = 'top' WHERE command = 'running-config';");
  ASSERT_TRUE(db_.open(file));
  ParsedCommand pc = line("usermode", {"show", "run"});
  db_.sql_get_command_text(pc, 2);
  EXPECT_EQ(pc.TopText, "bottom");
  pc.Words[2] = "ver";
  db_.sql_get_command_text(pc, 2);
  EXPECT_EQ(pc.TopText, "Kolvo OS HHHHHH\r\nup TTTTTT");
  pc.Words[1] = "systat";
  db_.sql_get_command_text(pc, 1);
  EXPECT_EQ(pc.TopText, "");
}

TEST_F(CommandDatabaseTest, GetCommandTextWithoutAMatchLeavesFieldsAndLogs) {
  open_small();
  ParsedCommand pc = line("usermode", {"nothing"});
  pc.FullWords[1] = "earlier";
  pc.TopText = "earlier text";
  db_.sql_get_command_text(pc, 1);
  EXPECT_EQ(pc.FullWords[1], "earlier");
  EXPECT_EQ(pc.TopText, "earlier text");
  ASSERT_EQ(log_lines().size(), 1u);
  EXPECT_NE(log_lines()[0].find("sql get command text()"), std::string::npos);
}

// ---- "?" listings -------------------------------------------------------------------------------

TEST_F(CommandDatabaseTest, HelpQuestionListsCompletionsOnOneLineInTableOrder) {
  open_small();
  ParsedCommand pc = line(kPrivileged, {"s"});
  EXPECT_EQ(db_.sql_help_question(pc, 1), "\r\nshow systat setup \r\n");
  pc = line("usermode", {"show", "r"});
  EXPECT_EQ(db_.sql_help_question(pc, 2), "\r\nrunning-config \r\n");
}

TEST_F(CommandDatabaseTest, HelpSpaceQuestionAtDepthZeroIsSortedAndPadded) {
  open_small();
  ParsedCommand pc = line("globmode", {""});
  SpecialWords special{};
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 0),
            "\r\n"
            "50%_off             A word holding LIKE wildcards\r\n"
            "a-very-long-command-wordTwenty characters or more\r\n"
            "banner              Define a login banner\r\n"
            "hostname            Set system's network name\r\n"
            "ip                  Global IP configuration subcommands\r\n"
            "ipx                 Novell IPX configuration commands\r\n");
}

TEST_F(CommandDatabaseTest, HelpSpaceQuestionInPrivilegedModeListsUserModeWordsToo) {
  open_small();
  ParsedCommand pc = line(kPrivileged, {""});
  SpecialWords special{};
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 0),
            "\r\n"
            "ping                Send echo messages\r\n"
            "setup               Run the SETUP command facility\r\n"
            "show                Show running system information\r\n"
            "systat              Display information about terminal lines\r\n"
            "write               Write running configuration\r\n");
}

TEST_F(CommandDatabaseTest, HelpSpaceQuestionMatchesFullWordsExactly) {
  open_small();
  ParsedCommand pc = line("globmode", {"ip", ""});
  pc.FullWords[1] = "ip";  // exact: ipx's children stay out
  SpecialWords special{};
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 1),
            "\r\nroute               Establish static routes\r\n");
}

TEST_F(CommandDatabaseTest, HelpSpaceQuestionAfterArgumentListsItsChildren) {
  open_small();
  ParsedCommand pc = line("globmode", {"hostname", "r1", ""});
  pc.FullWords[1] = "hostname";
  pc.FullWords[2] = "stale";
  SpecialWords special{};
  special[2] = kTrue;
  // <cr> has no help: the padding stands alone.
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 2), "\r\n<cr>                \r\n");
  EXPECT_EQ(pc.FullWords[2], "%");

  pc = line("globmode", {"banner", "motd", "#hi#", ""});
  pc.FullWords[1] = "banner";
  pc.FullWords[2] = "motd";
  special = {};
  special[3] = kTrue;
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 3), "\r\n<cr>                \r\n");
}

TEST_F(CommandDatabaseTest, HelpSpaceQuestionOfAnArgumentRowShowsPlaceholder) {
  open_small();
  ParsedCommand pc = line("globmode", {"banner", "motd", ""});
  pc.FullWords[1] = "banner";
  pc.FullWords[2] = "motd";
  SpecialWords special{};
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 2), "\r\nLINE                \r\n");
}

// ---- Completeness and arguments -----------------------------------------------------------------

TEST_F(CommandDatabaseTest, IsCommandCompleteNeedsACrRowBelow) {
  open_small();
  struct Case {
    const char* modes;
    std::vector<std::string> words;
    int depth;
    bool expected;
  };
  const Case cases[] = {
      {"usermode", {"show"}, 1, false},  {"usermode", {"sh", "ver"}, 2, true},
      {kPrivileged, {"write"}, 1, true}, {kPrivileged, {"wr", "mem"}, 2, true},
      {"usermode", {"write"}, 1, false}, {"globmode", {"banner"}, 1, false},
  };
  for (const Case& c : cases) {
    ParsedCommand pc = line(c.modes, c.words);
    EXPECT_EQ(db_.sql_is_command_complete(pc, c.depth), c.expected) << c.words[0];
  }
}

TEST_F(CommandDatabaseTest, CheckForSpecialCasesLooksOnlyAtTheLevelUnderThePath) {
  open_small();
  ParsedCommand pc = line("globmode", {"hostname", "anything"});
  EXPECT_TRUE(db_.sql_check_for_special_cases(pc, 2));
  pc = line("globmode", {"ip", "route"});
  EXPECT_FALSE(db_.sql_check_for_special_cases(pc, 2));
  pc = line("globmode", {"banner", "motd", "x"});
  EXPECT_TRUE(db_.sql_check_for_special_cases(pc, 3));
  pc = line("globmode", {"banner", "m"});
  EXPECT_FALSE(db_.sql_check_for_special_cases(pc, 2));
}

TEST_F(CommandDatabaseTest, DepthsOutsideTheirRangesBuildNoQuery) {
  open_small();
  ParsedCommand pc = line("usermode", {"show", "version", "a", "b", "c", "d", "e"});
  SpecialWords special{};
  EXPECT_EQ(db_.sql_count_commands(pc, 0), 0);
  EXPECT_EQ(db_.sql_count_commands(pc, 7), 0);
  db_.sql_get_command_text(pc, 0);
  db_.sql_get_command_text(pc, 7);
  EXPECT_EQ(db_.sql_help_question(pc, 0), "");
  EXPECT_EQ(db_.sql_help_question(pc, 7), "");
  EXPECT_EQ(db_.sql_help_space_question(pc, special, -1), "");
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 7), "");
  EXPECT_FALSE(db_.sql_is_command_complete(pc, 0));
  EXPECT_FALSE(db_.sql_is_command_complete(pc, 7));
  EXPECT_FALSE(db_.sql_check_for_special_cases(pc, 1));
  EXPECT_FALSE(db_.sql_check_for_special_cases(pc, 7));
  EXPECT_EQ(db_.statements_run(), 0);
  EXPECT_EQ(pc.FullWords[0], "");
  EXPECT_EQ(log_.lines_written(), 0);
}

// ---- Remembered answers -------------------------------------------------------------------------

TEST_F(CommandDatabaseTest, ARepeatedQueryCostsNoSql) {
  open_small();
  ParsedCommand pc = line(kPrivileged, {"s"});
  EXPECT_EQ(db_.sql_count_commands(pc, 1), 3);
  long long after_first = db_.statements_run();
  EXPECT_EQ(after_first, 2);  // the prefix count, then the exact count
  EXPECT_EQ(db_.sql_count_commands(pc, 1), 3);
  EXPECT_EQ(db_.statements_run(), after_first);

  // The same word in another mode is another question.
  pc.Modes = "usermode";
  EXPECT_EQ(db_.sql_count_commands(pc, 1), 2);
  EXPECT_GT(db_.statements_run(), after_first);
}

TEST_F(CommandDatabaseTest, RememberedCommandTextIsAppliedAgain) {
  open_small();
  ParsedCommand pc = line("usermode", {"sh", "ver"});
  db_.sql_get_command_text(pc, 2);
  long long runs = db_.statements_run();
  ParsedCommand again = line("usermode", {"sh", "ver"});
  db_.sql_get_command_text(again, 2);
  EXPECT_EQ(db_.statements_run(), runs);
  EXPECT_EQ(again.FullWords[2], "version");
  EXPECT_EQ(again.TopText, pc.TopText);
}

TEST_F(CommandDatabaseTest, WithoutRememberingEveryQueryRunsSql) {
  open_small();
  db_.set_remember_answers(false);
  ParsedCommand pc = line("usermode", {"show"});
  db_.sql_is_command_complete(pc, 1);
  db_.sql_is_command_complete(pc, 1);
  EXPECT_EQ(db_.statements_run(), 2);
}

TEST_F(CommandDatabaseTest, ReopeningEveryLineForgetsTheAnswers) {
  open_small();
  db_.set_reopen_every_line(true);
  ParsedCommand pc = line("usermode", {"show"});
  db_.begin_line();
  db_.sql_is_command_complete(pc, 1);
  db_.begin_line();
  db_.sql_is_command_complete(pc, 1);
  EXPECT_EQ(db_.statements_run(), 2);
  EXPECT_TRUE(db_.is_open());
}

TEST_F(CommandDatabaseTest, BeginLineNormallyKeepsConnectionAndAnswers) {
  open_small();
  ParsedCommand pc = line("usermode", {"show"});
  db_.sql_is_command_complete(pc, 1);
  db_.begin_line();
  db_.sql_is_command_complete(pc, 1);
  EXPECT_EQ(db_.statements_run(), 1);
}

// ---- Broken database files ----------------------------------------------------------------------

// Runs each of the six queries once and checks the default answer and its single log line.
void expect_every_query_fails_quietly(CommandDatabase& db, ErrorLog& log) {
  ParsedCommand pc;
  pc.Modes = "usermode";
  pc.Words[1] = "show";
  pc.Words[2] = "version";
  pc.FullWords[1] = "kept";
  pc.TopText = "kept";
  SpecialWords special{};
  struct Step {
    const char* log_name;
    std::function<void()> run;
  };
  const Step steps[] = {
      {"sql count commands()", [&] { EXPECT_EQ(db.sql_count_commands(pc, 1), 0); }},
      {"sql get command text()", [&] { db.sql_get_command_text(pc, 1); }},
      {"sql help question()", [&] { EXPECT_EQ(db.sql_help_question(pc, 1), ""); }},
      {"sql help space question()",
       [&] { EXPECT_EQ(db.sql_help_space_question(pc, special, 0), ""); }},
      {"sql is command complete()", [&] { EXPECT_FALSE(db.sql_is_command_complete(pc, 1)); }},
      {"sql check for special cases()",
       [&] { EXPECT_FALSE(db.sql_check_for_special_cases(pc, 2)); }},
  };
  for (const Step& step : steps) {
    int before = log.lines_written();
    step.run();
    EXPECT_EQ(log.lines_written(), before + 1) << step.log_name;
    std::string expected = log.format_line(step.log_name, RuntimeError::DatabaseError, {});
    std::istringstream in(read_all(log.file()));
    std::string last, l;
    while (std::getline(in, l)) last = l;
    if (!last.empty() && last.back() == '\r') last.pop_back();
    EXPECT_EQ(last, expected);
  }
  EXPECT_EQ(pc.FullWords[1], "kept");
  EXPECT_EQ(pc.TopText, "kept");
}

TEST_F(CommandDatabaseTest, MissingFileMakesEveryQueryYieldNothingAndLog) {
  EXPECT_FALSE(db_.open(dir_ / "absent.mdb"));
  EXPECT_FALSE(db_.is_open());
  EXPECT_EQ(log_.lines_written(), 1);
  EXPECT_FALSE(fs::exists(dir_ / "absent.mdb"));  // opening never creates the file
  expect_every_query_fails_quietly(db_, log_);
}

TEST_F(CommandDatabaseTest, EmptyFileIsNoCommandDatabase) {
  std::ofstream(dir_ / "empty.mdb").close();
  EXPECT_FALSE(db_.open(dir_ / "empty.mdb"));
  expect_every_query_fails_quietly(db_, log_);
}

TEST_F(CommandDatabaseTest, GarbageFileIsNoCommandDatabase) {
  std::ofstream(dir_ / "garbage.mdb") << std::string(4096, 'x');
  EXPECT_FALSE(db_.open(dir_ / "garbage.mdb"));
  expect_every_query_fails_quietly(db_, log_);
}

TEST_F(CommandDatabaseTest, SqliteFileWithoutTheCommandTablesIsRefused) {
  run_sql(dir_ / "other.mdb", "CREATE TABLE device (ID INTEGER, device TEXT);");
  EXPECT_FALSE(db_.open(dir_ / "other.mdb"));
  expect_every_query_fails_quietly(db_, log_);
}

TEST_F(CommandDatabaseTest, ClosedDatabaseFailsLikeAMissingOne) {
  open_small();
  db_.close();
  EXPECT_FALSE(db_.is_open());
  expect_every_query_fails_quietly(db_, log_);
}

TEST_F(CommandDatabaseTest, ReopeningEveryLineFindsAFileThatAppeared) {
  fs::path file = dir_ / "late.mdb";
  db_.set_reopen_every_line(true);
  EXPECT_FALSE(db_.open(file));
  fs::copy_file(make_database(kSmallTree), file);
  db_.begin_line();
  EXPECT_TRUE(db_.is_open());
  ParsedCommand pc = line("usermode", {"sh"});
  EXPECT_EQ(db_.sql_count_commands(pc, 1), 1);
}

// ---- The generated command database -------------------------------------------------------------

// What the parser concludes from the six queries for an Enter on `text`, following its steps.
enum class Outcome { Execute, Incomplete, Ambiguous, Invalid, TooDeep };

const char* outcome_name(Outcome o) {
  switch (o) {
    case Outcome::Execute:
      return "execute";
    case Outcome::Incomplete:
      return "incomplete";
    case Outcome::Ambiguous:
      return "ambiguous";
    case Outcome::Invalid:
      return "invalid";
    case Outcome::TooDeep:
      return "too deep";
  }
  return "?";
}

Outcome resolve_line(CommandDatabase& db, const std::string& modes, const std::string& text,
                     ParsedCommand& pc) {
  pc = ParsedCommand{};
  pc.Modes = modes;
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string w; in >> w;) {
    for (char& c : w) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    words.push_back(w);
  }
  if (!words.empty() && words[0] == "no") words.erase(words.begin());
  for (size_t i = 0; i < words.size(); ++i) pc.Words[i + 1] = words[i];
  const int count = static_cast<int>(words.size());

  int n = db.sql_count_commands(pc, 1);
  if (n == 0) return Outcome::Invalid;
  if (n > 1) return Outcome::Ambiguous;
  db.sql_get_command_text(pc, 1);
  if (count == 1) return db.sql_is_command_complete(pc, 1) ? Outcome::Execute : Outcome::Incomplete;
  for (int d = 2; d <= 6; ++d) {
    n = db.sql_count_commands(pc, d);
    bool special = d == 2 && db.sql_check_for_special_cases(pc, 2);
    if (n == 0) {
      special = db.sql_check_for_special_cases(pc, d);
      if (special) n = 1;
    }
    if (n == 0) return Outcome::Invalid;
    if (n > 1) return Outcome::Ambiguous;
    if (!special) db.sql_get_command_text(pc, d);
    if (special && d <= 3) return Outcome::Execute;
    if (count == d)
      return db.sql_is_command_complete(pc, d) || special ? Outcome::Execute : Outcome::Incomplete;
  }
  return Outcome::TooDeep;
}

class GeneratedDatabaseTest : public CommandDatabaseTest {
 protected:
  void SetUp() override { ASSERT_TRUE(db_.open(fs::path(ZORVA_BIN_DIR) / "zorva.mdb")); }
};

struct LineCase {
  const char* modes;
  const char* text;
  Outcome expected;
};

TEST_F(GeneratedDatabaseTest, EveryDispatcherCommandResolvesInItsMode) {
  const LineCase cases[] = {
      // User mode and the show reports (privileged mode sees them too).
      {"usermode", "enable", Outcome::Execute},
      {"usermode", "disable", Outcome::Execute},
      {"usermode", "exit", Outcome::Execute},
      {"usermode", "logout", Outcome::Execute},
      {"usermode", "ping 10.1.1.1", Outcome::Execute},
      {"usermode", "ping", Outcome::Incomplete},
      {"usermode", "show", Outcome::Incomplete},
      {"usermode", "show version", Outcome::Execute},
      {"usermode", "sh ver", Outcome::Execute},
      {"usermode", "show running-config", Outcome::Execute},
      {"usermode", "sh run", Outcome::Execute},
      {"usermode", "show startup-config", Outcome::Execute},
      {"usermode", "show interfaces", Outcome::Execute},
      {"usermode", "show interfaces serial 0", Outcome::Execute},
      {"usermode", "show interfaces ethernet 1", Outcome::Execute},
      {"usermode", "show interfaces bri 0", Outcome::Execute},
      {"usermode", "show interfaces serial", Outcome::Incomplete},
      {"usermode", "show protocols", Outcome::Execute},
      {"usermode", "show history", Outcome::Execute},
      {"usermode", "show flash", Outcome::Execute},
      {"usermode", "show clock", Outcome::Execute},
      {"usermode", "show hosts", Outcome::Execute},
      {"usermode", "show users", Outcome::Execute},
      {"usermode", "show arp", Outcome::Execute},
      {"usermode", "show ip interface", Outcome::Execute},
      {"usermode", "show ip interface brief", Outcome::Execute},
      {"usermode", "sh ip int br", Outcome::Execute},
      {"usermode", "show ip route", Outcome::Execute},
      {"usermode", "show ip protocols", Outcome::Execute},
      {"usermode", "show ip eigrp", Outcome::Incomplete},
      {"usermode", "show ip eigrp neighbors", Outcome::Execute},
      {"usermode", "show ip eigrp neighbors detail", Outcome::Execute},
      {"usermode", "show ip eigrp topology", Outcome::Execute},
      {"usermode", "show ip eigrp interfaces", Outcome::Execute},
      {"usermode", "show ip eigrp traffic", Outcome::Execute},
      {"usermode", "show ip ospf", Outcome::Execute},
      {"usermode", "show ip ospf database", Outcome::Execute},
      {"usermode", "show ip ospf interface", Outcome::Execute},
      {"usermode", "show ip ospf neighbor", Outcome::Execute},
      {"usermode", "show ip ospf neighbor detail", Outcome::Execute},
      {"usermode", "show ip ospf request-list", Outcome::Execute},
      {"usermode", "show ip ospf retransmission-list", Outcome::Execute},
      {"usermode", "show ip ospf re", Outcome::Ambiguous},
      {"usermode", "show ip ospf summary-address", Outcome::Execute},
      {"usermode", "show ip ospf virtual-links", Outcome::Execute},
      {"usermode", "show cdp", Outcome::Execute},
      {"usermode", "show cdp neighbors", Outcome::Execute},
      {"usermode", "show cdp neighbors detail", Outcome::Execute},
      {"usermode", "show cdp interface", Outcome::Execute},
      {"usermode", "show cdp entry *", Outcome::Execute},
      {"usermode", "show cdp entry R2", Outcome::Execute},
      {"usermode", "show cdp traffic", Outcome::Execute},
      {"usermode", "configure terminal", Outcome::Invalid},
      {"usermode", "xyz", Outcome::Invalid},
      // Privileged mode.
      {kPrivileged, "s", Outcome::Ambiguous},
      {kPrivileged, "sh ver", Outcome::Execute},
      {kPrivileged, "configure", Outcome::Incomplete},
      {kPrivileged, "configure terminal", Outcome::Execute},
      {kPrivileged, "conf t", Outcome::Execute},
      {kPrivileged, "copy running-config startup-config", Outcome::Execute},
      {kPrivileged, "copy run start", Outcome::Execute},
      {kPrivileged, "erase startup-config", Outcome::Execute},
      {kPrivileged, "write", Outcome::Execute},
      {kPrivileged, "write memory", Outcome::Execute},
      {kPrivileged, "write terminal", Outcome::Execute},
      {kPrivileged, "reload", Outcome::Execute},
      {kPrivileged, "clear arp-cache", Outcome::Execute},
      {kPrivileged, "disable", Outcome::Execute},
      {kPrivileged, "exit", Outcome::Execute},
      {kPrivileged, "logout", Outcome::Execute},
      {kPrivileged, "enable", Outcome::Execute},
      {kPrivileged, "ping 10.0.0.1", Outcome::Execute},
      // Global configuration.
      {"globmode", "hostname R1", Outcome::Execute},
      {"globmode", "no hostname", Outcome::Execute},
      {"globmode", "no enable secret", Outcome::Execute},
      {"vtymode", "no password", Outcome::Execute},
      {"globmode", "banner motd #Authorised access only#", Outcome::Execute},
      {"globmode", "enable", Outcome::Incomplete},
      {"globmode", "enable password letmein", Outcome::Execute},
      {"globmode", "enable secret abc", Outcome::Execute},
      {"globmode", "config-register 0x2142", Outcome::Execute},
      {"globmode", "interface s0", Outcome::Execute},
      {"globmode", "interface serial 0", Outcome::Execute},
      {"globmode", "interface ethernet0", Outcome::Execute},
      {"globmode", "interface", Outcome::Incomplete},
      {"globmode", "ip route 10.0.0.0 255.0.0.0 192.168.1.2", Outcome::Execute},
      {"globmode", "ip route 10.0.0.0 255.0.0.0 192.168.1.2 120", Outcome::Execute},
      {"globmode", "router rip", Outcome::Execute},
      {"globmode", "no router rip", Outcome::Execute},
      {"globmode", "router igrp", Outcome::Execute},
      {"globmode", "router igrp 100", Outcome::Execute},
      {"globmode", "router eigrp", Outcome::Execute},
      {"globmode", "router eigrp 100", Outcome::Execute},
      {"globmode", "router ospf 1", Outcome::Execute},
      {"globmode", "line console 0", Outcome::Execute},
      {"globmode", "line vty 0 4", Outcome::Execute},
      {"globmode", "line aux 0", Outcome::Execute},
      {"globmode", "line console", Outcome::Incomplete},
      {"globmode", "username bob password secret", Outcome::Execute},
      {"globmode", "cdp run", Outcome::Execute},
      {"globmode", "no cdp run", Outcome::Execute},
      {"globmode", "cdp timer 30", Outcome::Execute},
      {"globmode", "no cdp timer", Outcome::Execute},
      {"globmode", "cdp holdtime 120", Outcome::Execute},
      {"globmode", "cdp advertise-v2", Outcome::Execute},
      {"globmode", "boot system flash", Outcome::Execute},
      {"globmode", "boot system tftp image.bin", Outcome::Execute},
      {"globmode", "boot system image.bin", Outcome::Execute},
      {"globmode", "end", Outcome::Execute},
      {"globmode", "exit", Outcome::Execute},
      {"globmode", "e", Outcome::Ambiguous},
      {"globmode", "show version", Outcome::Invalid},
      // Interface configuration.
      {"ethemode", "ip address 10.1.1.1 255.255.255.0", Outcome::Execute},
      {"ethemode", "ip address 10.1.1.1", Outcome::Execute},
      {"ethemode", "ip ospf priority 5", Outcome::Execute},
      {"ethemode", "ip ospf cost 100", Outcome::Execute},
      {"ethemode", "ip ospf cost abc", Outcome::Execute},
      {"ethemode", "ip ospf cost", Outcome::Incomplete},
      {"ethemode", "description Link to R2", Outcome::Execute},
      {"ethemode", "shutdown", Outcome::Execute},
      {"ethemode", "no shutdown", Outcome::Execute},
      {"ethemode", "cdp enable", Outcome::Execute},
      {"ethemode", "exit", Outcome::Execute},
      {"ethemode", "end", Outcome::Execute},
      {"serimode", "ip address 10.1.1.1 255.255.255.0", Outcome::Execute},
      {"serimode", "encapsulation ppp", Outcome::Execute},
      {"serimode", "no encapsulation ppp", Outcome::Execute},
      {"serimode", "encapsulation hdlc", Outcome::Execute},
      {"serimode", "encapsulation frame-relay", Outcome::Execute},
      {"serimode", "ppp authentication chap", Outcome::Execute},
      {"serimode", "ip ospf cost 64", Outcome::Execute},
      {"serimode", "description to R3", Outcome::Execute},
      {"serimode", "shutdown", Outcome::Execute},
      {"serimode", "cdp enable", Outcome::Execute},
      {"serimode", "exit", Outcome::Execute},
      {"brimode", "ip address 10.1.1.1 255.255.255.0", Outcome::Execute},
      {"brimode", "encapsulation ppp", Outcome::Execute},
      {"brimode", "ppp authentication chap", Outcome::Execute},
      {"brimode", "shutdown", Outcome::Execute},
      {"brimode", "description isdn", Outcome::Execute},
      {"brimode", "ip ospf priority 0", Outcome::Execute},
      {"brimode", "cdp enable", Outcome::Execute},
      {"brimode", "end", Outcome::Execute},
      // Routing protocols.
      {"ripmode", "network 10.0.0.0", Outcome::Execute},
      {"ripmode", "exit", Outcome::Execute},
      {"ripmode", "end", Outcome::Execute},
      {"igrpmode", "network 172.16.0.0", Outcome::Execute},
      {"igrpmode", "exit", Outcome::Execute},
      {"eigrpmode", "network 192.168.1.0", Outcome::Execute},
      {"eigrpmode", "end", Outcome::Execute},
      {"ospfmode", "network 10.1.1.0 0.0.0.255 area 0", Outcome::Execute},
      {"ospfmode", "exit", Outcome::Execute},
      // Lines.
      {"consMode", "password letmein", Outcome::Execute},
      {"consMode", "login", Outcome::Execute},
      {"consMode", "exit", Outcome::Execute},
      {"consMode", "end", Outcome::Execute},
      {"vtymode", "password letmein", Outcome::Execute},
      {"vtymode", "login", Outcome::Execute},
      {"vtymode", "exit", Outcome::Execute},
      {"auxmode", "password letmein", Outcome::Execute},
      {"auxmode", "end", Outcome::Execute},
      {"consMode", "stopbits 1", Outcome::Execute},  // 1 equals one row, begins another
  };
  for (const LineCase& c : cases) {
    ParsedCommand pc;
    Outcome got = resolve_line(db_, c.modes, c.text, pc);
    EXPECT_EQ(got, c.expected) << c.modes << ": '" << c.text << "' gave " << outcome_name(got);
  }
  EXPECT_EQ(log_.lines_written(), 0);
}

TEST_F(GeneratedDatabaseTest, ResolvedWordsAreTheDatabaseSpellings) {
  ParsedCommand pc;
  ASSERT_EQ(resolve_line(db_, kPrivileged, "sh ip ospf nei det", pc), Outcome::Execute);
  EXPECT_EQ(pc.FullWords[3], "ospf");
  EXPECT_EQ(pc.FullWords[4], "neighbor");
  EXPECT_EQ(pc.FullWords[5], "detail");
  ASSERT_EQ(resolve_line(db_, "usermode", "show cdp entry *", pc), Outcome::Execute);
  EXPECT_EQ(pc.FullWords[4], "*");
  ASSERT_EQ(resolve_line(db_, "usermode", "show int s 1", pc), Outcome::Execute);
  EXPECT_EQ(pc.FullWords[3], "serial");
  ASSERT_EQ(resolve_line(db_, "consMode", "stopbits 1", pc), Outcome::Execute);
  EXPECT_EQ(pc.FullWords[2], "1");
}

TEST_F(GeneratedDatabaseTest, ReportTemplatesReachTopText) {
  struct Case {
    const char* text;
    const char* must_hold;
  };
  const Case cases[] = {
      {"show version", "HHHHHH uptime is TTTTTT"},
      {"show flash", "System flash"},
      {"show clock", "UTC"},
      {"show hosts", "Name servers"},
      {"show users", "con 0"},
      {"show ip interface", "Broadcast address"},
      {"show ip eigrp traffic", "Hellos sent/received"},
      {"show ip ospf request-list", "OSPF Router with ID"},
      {"show ip ospf retransmission-list", "retransmission"},
      {"show ip ospf summary-address", "Summary-address"},
      {"show ip ospf virtual-links", "Virtual links"},
  };
  for (const Case& c : cases) {
    ParsedCommand pc;
    ASSERT_EQ(resolve_line(db_, "usermode", c.text, pc), Outcome::Execute) << c.text;
    EXPECT_NE(pc.TopText.find(c.must_hold), std::string::npos) << c.text;
    for (size_t i = 0; i < pc.TopText.size(); ++i) {
      if (pc.TopText[i] == '\n') {
        EXPECT_TRUE(i > 0 && pc.TopText[i - 1] == '\r') << c.text;
      }
    }
  }
  ParsedCommand pc;
  ASSERT_EQ(resolve_line(db_, "usermode", "show version", pc), Outcome::Execute);
  EXPECT_NE(pc.TopText.find("XXXXXX"), std::string::npos);
  EXPECT_NE(pc.TopText.find("Kolvo"), std::string::npos);
  ASSERT_EQ(resolve_line(db_, "usermode", "show ip interface brief", pc), Outcome::Execute);
  EXPECT_EQ(pc.TopText, "");
}

// Every line of a depth-0 listing: sorted without regard to case, help at column 20.
void expect_sorted_padded_listing(const std::string& listing, size_t rows) {
  ASSERT_EQ(listing.substr(0, 2), "\r\n");
  std::vector<std::string> lines;
  for (size_t at = 2; at < listing.size();) {
    size_t end = listing.find("\r\n", at);
    ASSERT_NE(end, std::string::npos);
    lines.push_back(listing.substr(at, end - at));
    at = end + 2;
  }
  ASSERT_EQ(lines.size(), rows);
  std::string previous;
  for (const std::string& l : lines) {
    std::string word = l.substr(0, l.find(' '));
    std::string lower = word;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_LE(previous, lower);
    previous = lower;
    if (word.size() < 20) {
      EXPECT_EQ(l.find_first_not_of(' ', word.size()), 20u) << l;
    }
  }
}

TEST_F(GeneratedDatabaseTest, QuestionMarkOnAnEmptyLineListsTheModeSortedAndPadded) {
  ParsedCommand pc;
  pc.Modes = "globmode";
  SpecialWords special{};
  std::string listing = db_.sql_help_space_question(pc, special, 0);
  expect_sorted_padded_listing(listing, 19);
  EXPECT_NE(listing.find("\r\nhostname            Set system's network name\r\n"),
            std::string::npos);

  pc.Modes = kPrivileged;
  listing = db_.sql_help_space_question(pc, special, 0);
  expect_sorted_padded_listing(listing, 32);  // 19 user-mode and 13 privileged words
  EXPECT_NE(listing.find("\r\nshow  "), std::string::npos);
  EXPECT_NE(listing.find("\r\nconfigure  "), std::string::npos);
}

TEST_F(GeneratedDatabaseTest, QuestionMarkAfterArgumentListsWhatFollowsIt) {
  ParsedCommand pc;
  pc.Modes = "globmode";
  pc.FullWords[1] = "ip";
  pc.FullWords[2] = "route";
  SpecialWords special{};
  special[3] = kTrue;
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 3),
            "\r\nA.B.C.D             Destination prefix mask\r\n");
}

}  // namespace
}  // namespace zorva
