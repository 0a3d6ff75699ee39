// The parser: splitting a line, the depth walk and its messages, and lines no student should be
// able to break it with, on the shipped zorva.mdb (the built-in tables answer alike).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "console/key_handler.h"
#include "parser/new_parse.h"
#include "tests/support/command_stores.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

using testing::TestSimulation;

class Parser : public ::testing::Test {
 protected:
  TestSimulation t{testing::topology(1, 2, 1)};
  RouterRecord& rec = t.router(1).record;

  ParseResult parse(std::string line, ParseAction action, int mode) {
    rec.mode = static_cast<Int16>(mode);
    rec.parse_action = action;
    return new_parse_the_command(t.sim->parser, "router", mode, line, rec);
  }
};

TEST_F(Parser, ChopUpKeepsEmptyWordsRemovesNoAndStopsAtTheTwentySixthWord) {
  ParsedCommand pc;
  std::string line = "  NO  Shutdown now ";
  chop_up_command(t.sim->log, pc, line);
  EXPECT_EQ(line, "NO  Shutdown now");  // trimmed in the caller's variable
  EXPECT_EQ(pc.Line, "  NO  Shutdown now ");
  EXPECT_EQ(std::tuple(pc.Negated, pc.WordCount), std::tuple(kTrue, Int16{3}));
  // The last word keeps its old place as well.
  EXPECT_EQ((std::vector<std::string>{pc.Words[1], pc.Words[2], pc.Words[4]}),
            (std::vector<std::string>{"", "shutdown", "now"}));
  EXPECT_EQ(std::pair(pc.RawWords[1], pc.RawWords[3]),
            (std::pair<std::string, std::string>("NO", "Shutdown")));

  ParsedCommand blank;
  line = "   ";
  chop_up_command(t.sim->log, blank, line);
  EXPECT_EQ(std::pair(blank.WordCount, blank.Words[1]), std::pair(Int16{1}, std::string()));

  ParsedCommand many;
  line.clear();
  for (int i = 1; i <= 30; ++i) line += "w" + std::to_string(i) + " ";
  chop_up_command(t.sim->log, many, line);
  EXPECT_EQ(std::pair(many.WordCount, many.Words[26]),
            std::pair(Int16{kMaxWords}, std::string("w26")));
}

// Tab, and the messages for unknown, ambiguous and incomplete lines, are in console_help.out;
// "no shutdown" resolving without its "no" is in every transcript that brings an interface up;
// typed wildcards matching only themselves is a store question. Both stores answer alike
// (command_store_agreement_test.cpp), so the parser runs on the simulation's zorva.mdb alone.
TEST_F(Parser, ArgumentsApostrophesAndDoubleBlanks) {
  parse("hostname Lab1 and more words", ParseAction::Execute, 4);
  EXPECT_EQ(rec.hostname, "Lab1");  // an argument at word two executes at once
  parse("con'figure termin'al", ParseAction::Execute, 3);
  EXPECT_EQ(rec.mode, 4);  // apostrophes are ignored in words
  // Two blanks make an empty word, which matches everything.
  EXPECT_EQ(parse("show  version", ParseAction::Execute, 3).message,
            "\r\n% Ambiguous command:  \"show  version\"");
}

TEST_F(Parser, HostileLinesGiveAMessageNeverACrash) {
  const std::string hostile[] = {
      std::string(10000, 'x'),
      std::string(10000, ' ') + "show",
      "show " + std::string(5000, '%'),
      "sh%",
      "s_ow",
      "show ver'; drop table cmd1; --",
      "\"show\" version",
      std::string("\x01\x02\x7f\xff\xfe", 5),
      "show \xc3\xa9t\xc3\xa9",
      std::string("sh\0ow", 5),
  };
  for (Behaviour b : {Behaviour::Classic, Behaviour::RealRouter}) {
    t.sim->behaviour = b;
    for (const std::string& line : hostile) {
      for (ParseAction action : {ParseAction::Execute, ParseAction::Tab, ParseAction::QuestionMark,
                                 ParseAction::SpaceQuestionMark}) {
        for (int mode : {3, 4}) {  // in configuration mode a real-router line may begin with "do"
          const std::string typed = mode == 4 ? "do " + line : line;
          const ParseResult r = parse(typed, action, mode);
          if (action == ParseAction::Execute) {
            EXPECT_EQ(r.show_message, kTrue) << line.substr(0, 40) << " " << behaviour_name(b);
          }
        }
      }
    }
  }
  t.sim->behaviour = Behaviour::Classic;
  // The store is read-only: whatever was typed, the tree is still there.
  EXPECT_EQ(parse("show version", ParseAction::Execute, 3).show_message, kFalse);
}

// Rows marked '+' exist for real-router lines only: a classic line never finds, completes or
// lists them, and the answers remembered for one behaviour are not given to the other. (Real-router
// lines also complete and list in their own way: real_cli_help.out.)
TEST_F(Parser, MarkedRowsServeRealRouterLinesOnly) {
  const CommandTables tables = testing::tables_from_text(
      "mode privmode\n"
      "  show  Show\n"
      "    clock  Clock\n"
      "      <cr>\n"
      "      +detail  Detail\n"
      "        <cr>\n"
      "    +controllers  Controllers\n"
      "      serial  Serial\n"
      "        <cr>\n"
      "  ping  Ping\n"
      "    +ip  IP echo\n"  // real-router tries keywords first, even beside an argument
      "      <cr>\n"
      "    WORD {WORD}  Host\n"
      "      <cr>\n"
      "    +<cr>\n",
      "");
  ASSERT_TRUE(testing::open_as(t.sim->db, testing::StoreKind::SqliteFile, tables,
                               t.dir.path() / "marked.mdb"));
  struct Case {
    const char* line;
    ParseAction action;
    std::string classic;  // the message, the completed line or the listing
    std::string real;
  };
  const Case cases[] = {
      {"show controllers serial", ParseAction::Execute, kInvalidInput, ""},
      {"ping", ParseAction::Execute, kIncomplete, ""},
      {"ping i", ParseAction::Tab, "ping ", "ping ip "},
      {"show clock detail", ParseAction::Execute, kInvalidInput, ""},
      {"show c", ParseAction::Execute, "", "\r\n% Ambiguous command:  \"show c\""},
      {"sh co", ParseAction::Tab, "show ", "sh controllers "},
      {"show c", ParseAction::QuestionMark, "\r\nclock \r\n", "\r\nclock  controllers\r\n"},
      {"show clock ", ParseAction::SpaceQuestionMark, "\r\n<cr>                \r\n",
       "\r\n  detail  Detail\r\n  <cr>\r\n"},
  };
  for (const Case& c : cases) {
    for (Behaviour b : {Behaviour::Classic, Behaviour::RealRouter}) {
      t.sim->behaviour = b;
      const ParseResult r = parse(c.line, c.action, 3);
      const std::string& want = b == Behaviour::Classic ? c.classic : c.real;
      const std::string got = c.action == ParseAction::Execute ? r.message
                              : c.action == ParseAction::Tab   ? r.completed_line
                                                               : r.help_text;
      EXPECT_EQ(got, want) << c.line << " in " << behaviour_name(b);
    }
  }
}

class BrokenDatabase : public ::testing::TestWithParam<std::string> {};

TEST_P(BrokenDatabase, EveryNonEmptyLineIsInvalidAndLogged) {
  testing::TempDir app;
  if (GetParam() != "missing") app.write("zorva.mdb", GetParam());
  TestSimulation t(testing::topology(1, 1, 0), app.path());
  t.line("enable");
  t.type("show ?");
  EXPECT_NE(t.transcript(1).find("Router>enable\n% Invalid input detected at '^' marker."),
            std::string::npos);
  EXPECT_NE(t.log_text().find("sql count commands()"), std::string::npos);
  EXPECT_EQ(t.router(1).record.mode, 2);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenDatabase,
                         ::testing::Values("missing", "", "this is not a database at all",
                                           std::string("SQLite format 3\0garbage", 24)),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
}  // namespace zorva
