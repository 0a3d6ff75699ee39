// The six queries over the tables in memory. Each mirrors its SQL (see command_store.h):
//   - `mode IN (...) AND ref IN (device 'router')`: the modes whose name equals a wanted name under
//     NOCASE (the column's collation); every mode belongs to the router.
//   - `ref IN (SELECT ID ... )`: the children of the matched parent IDs, found through the by-ref
//     index rather than a scan; IDs are unique, so no row is reached twice.
//   - `command LIKE ? ESCAPE '\'`: sql_like on each such child. SQLite evaluates LIKE only on
//     the rows its ref index hands it, so an over-long pattern fails the query exactly when there
//     is such a row; a NULL command never matches.
//   - `command`'s DISTINCT, GROUP BY, ORDER BY and `= '<cr>'` compare under NOCASE; `help` and
//     `special` have no collation and compare byte for byte. NULL is one group and sorts first.
//   - `behaviour IS NULL [OR behaviour = 'real-router']` at every level: a row marked for
//     real-router is passed over by classic lines, as if it were not there.
//   - A grouped row shows the command of its lowest-ID row: with min(ID) in the query, SQLite reads
//     the bare columns from the row holding the minimum.
#include "parser/memory_command_store.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>

#include "parser/sql_text_rules.h"

namespace zorva {
namespace {

// The argument kinds of `special IN ('WORD','LINE','Range','IP','SUBNETMASK')`, compared exactly.
constexpr std::string_view kArgumentKinds[] = {"WORD", "LINE", "Range", "IP", "SUBNETMASK"};

StoreCell cell(const CommandText& text) {
  return text ? StoreCell(*text) : std::nullopt;
}

// NOCASE order of a nullable command, NULL first.
bool command_less(const CommandText& a, const CommandText& b) {
  if (!a || !b) return !a && b;
  return sql_nocase_compare(*a, *b) < 0;
}

// BINARY order of a nullable text, NULL first.
bool binary_less(const CommandText& a, const CommandText& b) {
  if (!a || !b) return !a && b;
  return *a < *b;
}

// The GROUP BY key of the "? after a space" listing: command under NOCASE, then help.
struct CommandHelpLess {
  bool operator()(const CommandRow* a, const CommandRow* b) const {
    if (command_less(a->command, b->command)) return true;
    if (command_less(b->command, a->command)) return false;
    return binary_less(a->help, b->help);
  }
};

// The GROUP BY / DISTINCT key of the command alone, under NOCASE.
struct CommandLess {
  bool operator()(const CommandRow* a, const CommandRow* b) const {
    return command_less(a->command, b->command);
  }
};

// Whether lines of `behaviour` may use the row: every row serves real-router, only the unmarked
// rows serve classic.
bool serves(const CommandRow& row, Behaviour behaviour) {
  return !row.behaviour || (behaviour == Behaviour::RealRouter && *row.behaviour == kRealRouterRow);
}

bool by_id(const CommandRow* a, const CommandRow* b) {
  return a->id < b->id;
}

bool is_argument_kind(const CommandText& special) {
  return special && std::find(std::begin(kArgumentKinds), std::end(kArgumentKinds), *special) !=
                        std::end(kArgumentKinds);
}

// One row per group, the group's lowest-ID row, in the order of first appearance in `rows`
// (which the caller sorts by ID, so each group's first row is its lowest).
template <typename Less>
std::vector<const CommandRow*> first_of_each_group(const std::vector<const CommandRow*>& rows) {
  std::set<const CommandRow*, Less> seen;
  std::vector<const CommandRow*> firsts;
  for (const CommandRow* r : rows)
    if (seen.insert(r).second) firsts.push_back(r);
  return firsts;
}

}  // namespace

MemoryCommandStore::MemoryCommandStore(const CommandTables& tables) : tables_(tables) {
  for (int level = 1; level <= kCommandLevels; ++level) {
    auto& index = by_ref_[static_cast<size_t>(level)];
    for (const CommandRow& row : tables_.levels[static_cast<size_t>(level)])
      index.emplace_back(row.ref, &row);
    std::sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
      return a.first != b.first ? a.first < b.first : a.second->id < b.second->id;
    });
  }
}

std::vector<int> MemoryCommandStore::mode_ids(const std::vector<std::string>& modes) const {
  std::vector<int> ids;
  for (const CommandMode& m : tables_.modes) {
    if (std::any_of(modes.begin(), modes.end(),
                    [&](const std::string& wanted) { return sql_nocase_equal(m.name, wanted); }))
      ids.push_back(m.id);
  }
  return ids;
}

// `ref IN (...)` is a set: a parent ID given twice still reaches its children once.
MemoryCommandStore::Rows MemoryCommandStore::children(int level, std::vector<int> parent_ids,
                                                      Behaviour behaviour) const {
  std::sort(parent_ids.begin(), parent_ids.end());
  parent_ids.erase(std::unique(parent_ids.begin(), parent_ids.end()), parent_ids.end());
  const auto& index = by_ref_[static_cast<size_t>(level)];
  Rows found;
  for (int id : parent_ids) {
    auto first = std::lower_bound(index.begin(), index.end(), id,
                                  [](const auto& entry, int ref) { return entry.first < ref; });
    for (auto it = first; it != index.end() && it->first == id; ++it)
      if (serves(*it->second, behaviour)) found.push_back(it->second);
  }
  return found;
}

// Walks from the wanted modes up to level `top`, each level keeping the children of the level
// below whose command is LIKE its pattern (patterns.back() is level 1's). Leaves the IDs matched at
// `top` (the mode IDs when `top` is 0) and, for top >= 1, their rows. False when LIKE fails.
bool MemoryCommandStore::match_chain(int top, const std::vector<std::string>& patterns,
                                     const std::vector<std::string>& modes, Behaviour behaviour,
                                     std::vector<int>& ids, Rows& rows) const {
  ids = mode_ids(modes);
  rows.clear();
  for (int level = 1; level <= top; ++level) {
    const std::string& pattern = patterns[static_cast<size_t>(top - level)];
    Rows candidates = children(level, ids, behaviour);
    if (!candidates.empty() && pattern.size() > kLikePatternLimit) return false;
    ids.clear();
    rows.clear();
    for (const CommandRow* r : candidates) {
      if (r->command && sql_like(pattern, *r->command) == LikeResult::Match) {
        ids.push_back(r->id);
        rows.push_back(r);
      }
    }
  }
  return true;
}

// The rows a query reads before grouping: the matched rows of level d, or for the queries one
// level further (and SpecialCases, which matches only the levels below d) every child of the
// matched rows.
bool MemoryCommandStore::read_rows(Query q, int d, const std::vector<std::string>& patterns,
                                   const std::vector<std::string>& modes, Behaviour behaviour,
                                   Rows& out) const {
  const int level = queried_level(q, d);
  const int top = pattern_count(q, d);
  std::vector<int> ids;
  if (!match_chain(top, patterns, modes, behaviour, ids, out)) return false;
  if (top != level) out = children(level, ids, behaviour);
  std::sort(out.begin(), out.end(), by_id);
  return true;
}

bool MemoryCommandStore::count(Query q, int d, const std::vector<std::string>& patterns,
                               const std::vector<std::string>& modes, Behaviour behaviour,
                               long long& result) {
  Rows found;
  if (!is_well_formed(q, d, patterns.size(), true) ||
      !read_rows(q, d, patterns, modes, behaviour, found))
    return false;
  switch (q) {
    case Query::Count:  // count(DISTINCT command): NULL is not counted
      std::erase_if(found, [](const CommandRow* r) { return !r->command; });
      result = static_cast<long long>(first_of_each_group<CommandLess>(found).size());
      return true;
    case Query::IsComplete:  // count(ID) WHERE command = '<cr>'
      result = std::count_if(found.begin(), found.end(), [](const CommandRow* r) {
        return r->command && sql_nocase_equal(*r->command, "<cr>");
      });
      return true;
    case Query::SpecialCases:  // count(ID) WHERE special IN (...)
      result = std::count_if(found.begin(), found.end(),
                             [](const CommandRow* r) { return is_argument_kind(r->special); });
      return true;
    default:
      return false;
  }
}

bool MemoryCommandStore::rows(Query q, int d, const std::vector<std::string>& patterns,
                              const std::vector<std::string>& modes, Behaviour behaviour,
                              const RowVisitor& visit) {
  Rows found;
  if (!is_well_formed(q, d, patterns.size(), false) ||
      !read_rows(q, d, patterns, modes, behaviour, found))
    return false;
  switch (q) {
    case Query::CommandText:  // every row, ORDER BY ID
      for (const CommandRow* r : found) {
        const StoreCell cells[] = {cell(r->command), cell(r->toptext), cell(r->bottext)};
        if (!visit(cells)) break;
      }
      return true;
    case Query::HelpQuestion:  // GROUP BY command ORDER BY min(ID)
      for (const CommandRow* r : first_of_each_group<CommandLess>(found)) {
        const StoreCell cells[] = {cell(r->command)};
        if (!visit(cells)) break;
      }
      return true;
    case Query::Arguments:  // the argument rows, ORDER BY ID
      for (const CommandRow* r : found) {
        if (!is_argument_kind(r->special)) continue;
        const StoreCell cells[] = {cell(r->command), cell(r->special)};
        if (!visit(cells)) break;
      }
      return true;
    case Query::HelpSpaceQuestion: {  // GROUP BY command, help ORDER BY command, min(ID)
      Rows groups = first_of_each_group<CommandHelpLess>(found);
      std::stable_sort(groups.begin(), groups.end(), [](const CommandRow* a, const CommandRow* b) {
        return command_less(a->command, b->command);
      });
      for (const CommandRow* r : groups) {
        const StoreCell cells[] = {cell(r->command), cell(r->help)};
        if (!visit(cells)) break;
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zorva
