// Where the command tree is read from: the six raw queries of the command database, answered by a
// store. Two stores give the same answers: the SQLite file zorva.mdb (SqliteCommandStore) and the
// tables compiled into the program (MemoryCommandStore), for builds that have no SQLite.
// CommandDatabase builds the patterns, logs failures and remembers answers; a store only answers.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/behaviour.h"
#include "parser/command_tables.h"

namespace zorva {

// Each query reads the rows of one level whose parent is among the rows matched one level down,
// and so on to the wanted modes of the device "router"; every level of that chain is matched by a
// LIKE pattern on `command`. `d` is the depth the parser asks about.
//   Count              level d:   count(DISTINCT command)
//   CommandText        level d:   command, toptext, bottext of the rows, ORDER BY ID
//   HelpQuestion       level d:   command, GROUP BY command ORDER BY min(ID)
//   HelpSpaceQuestion  level d+1: command, help, GROUP BY command, help ORDER BY command, min(ID)
//   IsComplete         level d+1: count(ID) WHERE command = '<cr>'
//   SpecialCases       level d:   count(ID) WHERE special IN ('WORD','LINE','Range','IP',
//                                 'SUBNETMASK')
//   Arguments          level d:   command, special WHERE special IN (...the same...) ORDER BY ID
// Count, CommandText and HelpQuestion match level d itself too; the other four take every row of
// their level under the matched parents. At every level only the rows of the line's behaviour are
// read: `behaviour IS NULL` in classic, `behaviour IS NULL OR behaviour = 'real-router'` in
// real-router (see kRealRouterRow).
enum class Query {
  Count,
  CommandText,
  HelpQuestion,
  HelpSpaceQuestion,
  IsComplete,
  SpecialCases,
  Arguments,  // asked by real-router lines only, which check what an argument holds
};

// The level whose rows a query reads.
constexpr int queried_level(Query q, int d) {
  return q == Query::HelpSpaceQuestion || q == Query::IsComplete ? d + 1 : d;
}

// The number of LIKE patterns a query binds: one per matched level, from its top level down to 1.
constexpr int pattern_count(Query q, int d) {
  switch (q) {
    case Query::Count:
    case Query::CommandText:
    case Query::HelpQuestion:
    case Query::HelpSpaceQuestion:
    case Query::IsComplete:
      return d;
    case Query::SpecialCases:
    case Query::Arguments:
      return d - 1;
  }
  return -1;
}

constexpr bool is_count_query(Query q) {
  return q == Query::Count || q == Query::IsComplete || q == Query::SpecialCases;
}

// One text column of a result row: std::nullopt for NULL.
using StoreCell = std::optional<std::string_view>;
using StoreRow = std::span<const StoreCell>;
using RowVisitor = std::function<bool(StoreRow)>;  // false stops reading rows

class CommandStore {
 public:
  virtual ~CommandStore() = default;

  // The arguments of both calls: `patterns` are the LIKE patterns (ESCAPE '\'), the top level's
  // first and level 1's last, as the statement binds them; `modes` are the wanted mode names;
  // `behaviour` is the behaviour whose rows may be read.
  // Both return false when the query could not run: a count query asked for rows or the other way
  // round, a level outside 1..7, a wrong number of patterns, or a failing statement.

  // Count, IsComplete, SpecialCases: the one number the query selects.
  virtual bool count(Query q, int d, const std::vector<std::string>& patterns,
                     const std::vector<std::string>& modes, Behaviour behaviour,
                     long long& result) = 0;
  // CommandText, HelpQuestion, HelpSpaceQuestion, Arguments: the rows in the query's order, until
  // `visit` returns false. The cells are valid during the call only.
  virtual bool rows(Query q, int d, const std::vector<std::string>& patterns,
                    const std::vector<std::string>& modes, Behaviour behaviour,
                    const RowVisitor& visit) = 0;
};

// Whether a call is well formed for `count` (`wants_count`) or `rows`: see CommandStore.
constexpr bool is_well_formed(Query q, int d, std::size_t patterns, bool wants_count) {
  const int level = queried_level(q, d);
  return is_count_query(q) == wants_count && level >= 1 && level <= kCommandLevels &&
         pattern_count(q, d) >= 0 && static_cast<std::size_t>(pattern_count(q, d)) == patterns;
}

// How opening a store went.
enum class StoreStatus { NotOpened, Open, Missing, Damaged };

struct OpenedStore {
  std::unique_ptr<CommandStore> store;  // null unless `status` is Open
  StoreStatus status = StoreStatus::NotOpened;
};

// The store for the command database file `file`. The build chooses what this is: the SQLite file
// itself (open_store_sqlite.cpp), or, in a build without SQLite, the built-in tables whatever the
// path (open_store_builtin.cpp).
OpenedStore open_store_for_path(const std::filesystem::path& file);

}  // namespace zorva
