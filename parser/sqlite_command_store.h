// The command store over the SQLite file zorva.mdb: one read-only connection, each distinct
// statement prepared once, typed words bound as parameters and never spliced into SQL.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "parser/command_store.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zorva {

class SqliteCommandStore final : public CommandStore {
 public:
  // Opens `file` read-only. Missing: no such file; Damaged: there, but no database holding the
  // tables device, mode and cmd1..cmd7.
  static OpenedStore open(const std::filesystem::path& file);
  ~SqliteCommandStore() override;
  SqliteCommandStore(const SqliteCommandStore&) = delete;
  SqliteCommandStore& operator=(const SqliteCommandStore&) = delete;

  bool count(Query q, int d, const std::vector<std::string>& patterns,
             const std::vector<std::string>& modes, Behaviour behaviour,
             long long& result) override;
  bool rows(Query q, int d, const std::vector<std::string>& patterns,
            const std::vector<std::string>& modes, Behaviour behaviour,
            const RowVisitor& visit) override;

 private:
  explicit SqliteCommandStore(sqlite3* db) : db_(db) {}

  // query, depth, number of modes, behaviour
  using StatementKey = std::tuple<Query, int, std::size_t, Behaviour>;
  using StatementVisitor = std::function<bool(sqlite3_stmt*)>;

  sqlite3_stmt* statement(Query q, int d, std::size_t mode_count, Behaviour b);
  bool run(Query q, int d, const std::vector<std::string>& patterns,
           const std::vector<std::string>& modes, Behaviour b, const StatementVisitor& visit);

  sqlite3* db_;                                       // the read-only connection
  std::map<StatementKey, sqlite3_stmt*> statements_;  // prepared once per connection
};

}  // namespace zorva
