// The two command stores give the same answer to the same query: the SQLite file and the memory
// tables, both made from the same tables, are asked every query the parser can put over the
// shipped tree (every prefix of every word under its real parents, and hostile words), then
// wildcard-laden patterns over awkward tables the tree checker would never let through.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "parser/command_store.h"
#include "parser/memory_command_store.h"
#include "parser/sql_text_rules.h"
#include "parser/sqlite_command_store.h"
#include "tests/support/command_stores.h"
#include "tests/support/test_paths.h"
#include "tools/mdbgen/command_database_writer.h"

namespace zorva {
namespace {

using Patterns = std::vector<std::string>;
using Modes = std::vector<std::string>;

// One store's whole answer: whether the query ran, and its count or its rows.
struct Answer {
  bool ran = false;
  long long count = 0;
  std::vector<std::vector<std::optional<std::string>>> rows;
  bool operator==(const Answer&) const = default;
};

Answer ask(CommandStore& store, Query q, int d, const Patterns& patterns, const Modes& modes,
           Behaviour b) {
  Answer a;
  if (is_count_query(q)) {
    a.ran = store.count(q, d, patterns, modes, b, a.count);
  } else {
    a.ran = store.rows(q, d, patterns, modes, b, [&](StoreRow row) {
      a.rows.emplace_back(row.begin(), row.end());
      return true;
    });
  }
  return a;
}

std::string describe(const Answer& a) {
  if (!a.ran) return "failed";
  std::string text = "count " + std::to_string(a.count) + ", rows";
  for (const auto& row : a.rows) {
    text += " [";
    for (const auto& cell : row) text += (cell ? "'" + *cell + "'" : "NULL") + " ";
    text += "]";
  }
  return text;
}

// The parser's two pattern forms: the word matched literally, and as a prefix.
std::string literal(const std::string& word) {
  std::string pattern;
  for (char c : word) {
    if (c == '%' || c == '_' || c == '\\') pattern += '\\';
    pattern += c;
  }
  return pattern;
}

std::string prefix(const std::string& word) {
  return literal(word) + "%";
}

constexpr Query kAllQueries[] = {Query::Count,      Query::CommandText,       Query::HelpQuestion,
                                 Query::IsComplete, Query::HelpSpaceQuestion, Query::SpecialCases,
                                 Query::Arguments};

class StoreAgreement : public ::testing::Test {
 protected:
  void open(const CommandTables& tables) {
    std::string error;
    ASSERT_TRUE(write_command_database(tables, dir_.path() / "agree.mdb", error)) << error;
    OpenedStore opened = SqliteCommandStore::open(dir_.path() / "agree.mdb");
    ASSERT_EQ(opened.status, StoreStatus::Open);
    sqlite_ = std::move(opened.store);
    memory_ = std::make_unique<MemoryCommandStore>(tables);
  }

  // Asks both stores once per distinct question; a difference fails the test (the first few are
  // shown).
  void agree(Query q, int d, const Patterns& patterns, const Modes& modes) {
    std::string key = std::to_string(static_cast<int>(q)) + "/" + std::to_string(d);
    for (const auto& list : {modes, patterns})
      for (const std::string& s : list) key += "|" + std::to_string(s.size()) + ":" + s;
    if (!asked_.insert(key).second) return;
    for (Behaviour b : {Behaviour::Classic, Behaviour::RealRouter}) {
      const Answer from_sqlite = ask(*sqlite_, q, d, patterns, modes, b);
      const Answer from_memory = ask(*memory_, q, d, patterns, modes, b);
      if (from_sqlite != from_memory && ++differences_ <= 5)
        report(q, d, patterns, modes, b, from_sqlite, from_memory);
    }
  }

  void report(Query q, int d, const Patterns& patterns, const Modes& modes, Behaviour b,
              const Answer& from_sqlite, const Answer& from_memory) {
    std::string question = "query " + std::to_string(static_cast<int>(q)) + " at depth " +
                           std::to_string(d) + " in " + std::string(behaviour_name(b)) + ", modes";
    for (const std::string& m : modes) question += " '" + m + "'";
    question += ", patterns";
    for (const std::string& p : patterns) question += " '" + p.substr(0, 40) + "'";
    ADD_FAILURE() << question << "\n  SQLite: " << describe(from_sqlite)
                  << "\n  memory: " << describe(from_memory);
  }

  // Every query at depth d whose top pattern is `top` (or, where the query matches no level d, the
  // patterns of the levels below alone).
  void agree_at_depth(int d, const std::string& top, const Patterns& below, const Modes& modes) {
    Patterns with_top = below;
    with_top.insert(with_top.begin(), top);
    for (Query q : kAllQueries) agree(q, d, pattern_count(q, d) == d ? with_top : below, modes);
  }

  testing::TempDir dir_;
  std::unique_ptr<CommandStore> sqlite_;
  std::unique_ptr<CommandStore> memory_;
  std::set<std::string> asked_;
  int differences_ = 0;
};

// The mode lists the parser asks with: one mode, or user and privileged mode together.
std::vector<Modes> mode_lists(const CommandTables& tables) {
  std::vector<Modes> lists;
  for (const CommandMode& m : tables.modes) lists.push_back({m.name});
  lists.push_back({"usermode", "privmode"});
  return lists;
}

const std::vector<std::string> kHostileWords = {
    "", "%", "_", "\\", "SH", "Sh%", "a_b", "\xc3\xa9", "\xff\xfe", "\x80", std::string("s\0h", 3)};

// A row of the shipped tree with the words of its ancestors.
struct Path {
  std::vector<std::string> words;  // the commands of levels 1..depth, the row's own last
  std::vector<bool> arguments;     // per level, whether that row is an argument
  int mode = 0;                    // the mode ID the first word hangs under
};

// Every row of levels 1..6 with its path, level by level.
std::vector<std::vector<Path>> paths_of(const CommandTables& tables) {
  std::vector<std::vector<Path>> levels(kCommandLevels);
  std::map<int, Path> above;  // the previous level's paths by ID
  for (int level = 1; level < kCommandLevels; ++level) {
    std::map<int, Path> here;
    for (const CommandRow& row : tables.levels[static_cast<size_t>(level)]) {
      Path p;
      if (level > 1) {
        auto parent = above.find(row.ref);
        if (parent == above.end()) continue;
        p = parent->second;
      } else {
        p.mode = row.ref;
      }
      p.words.push_back(row.command.value_or(""));
      p.arguments.push_back(row.special.has_value());
      here[row.id] = p;
      levels[static_cast<size_t>(level)].push_back(p);
    }
    above = std::move(here);
  }
  return levels;
}

// The patterns of a path's levels, top first, as the parser builds them: by prefix when words
// are looked up, literal (arguments as %) when the listing after a full command is made.
Patterns prefixes_below(const Path& p, size_t levels) {
  Patterns patterns;
  for (size_t i = levels; i-- > 0;) patterns.push_back(prefix(p.words[i]));
  return patterns;
}

Patterns full_words(const Path& p) {
  Patterns patterns;
  for (size_t i = p.words.size(); i-- > 0;)
    patterns.push_back(p.arguments[i] ? "%" : literal(p.words[i]));
  return patterns;
}

bool in_modes(const CommandTables& tables, int mode_id, const Modes& modes) {
  for (const CommandMode& m : tables.modes)
    if (m.id == mode_id)
      for (const std::string& wanted : modes)
        if (sql_nocase_equal(m.name, wanted)) return true;
  return false;
}

// The shipped tree, opened in both stores, with the paths of its rows.
class ShippedTreeAgreement : public StoreAgreement {
 protected:
  void SetUp() override { open(tables_); }

  const CommandTables tables_ = testing::shipped_tables();
  const std::vector<std::vector<Path>> levels_ = paths_of(tables_);
};

TEST_F(ShippedTreeAgreement, EveryPrefixOfEveryWordUnderItsRealParents) {
  std::size_t swept = 0;
  for (const Modes& modes : mode_lists(tables_)) {
    agree(Query::HelpSpaceQuestion, 0, {}, modes);
    for (int d = 1; d < kCommandLevels; ++d) {
      for (const Path& p : levels_[static_cast<size_t>(d)]) {
        if (!in_modes(tables_, p.mode, modes) || swept++ % testing::kSweepStride != 0) continue;
        const Patterns below = prefixes_below(p, p.words.size() - 1);
        const std::string& word = p.words.back();
        for (size_t n = 1; n <= word.size(); ++n) {
          agree_at_depth(d, prefix(word.substr(0, n)), below, modes);
          Patterns exact = below;  // the exact count after an ambiguous prefix
          exact.insert(exact.begin(), literal(word.substr(0, n)));
          agree(Query::Count, d, exact, modes);
        }
        agree(Query::HelpSpaceQuestion, d, full_words(p), modes);
      }
    }
  }
  EXPECT_GT(asked_.size(), 10000u / testing::kSweepStride);
  EXPECT_EQ(differences_, 0);
}

// Hostile words typed under every real parent, as the parser escapes them, and as raw patterns
// at every level.
TEST_F(ShippedTreeAgreement, HostileWordsUnderEveryParent) {
  std::size_t swept = 0;
  for (const Modes& modes : mode_lists(tables_)) {
    for (int d = 1; d < kCommandLevels; ++d) {
      std::vector<Patterns> parents;
      if (d == 1) parents.push_back({});
      for (const Path& p : levels_[static_cast<size_t>(d - 1)])
        if (in_modes(tables_, p.mode, modes) && p.words.back() != "<cr>")
          parents.push_back(prefixes_below(p, p.words.size()));
      for (const Patterns& below : parents) {
        if (swept++ % testing::kSweepStride != 0) continue;
        for (const std::string& hostile : kHostileWords) {
          Patterns typed = below;
          typed.insert(typed.begin(), prefix(hostile));
          for (Query q : {Query::Count, Query::CommandText, Query::HelpQuestion, Query::IsComplete})
            agree(q, d, typed, modes);
        }
      }
      for (const std::string& hostile : kHostileWords)
        agree_at_depth(d, hostile, Patterns(static_cast<size_t>(d - 1), hostile), modes);
    }
  }
  EXPECT_GT(asked_.size(), 10000u / testing::kSweepStride);
  EXPECT_EQ(differences_, 0);
}

// Tables no tree would give: the same word in several spellings under one parent and under
// several, NULLs in every column, wildcards, escapes, NUL bytes and non-ASCII text in words,
// "<cr>" in capitals, a kind in the wrong case, a row without a parent and one at level 7, and
// rows marked for real-router (one marked in capitals, which no behaviour reads).
CommandTables awkward_tables() {
  CommandTables t;
  t.modes = {{1, "usermode"}, {2, "privmode"}, {3, "Globmode"}, {4, "usermode"}};
  const auto row = [](int id, int ref, CommandText command, CommandText help = std::nullopt,
                      CommandText special = std::nullopt, CommandText top = std::nullopt,
                      CommandText bottom = std::nullopt, CommandText behaviour = std::nullopt) {
    return CommandRow{id, ref, command, help, special, top, bottom, behaviour};
  };
  const CommandText real(std::string{kRealRouterRow});
  const std::string nul(1, '\0');
  t.levels[1] = {row(1, 1, "show", "Show"),
                 row(2, 1, "SHOW", "Show", {}, "top"),
                 row(3, 2, "Show", "Other"),
                 row(4, 1, "sh%ow", "Percent", {}, {}, "bottom"),
                 row(5, 1, "a_b", "One"),
                 row(6, 1, "a\\b", "Slash"),
                 row(7, 2, "\xc3\xa9t\xc3\xa9"),
                 row(8, 2, "\xc3\x89T\xc3\x89", "Capital"),
                 row(9, 1, std::nullopt, "Null"),
                 row(10, 1, "<CR>"),
                 row(11, 3, "WORD", "Any", "WORD"),
                 row(12, 3, "word", "Any", "word"),
                 row(13, 1, "x" + nul + "y"),
                 row(14, 1, "x" + nul + "z", "Nul"),
                 row(15, 1, ""),
                 row(16, 1, "\xff\xfe"),
                 row(17, 1, "zz"),
                 row(18, 1, "ZZ", "a"),
                 row(19, 99, "show", "Orphan"),
                 row(20, 4, "show", "Again", {}, "", ""),
                 row(21, 1, "shout", "Real", {}, {}, {}, real),
                 row(22, 1, "show", "Real twin", {}, {}, {}, real),
                 row(23, 1, "sh", "Other kind", {}, {}, {}, "REAL-ROUTER")};
  t.levels[2] = {row(1, 1, "version", "V"),
                 row(2, 2, "VERSION", "V"),
                 row(3, 3, "version", "W"),
                 row(4, 1, "<cr>"),
                 row(5, 2, "<CR>", "End"),
                 row(6, 11, "<cr>"),
                 row(7, 4, "Range", "N", "Range"),
                 row(8, 12, "IP", "Addr", "IP"),
                 row(9, 20, "version", {}, "LINE"),
                 row(10, 9, "child", "Of NULL"),
                 row(11, 1, "<cr>", {}, {}, {}, {}, real),
                 row(12, 21, "version", "Under real", {}, {}, {}, real),
                 row(13, 1, "WORD", "Real arg", "WORD", {}, {}, real)};
  t.levels[3] = {row(1, 1, "<cr>"), row(2, 3, "<cr>"), row(3, 7, "a%", "Deep")};
  for (int level = 4; level <= kCommandLevels; ++level)  // a chain from "a%" down to level 7
    t.levels[static_cast<size_t>(level)] = {
        row(1, level == 4 ? 3 : 1, "deep" + std::to_string(level), "D")};
  return t;
}

TEST_F(StoreAgreement, WildcardPatternsOverAwkwardTables) {
  const CommandTables tables = awkward_tables();
  open(tables);
  const std::string nul(1, '\0');
  const std::vector<std::string> patterns = {
      "",          "%",      "_",         "\\",  "\\%",           "%\\",      "s%",
      "S_O%",      "sh\\%%", "a\\_b",     "a_b", "a\\\\b",        "%b",       "\xc3\xa9%",
      "\xc3\x89%", "_t%",    "%\xc3\xa9", "x",   "x" + nul + "q", "x%",       "<cr>",
      "<CR>",      "w%d",    "%%",        "_%_", "\xff",          "\xff\xfe", "deep_",
      "v%",        "V_R%",   "%sion"};
  const std::vector<Modes> modes = {{"usermode"}, {"usermode", "privmode"},
                                    {"GLOBMODE"}, {"privmode", "usermode", "globmode"},
                                    {},           {"x" + nul}};
  for (const Modes& m : modes) {
    for (int d = 0; d <= kCommandLevels + 1; ++d) {
      for (Query q : kAllQueries) {
        const int n = std::max(pattern_count(q, d), 0);
        for (const std::string& p : patterns) {
          agree(q, d, Patterns(static_cast<size_t>(n), p), m);
          Patterns under_any(static_cast<size_t>(n), "%");
          if (n > 0) under_any.front() = p;
          agree(q, d, under_any, m);
        }
        agree(q, d, Patterns(static_cast<size_t>(n + 1), "%"), m);  // one pattern too many
      }
    }
  }
  // The longest pattern SQLite takes, one byte more where LIKE meets rows, and where it meets none.
  const std::string longest(kLikePatternLimit, '%');
  for (const std::string& p : {longest, longest + "%"}) {
    agree(Query::Count, 1, {p}, {"usermode"});
    agree(Query::Count, 2, {"%", p}, {"usermode"});
    agree(Query::Count, 2, {p, "nothing"}, {"usermode"});
  }
  EXPECT_EQ(differences_, 0);
}

}  // namespace
}  // namespace zorva
