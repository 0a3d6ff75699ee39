// The six queries as SQL over zorva.mdb. Each is one nested statement walking from the wanted level
// down to the device: the rows of level d whose `ref` is among the matching rows of level d-1, ...
// level 1, whose `ref` is among the wanted modes of the device "router"; at every level only the
// rows of the line's behaviour.
#include "parser/sqlite_command_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <system_error>

namespace zorva {
namespace {

// The condition on a cmd table's rows that keeps those of the line's behaviour. The name compared
// is the program's own constant, never typed text.
std::string behaviour_sql(Behaviour b) {
  if (b == Behaviour::Classic) return " AND behaviour IS NULL";
  return " AND (behaviour IS NULL OR behaviour = '" + std::string(kRealRouterRow) + "')";
}

// The sub-select of the IDs of the matching rows at `level`, each level with one LIKE condition
// on `command`; level 0 is the set of wanted modes of the device "router".
std::string parents_sql(int level, std::size_t mode_count, Behaviour b) {
  if (level <= 0) {  // the wanted modes (level -1 is built, unused, for the listing at depth 0)
    std::string marks;
    for (std::size_t i = 0; i < mode_count; ++i) marks += i == 0 ? "?" : ",?";
    return "SELECT ID FROM mode WHERE mode IN (" + marks +
           ") AND ref IN (SELECT ID FROM device WHERE device = 'router')";
  }
  return "SELECT ID FROM cmd" + std::to_string(level) + " WHERE command LIKE ? ESCAPE '\\'" +
         behaviour_sql(b) + " AND ref IN (" + parents_sql(level - 1, mode_count, b) + ")";
}

std::string statement_sql(Query q, int d, std::size_t mode_count, Behaviour b) {
  const std::string table = "cmd" + std::to_string(d);
  const std::string next = "cmd" + std::to_string(d + 1);
  const std::string like = " WHERE command LIKE ? ESCAPE '\\'" + behaviour_sql(b);
  const std::string below = parents_sql(d - 1, mode_count, b);  // the parents of level d
  switch (q) {
    case Query::Count:
      return "SELECT count(DISTINCT command) AS tot1 FROM " + table + like + " AND ref IN (" +
             below + ")";
    case Query::CommandText:
      return "SELECT command AS cmd" + std::to_string(d) + ", toptext, bottext FROM " + table +
             like + " AND ref IN (" + below + ") ORDER BY ID";
    case Query::HelpQuestion:
      return "SELECT command FROM " + table + like + " AND ref IN (" + below +
             ") GROUP BY command ORDER BY min(ID)";
    case Query::HelpSpaceQuestion:
      return "SELECT command, help FROM " + next + " WHERE ref IN (" +
             parents_sql(d, mode_count, b) + ")" + behaviour_sql(b) +
             " GROUP BY command, help ORDER BY command, min(ID)";
    case Query::IsComplete:
      return "SELECT count(ID) AS tot1 FROM " + next + " WHERE command = '<cr>'" +
             behaviour_sql(b) + " AND ref IN (" + parents_sql(d, mode_count, b) + ")";
    case Query::SpecialCases:
      return "SELECT count(ID) AS tot1 FROM " + table +
             " WHERE special IN ('WORD','LINE','Range','IP','SUBNETMASK')" + behaviour_sql(b) +
             " AND ref IN (" + below + ")";
    case Query::Arguments:
      return "SELECT command, special FROM " + table +
             " WHERE special IN ('WORD','LINE','Range','IP','SUBNETMASK')" + behaviour_sql(b) +
             " AND ref IN (" + below + ") ORDER BY ID";
  }
  return "";
}

bool has_command_tables(sqlite3* handle) {
  sqlite3_stmt* s = nullptr;
  const char* sql =
      "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
      "('device','mode','cmd1','cmd2','cmd3','cmd4','cmd5','cmd6','cmd7')";
  bool ok = sqlite3_prepare_v2(handle, sql, -1, &s, nullptr) == SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW && sqlite3_column_int(s, 0) == 9;
  sqlite3_finalize(s);
  return ok;
}

StoreCell column_cell(sqlite3_stmt* s, int column) {
  if (sqlite3_column_type(s, column) == SQLITE_NULL) return std::nullopt;
  const unsigned char* text = sqlite3_column_text(s, column);
  const int bytes = sqlite3_column_bytes(s, column);
  return std::string_view(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes));
}

}  // namespace

OpenedStore SqliteCommandStore::open(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return {nullptr, StoreStatus::Missing};
  sqlite3* handle = nullptr;
  int rc = sqlite3_open_v2(file.string().c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
  if (rc == SQLITE_OK && has_command_tables(handle))
    return {std::unique_ptr<CommandStore>(new SqliteCommandStore(handle)), StoreStatus::Open};
  sqlite3_close(handle);
  return {nullptr, StoreStatus::Damaged};  // there, but no database with the command tables
}

SqliteCommandStore::~SqliteCommandStore() {
  for (auto& [key, s] : statements_) sqlite3_finalize(s);
  sqlite3_close(db_);
}

sqlite3_stmt* SqliteCommandStore::statement(Query q, int d, std::size_t mode_count, Behaviour b) {
  StatementKey k{q, d, mode_count, b};
  auto it = statements_.find(k);
  if (it != statements_.end()) return it->second;
  sqlite3_stmt* s = nullptr;
  std::string sql = statement_sql(q, d, mode_count, b);
  if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
    sqlite3_finalize(s);
    return nullptr;
  }
  statements_.emplace(k, s);
  return s;
}

// Binds the LIKE patterns in statement order, then the mode names, and hands each row to `visit`.
bool SqliteCommandStore::run(Query q, int d, const std::vector<std::string>& patterns,
                             const std::vector<std::string>& modes, Behaviour b,
                             const StatementVisitor& visit) {
  sqlite3_stmt* s = statement(q, d, modes.size(), b);
  if (!s) return false;
  int index = 0;
  for (const std::string& p : patterns)
    sqlite3_bind_text(s, ++index, p.c_str(), static_cast<int>(p.size()), SQLITE_TRANSIENT);
  for (const std::string& m : modes)
    sqlite3_bind_text(s, ++index, m.c_str(), static_cast<int>(m.size()), SQLITE_TRANSIENT);
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    if (!visit(s)) {
      rc = SQLITE_DONE;
      break;
    }
  }
  sqlite3_reset(s);
  sqlite3_clear_bindings(s);
  return rc == SQLITE_DONE;
}

bool SqliteCommandStore::count(Query q, int d, const std::vector<std::string>& patterns,
                               const std::vector<std::string>& modes, Behaviour behaviour,
                               long long& result) {
  if (!is_well_formed(q, d, patterns.size(), true)) return false;
  return run(q, d, patterns, modes, behaviour, [&](sqlite3_stmt* s) {
    result = sqlite3_column_int64(s, 0);
    return false;
  });
}

bool SqliteCommandStore::rows(Query q, int d, const std::vector<std::string>& patterns,
                              const std::vector<std::string>& modes, Behaviour behaviour,
                              const RowVisitor& visit) {
  if (!is_well_formed(q, d, patterns.size(), false)) return false;
  return run(q, d, patterns, modes, behaviour, [&](sqlite3_stmt* s) {
    std::array<StoreCell, 3> cells;  // the widest row: command, toptext, bottext
    const int columns = std::min(sqlite3_column_count(s), static_cast<int>(cells.size()));
    for (int c = 0; c < columns; ++c) cells[static_cast<std::size_t>(c)] = column_cell(s, c);
    return visit(StoreRow(cells.data(), static_cast<std::size_t>(columns)));
  });
}

}  // namespace zorva
