// Tests of the command-database queries on a small generated tree in the SQLite file: the
// count-then-exact rule, privileged mode seeing user-mode rows, "?" listings, argument levels,
// remembered answers switched off or reopened per line, depths out of range, a pattern too long
// for LIKE, and closed or broken files. The memory tables give the same answers to the same
// questions (command_store_agreement_test.cpp).
#include "parser/command_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "base/error_log.h"
#include "base/scripted_host.h"
#include "parser/sql_text_rules.h"
#include "tests/support/command_stores.h"
#include "tests/support/test_paths.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;
using testing::file_text;

constexpr const char* kPrivileged = "usermode,privmode";  // the two modes privileged mode offers

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
    "=== usermode show version\nKolvo OS HHHHHH\nup TTTTTT\n===\n";
constexpr const char* kVersionText = "Kolvo OS HHHHHH\r\nup TTTTTT";

void run_sql(const fs::path& db_file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(db_file.string().c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
}

// The queries on the SQLite file; the memory tables answer alike (command_store_agreement_test).
class CommandDatabaseFixture : public ::testing::Test {
 protected:
  CommandDatabaseFixture() { log_.start_afresh(); }

  // Opens the small tree in the store under test; `edit` changes its tables first.
  void open_small(const std::function<void(CommandTables&)>& edit = {}) {
    tables_ = testing::tables_from_text(kSmallTree, kSmallTemplates);
    if (edit) edit(tables_);
    ASSERT_TRUE(testing::open_as(db_, testing::StoreKind::SqliteFile, tables_, dir_ / "test.mdb"));
  }

  // A line of `words` in the modes named by `modes` (names separated by commas).
  static ParsedCommand line(std::string_view modes, const std::vector<std::string>& words) {
    ParsedCommand pc;
    for (std::size_t start = 0; start <= modes.size();) {
      const std::size_t comma = std::min(modes.find(',', start), modes.size());
      pc.Modes.emplace_back(modes.substr(start, comma - start));
      start = comma + 1;
    }
    pc.Device = "router";
    for (size_t i = 0; i < words.size(); ++i) pc.Words[i + 1] = words[i];
    pc.WordCount = static_cast<Int16>(words.size());
    return pc;
  }

  std::string last_log_line() const {
    std::istringstream in(file_text(log_.file()));
    std::string l, last;
    while (std::getline(in, l)) last = l;
    if (!last.empty() && last.back() == '\r') last.pop_back();
    return last;
  }

  // Runs each of the six queries once: each gives its empty answer and logs one line.
  void expect_every_query_fails_quietly() {
    ParsedCommand pc = line("usermode", {"show", "version"});
    pc.FullWords[1] = pc.TopText = "kept";
    SpecialWords special{};
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"sql count commands()", [&] { EXPECT_EQ(db_.sql_count_commands(pc, 1), 0); }},
        {"sql get command text()", [&] { db_.sql_get_command_text(pc, 1); }},
        {"sql help question()", [&] { EXPECT_EQ(db_.sql_help_question(pc, 1), ""); }},
        {"sql help space question()",
         [&] { EXPECT_EQ(db_.sql_help_space_question(pc, special, 0), ""); }},
        {"sql is command complete()", [&] { EXPECT_FALSE(db_.sql_is_command_complete(pc, 1)); }},
        {"sql check for special cases()",
         [&] { EXPECT_FALSE(db_.sql_check_for_special_cases(pc, 2)); }},
    };
    for (const auto& [name, run] : steps) {
      const int before = log_.lines_written();
      run();
      EXPECT_EQ(log_.lines_written(), before + 1) << name;
      EXPECT_EQ(last_log_line(), log_.format_line(name, RuntimeError::DatabaseError, {}));
    }
    EXPECT_EQ(std::tuple(pc.FullWords[1], pc.TopText), std::tuple("kept", "kept"));
  }

  testing::TempDir tmp_;
  const fs::path dir_ = tmp_.path();
  ScriptedHost host_;
  ErrorLog log_{host_, dir_ / "zorva.log"};
  CommandTables tables_;
  CommandDatabase db_{log_};
};

using CommandDatabaseTest = CommandDatabaseFixture;

TEST_F(CommandDatabaseTest, CountFollowsPrefixThenExactRule) {
  open_small();
  struct Case {
    const char* modes;
    std::vector<std::string> words;
    int depth;
    int expected;
  };
  // Prefixes; a word equal to one row that begins others means that row; case is ignored.
  // Ancestors match by prefix (ip% takes in ipx's children); an empty word matches every row.
  // Privileged mode sees both trees, each mode alone only its own; unknown modes add nothing.
  const Case cases[] = {
      {"usermode", {"sh"}, 1, 1},        {"usermode", {"s"}, 1, 2},
      {"globmode", {"ip"}, 1, 1},        {"globmode", {"i"}, 1, 2},
      {"globmode", {"IP"}, 1, 1},        {"usermode", {"xyz"}, 1, 0},
      {"usermode", {"sh", "ver"}, 2, 1}, {"usermode", {"sh", "x"}, 2, 0},
      {"globmode", {"ip", "m"}, 2, 1},   {"usermode", {"show", ""}, 2, 2},
      {"usermode", {"", ""}, 2, 4},      {"usermode", {"setup"}, 1, 0},
      {"privmode", {"show"}, 1, 0},      {kPrivileged, {"show"}, 1, 1},
      {kPrivileged, {"s"}, 1, 3},        {"globmode,nosuchmode", {"hostname"}, 1, 1},
  };
  for (const Case& c : cases) {
    ParsedCommand pc = line(c.modes, c.words);
    EXPECT_EQ(db_.sql_count_commands(pc, c.depth), c.expected)
        << c.modes << " word " << c.depth << " '" << c.words[static_cast<size_t>(c.depth - 1)]
        << "'";
  }
  EXPECT_EQ(log_.lines_written(), 0);
}

TEST_F(CommandDatabaseTest, GetCommandTextTakesFirstMatchPrefersBottextAndLogsAMiss) {
  open_small([](CommandTables& t) {
    for (CommandRow& row : t.levels[2]) {
      if (row.command != "running-config") continue;
      row.toptext = "top";
      row.bottext = "bottom";
    }
  });
  ParsedCommand pc = line("usermode", {"sh", "ver"});
  pc.BotText = "stale";
  db_.sql_get_command_text(pc, 2);
  EXPECT_EQ(std::tuple(pc.FullWords[2], pc.TopText, pc.BotText),
            std::tuple("version", kVersionText, ""));
  pc.Words[2] = "run";
  db_.sql_get_command_text(pc, 2);
  EXPECT_EQ(pc.TopText, "bottom");
  db_.sql_get_command_text(pc, 1);
  EXPECT_EQ(std::tuple(pc.FullWords[1], pc.TopText), std::tuple("show", ""));
  pc = line("globmode", {"ip"});
  db_.sql_get_command_text(pc, 1);
  EXPECT_EQ(pc.FullWords[1], "ip");  // ip comes before ipx in the table
  EXPECT_EQ(log_.lines_written(), 0);

  pc = line("usermode", {"nothing"});  // no match: the fields stay, the miss is logged
  pc.FullWords[1] = pc.TopText = "earlier";
  db_.sql_get_command_text(pc, 1);
  EXPECT_EQ(std::tuple(pc.FullWords[1], pc.TopText), std::tuple("earlier", "earlier"));
  EXPECT_EQ(log_.lines_written(), 1);
  EXPECT_NE(last_log_line().find("sql get command text()"), std::string::npos);
}

// An empty line's listing is sorted, padded and joins the two privileged trees; after full words
// the listing matches them exactly and arguments as any word.
TEST_F(CommandDatabaseTest, ListingsOfEmptyLinesAndOfLinesOfFullWords) {
  open_small();
  SpecialWords special{};
  ParsedCommand pc = line("globmode", {""});
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 0),
            "\r\n"
            "50%_off             A word holding LIKE wildcards\r\n"
            "a-very-long-command-wordTwenty characters or more\r\n"
            "banner              Define a login banner\r\n"
            "hostname            Set system's network name\r\n"
            "ip                  Global IP configuration subcommands\r\n"
            "ipx                 Novell IPX configuration commands\r\n");
  pc = line(kPrivileged, {""});
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 0),
            "\r\n"
            "ping                Send echo messages\r\n"
            "setup               Run the SETUP command facility\r\n"
            "show                Show running system information\r\n"
            "systat              Display information about terminal lines\r\n"
            "write               Write running configuration\r\n");

  pc = line("globmode", {"ip", ""});
  pc.FullWords[1] = "ip";  // exact: ipx's children stay out
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 1),
            "\r\nroute               Establish static routes\r\n");

  pc = line("globmode", {"hostname", "r1", ""});
  pc.FullWords[1] = "hostname";
  pc.FullWords[2] = "stale";
  special[2] = kTrue;
  EXPECT_EQ(db_.sql_help_space_question(pc, special, 2), "\r\n<cr>                \r\n");
  EXPECT_EQ(pc.FullWords[2], "%");
}

TEST_F(CommandDatabaseTest, DepthsOutsideTheirRangesBuildNoQuery) {
  open_small();
  ParsedCommand pc = line("usermode", {"show", "version", "a", "b", "c", "d", "e"});
  for (int d : {0, 7}) {
    EXPECT_EQ(db_.sql_count_commands(pc, d), 0);
    db_.sql_get_command_text(pc, d);
    EXPECT_EQ(db_.sql_help_question(pc, d), "");
    EXPECT_FALSE(db_.sql_is_command_complete(pc, d));
  }
  SpecialWords special{};
  for (int d : {-1, 7}) EXPECT_EQ(db_.sql_help_space_question(pc, special, d), "");
  for (int d : {1, 7}) EXPECT_FALSE(db_.sql_check_for_special_cases(pc, d));
  EXPECT_EQ(db_.statements_run(), 0);
  EXPECT_EQ(pc.FullWords[0], "");
  EXPECT_EQ(log_.lines_written(), 0);
}

TEST_F(CommandDatabaseTest, BeginLineReopensAndForgetsOnlyWhenAsked) {
  open_small();
  ParsedCommand pc = line("usermode", {"show"});
  const auto statements_for_two_lines = [&] {
    const long long before = db_.statements_run();
    for (int i = 0; i < 2; ++i) {
      db_.begin_line();
      db_.sql_is_command_complete(pc, 1);
    }
    return db_.statements_run() - before;
  };
  EXPECT_EQ(statements_for_two_lines(), 1);
  db_.set_remember_answers(false);
  EXPECT_EQ(statements_for_two_lines(), 2);
  db_.set_remember_answers(true);
  db_.set_reopen_every_line(true);
  EXPECT_EQ(statements_for_two_lines(), 2);
  EXPECT_TRUE(db_.is_open());
  EXPECT_EQ(db_.sql_count_commands(line("usermode", {"sh"}), 1), 1);
}

// A pattern SQLite refuses as too long fails the query in either store, but only where LIKE
// meets a row: a word under parents that match nothing is simply not found.
TEST_F(CommandDatabaseTest, AWordTooLongForLikeFailsTheQueryAndIsLogged) {
  open_small();
  const std::string longest(kLikePatternLimit - 1, 'x');  // with its % the pattern is at the limit
  EXPECT_EQ(db_.sql_count_commands(line("usermode", {longest}), 1), 0);
  EXPECT_EQ(log_.lines_written(), 0);
  EXPECT_EQ(db_.sql_count_commands(line("usermode", {longest + "x"}), 1), 0);
  EXPECT_EQ(log_.lines_written(), 1);
  EXPECT_EQ(last_log_line(),
            log_.format_line("sql count commands()", RuntimeError::QueryFailed, {}));
  EXPECT_EQ(db_.sql_count_commands(line("usermode", {"nothing", longest + "x"}), 2), 0);
  EXPECT_EQ(log_.lines_written(), 1);
  EXPECT_EQ(db_.sql_count_commands(line("usermode", {"sh"}), 1), 1);  // the store still answers
}

TEST_F(CommandDatabaseTest, ClosedDatabaseMakesEveryQueryYieldNothingAndLog) {
  open_small();
  EXPECT_EQ(std::tuple(db_.status(), db_.problem()), std::tuple(CommandDatabase::Status::Open, ""));
  db_.close();
  EXPECT_FALSE(db_.is_open());
  expect_every_query_fails_quietly();
}

TEST_F(CommandDatabaseTest, UnusableDatabaseMakesEveryQueryYieldNothingAndLog) {
  std::ofstream(dir_ / "empty.mdb").close();
  std::ofstream(dir_ / "garbage.mdb") << std::string(4096, 'x');
  run_sql(dir_ / "other.mdb", "CREATE TABLE device (ID INTEGER, device TEXT);");
  fs::create_directory(dir_ / "folder.mdb");
  using Status = CommandDatabase::Status;
  const struct {
    const char* name;
    Status status;
    RuntimeError logged;
    const char* problem;
  } cases[] = {
      {"absent.mdb", Status::Missing, RuntimeError::DatabaseError, " is missing: "},
      {"empty.mdb", Status::Damaged, RuntimeError::DatabaseDamaged, " is damaged: "},
      {"garbage.mdb", Status::Damaged, RuntimeError::DatabaseDamaged, " is damaged: "},
      {"other.mdb", Status::Damaged, RuntimeError::DatabaseDamaged, " is damaged: "},
      {"folder.mdb", Status::Damaged, RuntimeError::DatabaseDamaged, " is damaged: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int before = log_.lines_written();
    EXPECT_FALSE(db_.open(dir_ / c.name));
    EXPECT_FALSE(db_.is_open());
    EXPECT_EQ(db_.status(), c.status);
    EXPECT_EQ(log_.lines_written(), before + 1);
    EXPECT_EQ(last_log_line(), log_.format_line("new parse the command()", c.logged, {}));
    // One sentence for the faces, naming the file.
    EXPECT_NE(db_.problem().find((dir_ / c.name).string() + c.problem), std::string::npos)
        << db_.problem();
    expect_every_query_fails_quietly();
  }
  EXPECT_FALSE(fs::exists(dir_ / "absent.mdb"));  // opening never creates the file
}

}  // namespace
}  // namespace zorva
