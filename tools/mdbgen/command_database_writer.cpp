// Writing the tables as the SQLite file zorva.mdb: the tables device, mode and cmd1..cmd7, with an
// index on each cmd table's ref for the queries' parent lookups.
#include "tools/mdbgen/command_database_writer.h"

#include <sqlite3.h>

#include <memory>
#include <system_error>

namespace zorva {
namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE device (
  ID INTEGER PRIMARY KEY,       -- key of the device row
  device TEXT COLLATE NOCASE    -- device name; the queries ask for 'router'
);
CREATE TABLE mode (
  ID INTEGER PRIMARY KEY,       -- key of the mode row
  mode TEXT COLLATE NOCASE,     -- mode name, as the mode-name table spells it
  ref INTEGER                   -- device.ID of the device the mode belongs to
);
)sql";

// One cmd table: the same columns at every level.
std::string cmd_table_sql(int level) {
  std::string t = "cmd" + std::to_string(level);
  std::string ref = level == 1 ? "mode.ID of the mode the first word belongs to"
                               : "ID of the parent row in cmd" + std::to_string(level - 1);
  return "CREATE TABLE " + t +
         " (\n"
         "  ID INTEGER PRIMARY KEY,       -- key of the row; rows are numbered in source order\n"
         "  ref INTEGER,                  -- " +
         ref +
         "\n"
         "  command TEXT COLLATE NOCASE,  -- keyword, argument placeholder, or '<cr>'\n"
         "  toptext TEXT,                 -- report template of the command, or NULL\n"
         "  bottext TEXT,                 -- second template slot, or NULL (wins over toptext)\n"
         "  help TEXT,                    -- help text shown by '?', or NULL\n"
         "  special TEXT,                 -- argument kind; NULL for a keyword and for '<cr>'\n"
         "  behaviour TEXT                -- the one behaviour that has the row, or NULL: all\n"
         ");\n"
         "CREATE INDEX " +
         t + "_ref ON " + t + " (ref);\n";
}

struct DbCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;
using StmtHandle = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

bool exec_sql(sqlite3* db, const std::string& sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return false;
}

void bind_text(sqlite3_stmt* s, int index, const CommandText& text) {
  if (text)
    sqlite3_bind_text(s, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
  else
    sqlite3_bind_null(s, index);
}

bool fill_database(sqlite3* db, const CommandTables& tables, std::string& error) {
  std::string schema = kSchema;
  for (int level = 1; level <= kCommandLevels; ++level) schema += cmd_table_sql(level);
  if (!exec_sql(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;", error) ||
      !exec_sql(db, schema, error) ||
      !exec_sql(db, "INSERT INTO device (ID, device) VALUES (1, 'router');", error))
    return false;

  auto prepare = [&](const std::string& sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
      error = sqlite3_errmsg(db);
    return StmtHandle(s);
  };
  auto step = [&](sqlite3_stmt* s) {
    const bool done = sqlite3_step(s) == SQLITE_DONE;
    if (!done) error = sqlite3_errmsg(db);
    sqlite3_reset(s);
    return done;
  };
  StmtHandle mode_insert = prepare("INSERT INTO mode (ID, mode, ref) VALUES (?, ?, 1)");
  if (!mode_insert) return false;
  for (const CommandMode& m : tables.modes) {
    sqlite3_bind_int(mode_insert.get(), 1, m.id);
    bind_text(mode_insert.get(), 2, m.name);
    if (!step(mode_insert.get())) return false;
  }

  for (int level = 1; level <= kCommandLevels; ++level) {
    StmtHandle insert = prepare("INSERT INTO cmd" + std::to_string(level) +
                                " (ID, ref, command, toptext, bottext, help, special, behaviour) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    if (!insert) return false;
    for (const CommandRow& row : tables.levels[static_cast<size_t>(level)]) {
      sqlite3_stmt* s = insert.get();
      sqlite3_bind_int(s, 1, row.id);
      sqlite3_bind_int(s, 2, row.ref);
      bind_text(s, 3, row.command);
      bind_text(s, 4, row.toptext);
      bind_text(s, 5, row.bottext);
      bind_text(s, 6, row.help);
      bind_text(s, 7, row.special);
      bind_text(s, 8, row.behaviour);
      if (!step(s)) return false;
    }
  }
  return exec_sql(db, "COMMIT;", error);
}

}  // namespace

bool write_command_database(const CommandTables& tables, const std::filesystem::path& out,
                            std::string& error) {
  std::filesystem::path temp = out;
  temp += ".tmp";
  std::error_code ec;
  std::filesystem::remove(temp, ec);
  if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ec);

  bool written = false;
  {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(temp.string().c_str(), &raw,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    DbHandle db(raw);
    if (rc != SQLITE_OK) {
      error = "cannot create " + temp.string() + ": " + (raw ? sqlite3_errmsg(raw) : "no memory");
    } else {
      written = fill_database(db.get(), tables, error);
    }
  }
  if (written) {
    std::filesystem::rename(temp, out, ec);
    if (ec) {
      error = "cannot rename " + temp.string() + " to " + out.string() + ": " + ec.message();
      written = false;
    }
  }
  if (!written) std::filesystem::remove(temp, ec);
  return written;
}

}  // namespace zorva
