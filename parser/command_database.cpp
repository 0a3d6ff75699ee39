// The six queries of the command database over SQLite. Each is one nested statement walking from
// the wanted level up to the device: the rows of level d whose `ref` is among the matching rows
// of level d-1, ... level 1, whose `ref` is among the wanted modes of the device "router". Typed
// words are bound as LIKE patterns with their wildcards escaped; each distinct statement is
// prepared once per connection; each answer is remembered, since the file never changes while
// the program runs. Counts and listings go by word, not by row: the `show` of user mode and the
// `show` of privileged mode (which adds the configuration reports) are one word in privileged
// mode, and the words under both are offered together.
#include "parser/command_database.h"

#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "base/error_log.h"

namespace zorva {
namespace {

enum class Query { Count, CommandText, HelpQuestion, HelpSpaceQuestion, IsComplete, SpecialCases };

constexpr int kLastQueryDepth = 6;       // the queries look words up at depths 1..6
constexpr size_t kMaxRemembered = 4096;  // answers kept before the memory starts afresh
constexpr size_t kHelpColumn = 20;       // "?" listings put the help text at this column

// The log name of the step that opens the database: the parser opens it for a line.
constexpr std::string_view kOpenLogName = "new parse the command()";

constexpr std::string_view log_name(Query q) {
  switch (q) {
    case Query::Count:
      return "sql count commands()";
    case Query::CommandText:
      return "sql get command text()";
    case Query::HelpQuestion:
      return "sql help question()";
    case Query::HelpSpaceQuestion:
      return "sql help space question()";
    case Query::IsComplete:
      return "sql is command complete()";
    case Query::SpecialCases:
      return "sql check for special cases()";
  }
  return "";
}

// The typed word as a LIKE pattern that matches it literally: %, _ and the escape character
// itself are escaped with a backslash.
std::string like_literal(std::string_view word) {
  std::string pattern;
  pattern.reserve(word.size());
  for (char c : word) {
    if (c == '%' || c == '_' || c == '\\') pattern += '\\';
    pattern += c;
  }
  return pattern;
}

std::string like_prefix(std::string_view word) {
  return like_literal(word) + "%";
}

// The sub-select of the IDs of the matching rows at `level`, each level with one LIKE condition
// on `command`; level 0 is the set of wanted modes of the device "router".
std::string parents_sql(int level, size_t mode_count) {
  if (level == 0) {
    std::string marks;
    for (size_t i = 0; i < mode_count; ++i) marks += i == 0 ? "?" : ",?";
    return "SELECT ID FROM mode WHERE mode IN (" + marks +
           ") AND ref IN (SELECT ID FROM device WHERE device = 'router')";
  }
  return "SELECT ID FROM cmd" + std::to_string(level) +
         " WHERE command LIKE ? ESCAPE '\\' AND ref IN (" + parents_sql(level - 1, mode_count) +
         ")";
}

std::string statement_sql(Query q, int d, size_t mode_count) {
  const std::string table = "cmd" + std::to_string(d);
  const std::string next = "cmd" + std::to_string(d + 1);
  switch (q) {
    case Query::Count:
      return "SELECT count(DISTINCT command) AS tot1 FROM " + table +
             " WHERE command LIKE ? ESCAPE '\\' AND ref IN (" + parents_sql(d - 1, mode_count) +
             ")";
    case Query::CommandText:
      return "SELECT command AS cmd" + std::to_string(d) + ", toptext, bottext FROM " + table +
             " WHERE command LIKE ? ESCAPE '\\' AND ref IN (" + parents_sql(d - 1, mode_count) +
             ") ORDER BY ID";
    case Query::HelpQuestion:
      return "SELECT command FROM " + table + " WHERE command LIKE ? ESCAPE '\\' AND ref IN (" +
             parents_sql(d - 1, mode_count) + ") GROUP BY command ORDER BY min(ID)";
    case Query::HelpSpaceQuestion:
      return "SELECT command, help FROM " + next + " WHERE ref IN (" + parents_sql(d, mode_count) +
             ") GROUP BY command, help ORDER BY command, min(ID)";
    case Query::IsComplete:
      return "SELECT count(ID) AS tot1 FROM " + next + " WHERE command = '<cr>' AND ref IN (" +
             parents_sql(d, mode_count) + ")";
    case Query::SpecialCases:
      return "SELECT count(ID) AS tot1 FROM " + table +
             " WHERE special IN ('WORD','LINE','Range','IP','SUBNETMASK') AND ref IN (" +
             parents_sql(d - 1, mode_count) + ")";
  }
  return "";
}

std::string column_text(sqlite3_stmt* s, int column) {
  const unsigned char* text = sqlite3_column_text(s, column);
  return text ? reinterpret_cast<const char*>(text) : "";
}

bool column_is_null(sqlite3_stmt* s, int column) {
  return sqlite3_column_type(s, column) == SQLITE_NULL;
}

// A remembered answer; each query uses the fields it needs.
struct Answer {
  long long number = 0;  // a count
  std::string text;      // a listing, or the command word as the database spells it
  std::string top_text;  // the template text of a looked-up command
};

// Appends a field to a memory key so that no two different field lists give the same key.
void add_key_field(std::string& key, std::string_view field) {
  key += std::to_string(field.size());
  key += ':';
  key += field;
}

}  // namespace

struct CommandDatabase::Impl {
  explicit Impl(ErrorLog& l) : log(l) {}

  using StatementKey = std::tuple<Query, int, size_t>;    // query, depth, number of modes
  using RowVisitor = std::function<bool(sqlite3_stmt*)>;  // false stops reading rows

  ErrorLog& log;                                     // where failures are written
  std::filesystem::path file;                        // the database file last opened
  sqlite3* db = nullptr;                             // the connection; null when not open
  Status status = Status::NotOpened;                 // how the last open went
  std::map<StatementKey, sqlite3_stmt*> statements;  // prepared once per connection
  bool remember = true;                              // answers are remembered
  std::unordered_map<std::string, Answer> answers;   // memory key -> answer
  long long statements_run = 0;                      // statements stepped so far

  bool open_file();
  void close();
  bool has_command_tables(sqlite3* handle) const;
  sqlite3_stmt* statement(Query q, int d, size_t mode_count);
  bool run(Query q, int d, const std::vector<std::string>& patterns,
           const std::vector<std::string>& modes, const RowVisitor& visit);
  bool count(Query q, int d, const std::vector<std::string>& patterns,
             const std::vector<std::string>& modes, long long& result);

  std::string key(Query q, int d, const std::vector<std::string>& modes, const auto& words,
                  int first, int last) const {
    std::string k;
    k += static_cast<char>('A' + static_cast<int>(q));
    k += static_cast<char>('0' + d);
    for (const std::string& m : modes) add_key_field(k, m);
    k += '|';  // the mode list ends here, so modes and words never run together
    for (int i = first; i <= last; ++i) add_key_field(k, words[static_cast<size_t>(i)]);
    return k;
  }
  const Answer* recall(const std::string& k) const {
    if (!remember) return nullptr;
    auto it = answers.find(k);
    return it == answers.end() ? nullptr : &it->second;
  }
  void keep(const std::string& k, Answer a) {
    if (!remember) return;
    if (answers.size() >= kMaxRemembered) answers.clear();
    answers[k] = std::move(a);
  }
};

bool CommandDatabase::Impl::has_command_tables(sqlite3* handle) const {
  sqlite3_stmt* s = nullptr;
  const char* sql =
      "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
      "('device','mode','cmd1','cmd2','cmd3','cmd4','cmd5','cmd6','cmd7')";
  bool ok = sqlite3_prepare_v2(handle, sql, -1, &s, nullptr) == SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW && sqlite3_column_int(s, 0) == 9;
  sqlite3_finalize(s);
  return ok;
}

bool CommandDatabase::Impl::open_file() {
  close();
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    status = Status::Missing;
    log.log(kOpenLogName, RuntimeError::DatabaseError);
    return false;
  }
  sqlite3* handle = nullptr;
  int rc = sqlite3_open_v2(file.string().c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
  if (rc == SQLITE_OK && has_command_tables(handle)) {
    db = handle;
    status = Status::Open;
    return true;
  }
  sqlite3_close(handle);
  status = Status::Damaged;  // there, but no database with the command tables
  log.log(kOpenLogName, RuntimeError::DatabaseDamaged);
  return false;
}

void CommandDatabase::Impl::close() {
  for (auto& [key, s] : statements) sqlite3_finalize(s);
  statements.clear();
  answers.clear();
  if (db) sqlite3_close(db);
  db = nullptr;
}

sqlite3_stmt* CommandDatabase::Impl::statement(Query q, int d, size_t mode_count) {
  StatementKey k{q, d, mode_count};
  auto it = statements.find(k);
  if (it != statements.end()) return it->second;
  sqlite3_stmt* s = nullptr;
  std::string sql = statement_sql(q, d, mode_count);
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
    sqlite3_finalize(s);
    return nullptr;
  }
  statements.emplace(k, s);
  return s;
}

// Binds the LIKE patterns in statement order, then the mode names, and hands each row to
// `visit`. A closed database or a failing statement is logged under the query's name.
bool CommandDatabase::Impl::run(Query q, int d, const std::vector<std::string>& patterns,
                                const std::vector<std::string>& modes, const RowVisitor& visit) {
  if (!db) {
    log.log(log_name(q), RuntimeError::DatabaseError);
    return false;
  }
  sqlite3_stmt* s = statement(q, d, modes.size());
  if (!s) {
    log.log(log_name(q), RuntimeError::QueryFailed);
    return false;
  }
  int index = 0;
  for (const std::string& p : patterns)
    sqlite3_bind_text(s, ++index, p.c_str(), static_cast<int>(p.size()), SQLITE_TRANSIENT);
  for (const std::string& m : modes)
    sqlite3_bind_text(s, ++index, m.c_str(), static_cast<int>(m.size()), SQLITE_TRANSIENT);
  ++statements_run;
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    if (!visit(s)) {
      rc = SQLITE_DONE;
      break;
    }
  }
  sqlite3_reset(s);
  sqlite3_clear_bindings(s);
  if (rc != SQLITE_DONE) {
    log.log(log_name(q), RuntimeError::QueryFailed);
    return false;
  }
  return true;
}

bool CommandDatabase::Impl::count(Query q, int d, const std::vector<std::string>& patterns,
                                  const std::vector<std::string>& modes, long long& result) {
  return run(q, d, patterns, modes, [&](sqlite3_stmt* s) {
    result = sqlite3_column_int64(s, 0);
    return false;
  });
}

namespace {

// Prefix patterns of the typed words from depth `from` down to depth 1: the chain of ancestors.
std::vector<std::string> ancestor_prefixes(const ParsedCommand& pc, int from) {
  std::vector<std::string> patterns;
  for (int i = from; i >= 1; --i) patterns.push_back(like_prefix(pc.Words[static_cast<size_t>(i)]));
  return patterns;
}

Int16 to_int16(long long n) {
  return static_cast<Int16>(std::clamp<long long>(n, 0, 32767));
}

}  // namespace

CommandDatabase::CommandDatabase(ErrorLog& log) : impl_(std::make_unique<Impl>(log)) {}

CommandDatabase::~CommandDatabase() {
  impl_->close();
}

bool CommandDatabase::open(const std::filesystem::path& file) {
  impl_->file = file;
  return impl_->open_file();
}

void CommandDatabase::close() {
  impl_->close();
}

bool CommandDatabase::is_open() const {
  return impl_->db != nullptr;
}

CommandDatabase::Status CommandDatabase::status() const {
  return impl_->status;
}

std::string CommandDatabase::problem() const {
  const std::string name = impl_->file.string();
  switch (impl_->status) {
    case Status::Open:
    case Status::NotOpened:
      return "";
    case Status::Missing:
      return "The command database " + name + " is missing: no command will be recognised.";
    case Status::Damaged:
      return "The command database " + name + " is damaged: no command will be recognised.";
  }
  return "";
}

void CommandDatabase::begin_line() {
  if (reopen_every_line_ && !impl_->file.empty()) impl_->open_file();
}

void CommandDatabase::set_remember_answers(bool on) {
  impl_->remember = on;
  if (!on) impl_->answers.clear();
}

long long CommandDatabase::statements_run() const {
  return impl_->statements_run;
}

Int16 CommandDatabase::sql_count_commands(const ParsedCommand& pc, int d) {
  if (d < 1 || d > kLastQueryDepth) return 0;
  std::string k = impl_->key(Query::Count, d, pc.Modes, pc.Words, 1, d);
  if (const Answer* a = impl_->recall(k)) return to_int16(a->number);

  const std::string& word = pc.Words[static_cast<size_t>(d)];
  std::vector<std::string> patterns = ancestor_prefixes(pc, d - 1);
  patterns.insert(patterns.begin(), like_prefix(word));
  long long prefix_count = 0;
  if (!impl_->count(Query::Count, d, patterns, pc.Modes, prefix_count)) return 0;
  long long result = prefix_count;
  if (prefix_count >= 2) {
    // A word that begins several keywords but equals one of them means that one.
    patterns.front() = like_literal(word);
    long long exact_count = 0;
    if (impl_->count(Query::Count, d, patterns, pc.Modes, exact_count) && exact_count > 0)
      result = exact_count;
  }
  impl_->keep(k, {result, "", ""});
  return to_int16(result);
}

void CommandDatabase::sql_get_command_text(ParsedCommand& pc, int d) {
  if (d < 1 || d > kLastQueryDepth) return;
  std::string k = impl_->key(Query::CommandText, d, pc.Modes, pc.Words, 1, d);
  const Answer* a = impl_->recall(k);
  Answer found;
  if (!a) {
    std::vector<std::string> patterns = ancestor_prefixes(pc, d - 1);
    patterns.insert(patterns.begin(), like_prefix(pc.Words[static_cast<size_t>(d)]));
    bool has_row = false;
    bool ran = impl_->run(Query::CommandText, d, patterns, pc.Modes, [&](sqlite3_stmt* s) {
      has_row = true;
      found.text = column_text(s, 0);
      if (!column_is_null(s, 2))
        found.top_text = column_text(s, 2);
      else if (!column_is_null(s, 1))
        found.top_text = column_text(s, 1);
      return false;  // the first row in table order is the one
    });
    if (!ran) return;
    if (!has_row) {
      impl_->log.log(log_name(Query::CommandText), RuntimeError::NoCurrentRecord);
      return;
    }
    impl_->keep(k, found);
    a = &found;
  }
  pc.FullWords[static_cast<size_t>(d)] = a->text;
  pc.TopText = a->top_text;
  pc.BotText.clear();
}

std::string CommandDatabase::sql_help_question(const ParsedCommand& pc, int d) {
  if (d < 1 || d > kLastQueryDepth) return "";
  std::string k = impl_->key(Query::HelpQuestion, d, pc.Modes, pc.Words, 1, d);
  if (const Answer* a = impl_->recall(k)) return a->text;

  std::vector<std::string> patterns = ancestor_prefixes(pc, d - 1);
  patterns.insert(patterns.begin(), like_prefix(pc.Words[static_cast<size_t>(d)]));
  std::string listing = "\r\n";
  bool ran = impl_->run(Query::HelpQuestion, d, patterns, pc.Modes, [&](sqlite3_stmt* s) {
    listing += column_text(s, 0) + " ";
    return true;
  });
  if (!ran) return "";
  listing += "\r\n";
  impl_->keep(k, {0, listing, ""});
  return listing;
}

std::string CommandDatabase::sql_help_space_question(ParsedCommand& pc, const SpecialWords& special,
                                                     int d) {
  if (d < 0 || d > kLastQueryDepth) return "";
  // An argument level matches every row there: its word becomes the wildcard itself.
  for (int i = 1; i <= kLastQueryDepth; ++i)
    if (is_set(special[static_cast<size_t>(i)])) pc.FullWords[static_cast<size_t>(i)] = "%";

  std::string k = impl_->key(Query::HelpSpaceQuestion, d, pc.Modes, pc.FullWords, 1, d);
  if (const Answer* a = impl_->recall(k)) return a->text;

  std::vector<std::string> patterns;
  for (int i = d; i >= 1; --i) {
    const std::string& full = pc.FullWords[static_cast<size_t>(i)];
    patterns.push_back(full == "%" ? full : like_literal(full));
  }
  std::string listing = "\r\n";
  bool ran = impl_->run(Query::HelpSpaceQuestion, d, patterns, pc.Modes, [&](sqlite3_stmt* s) {
    std::string command = column_text(s, 0);
    listing += command;
    if (command.size() < kHelpColumn) listing.append(kHelpColumn - command.size(), ' ');
    listing += column_text(s, 1) + "\r\n";
    return true;
  });
  if (!ran) return "";
  impl_->keep(k, {0, listing, ""});
  return listing;
}

bool CommandDatabase::sql_is_command_complete(const ParsedCommand& pc, int d) {
  if (d < 1 || d > kLastQueryDepth) return false;
  std::string k = impl_->key(Query::IsComplete, d, pc.Modes, pc.Words, 1, d);
  if (const Answer* a = impl_->recall(k)) return a->number > 0;

  long long ends = 0;
  if (!impl_->count(Query::IsComplete, d, ancestor_prefixes(pc, d), pc.Modes, ends)) return false;
  impl_->keep(k, {ends, "", ""});
  return ends > 0;
}

bool CommandDatabase::sql_check_for_special_cases(const ParsedCommand& pc, int d) {
  if (d < 2 || d > kLastQueryDepth) return false;
  std::string k = impl_->key(Query::SpecialCases, d, pc.Modes, pc.Words, 1, d - 1);
  if (const Answer* a = impl_->recall(k)) return a->number > 0;

  long long arguments = 0;
  if (!impl_->count(Query::SpecialCases, d, ancestor_prefixes(pc, d - 1), pc.Modes, arguments))
    return false;
  impl_->keep(k, {arguments, "", ""});
  return arguments > 0;
}

}  // namespace zorva
