// The six queries of the command database, whatever the store: the typed words become LIKE
// patterns with their wildcards escaped, failures are logged under each query's name, and each
// answer is remembered, since the tree never changes while the program runs. Counts and listings
// go by word, not by row: the `show` of user mode and the `show` of privileged mode (which adds
// the configuration reports) are one word in privileged mode, and the words under both are
// offered together.
#include "parser/command_database.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/error_log.h"
#include "parser/memory_command_store.h"

namespace zorva {
namespace {

constexpr int kLastQueryDepth = 6;  // the queries look words up at depths 1..6
// A real-router line may also look up its seventh word (a static route's distance after an exit
// interface): the tables hold seven levels, and nothing lies below the seventh, so the queries
// that read the level after the word (completeness, the next words) stop at six for both.
constexpr int last_lookup_depth(const ParsedCommand& pc) {
  return pc.behaviour == Behaviour::RealRouter ? kLastQueryDepth + 1 : kLastQueryDepth;
}
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
    case Query::Arguments:
      return "sql arguments()";
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

// A text column as the listings show it: NULL reads as "".
std::string text_of(const StoreCell& cell) {
  return cell ? std::string(*cell) : std::string();
}

// A remembered answer; each query uses the fields it needs.
struct Answer {
  long long number = 0;              // a count
  std::string text;                  // a listing, or the command word as the database spells it
  std::string top_text;              // the template text of a looked-up command
  std::vector<WordRow> rows{};       // the rows of a real-router query
  std::vector<std::string> words{};  // the keywords of a level
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

  ErrorLog& log;                                    // where failures are written
  std::filesystem::path file;                       // the database file last opened
  const CommandTables* tables = nullptr;            // the tables last opened, instead of a file
  std::unique_ptr<CommandStore> store;              // null when not open
  Status status = Status::NotOpened;                // how the last open went
  bool remember = true;                             // answers are remembered
  std::unordered_map<std::string, Answer> answers;  // memory key -> answer
  long long statements_run = 0;                     // queries put to the store so far

  bool open_file();
  bool open_tables();
  bool reopen() { return tables ? open_tables() : open_file(); }
  void close();
  bool ready(Query q);
  bool rows(Query q, int d, const ParsedCommand& pc, const std::vector<std::string>& patterns,
            const RowVisitor& visit);
  bool count(Query q, int d, const ParsedCommand& pc, const std::vector<std::string>& patterns,
             long long& result);

  std::string key(Query q, int d, const ParsedCommand& pc, const auto& words, int first,
                  int last) const {
    const std::vector<std::string>& modes = pc.Modes;
    std::string k;
    k += static_cast<char>('A' + static_cast<int>(q));
    k += static_cast<char>('0' + d);
    k += static_cast<char>('a' + static_cast<int>(pc.behaviour));
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

bool CommandDatabase::Impl::open_file() {
  close();
  OpenedStore opened = open_store_for_path(file);
  status = opened.status;
  store = std::move(opened.store);
  if (status == Status::Missing) log.log(kOpenLogName, RuntimeError::DatabaseError);
  if (status == Status::Damaged) log.log(kOpenLogName, RuntimeError::DatabaseDamaged);
  return store != nullptr;
}

bool CommandDatabase::Impl::open_tables() {
  close();
  store = std::make_unique<MemoryCommandStore>(*tables);
  status = Status::Open;
  return true;
}

void CommandDatabase::Impl::close() {
  store.reset();
  answers.clear();
}

// Whether a query can be put to the store, counting it if so; a closed database is logged under
// the query's name.
bool CommandDatabase::Impl::ready(Query q) {
  if (!store) {
    log.log(log_name(q), RuntimeError::DatabaseError);
    return false;
  }
  ++statements_run;
  return true;
}

bool CommandDatabase::Impl::rows(Query q, int d, const ParsedCommand& pc,
                                 const std::vector<std::string>& patterns,
                                 const RowVisitor& visit) {
  if (!ready(q)) return false;
  if (store->rows(q, d, patterns, pc.Modes, pc.behaviour, visit)) return true;
  log.log(log_name(q), RuntimeError::QueryFailed);
  return false;
}

bool CommandDatabase::Impl::count(Query q, int d, const ParsedCommand& pc,
                                  const std::vector<std::string>& patterns, long long& result) {
  if (!ready(q)) return false;
  if (store->count(q, d, patterns, pc.Modes, pc.behaviour, result)) return true;
  log.log(log_name(q), RuntimeError::QueryFailed);
  return false;
}

namespace {

// Prefix patterns of the typed words from depth `from` down to depth 1: the chain of ancestors.
std::vector<std::string> ancestor_prefixes(const ParsedCommand& pc, int from) {
  std::vector<std::string> patterns;
  for (int i = from; i >= 1; --i) patterns.push_back(like_prefix(pc.Words[static_cast<size_t>(i)]));
  return patterns;
}

// The real-router queries follow the rows the line went through: the words before depth d are
// the tree's own spellings, matched exactly, so that `authentication` does not also stand for its
// longer sibling `authentication-key` and bring that row's arguments along.
std::vector<std::string> ancestor_literals(const ParsedCommand& pc, int from) {
  std::vector<std::string> patterns;
  for (int i = from; i >= 1; --i)
    patterns.push_back(like_literal(pc.Words[static_cast<size_t>(i)]));
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
  impl_->tables = nullptr;
  return impl_->open_file();
}

bool CommandDatabase::open_tables(const CommandTables& tables) {
  impl_->file.clear();
  impl_->tables = &tables;
  return impl_->open_tables();
}

void CommandDatabase::close() {
  impl_->close();
}

bool CommandDatabase::is_open() const {
  return impl_->store != nullptr;
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
  if (reopen_every_line_ && (impl_->tables || !impl_->file.empty())) impl_->reopen();
}

void CommandDatabase::set_remember_answers(bool on) {
  impl_->remember = on;
  if (!on) impl_->answers.clear();
}

namespace {
std::string listing_key_suffix(const ParsedCommand& pc) {
  return is_set(pc.Negated) ? "listing-no" : "listing";
}
}  // namespace

const std::string* CommandDatabase::remembered_listing(const ParsedCommand& pc, int d) const {
  const Answer* a = impl_->recall(impl_->key(Query::HelpSpaceQuestion, d, pc, pc.FullWords, 1, d) +
                                  listing_key_suffix(pc));
  return a ? &a->text : nullptr;
}

void CommandDatabase::remember_listing(const ParsedCommand& pc, int d, std::string listing) {
  impl_->keep(
      impl_->key(Query::HelpSpaceQuestion, d, pc, pc.FullWords, 1, d) + listing_key_suffix(pc),
      {0, std::move(listing), ""});
}

long long CommandDatabase::statements_run() const {
  return impl_->statements_run;
}

Int16 CommandDatabase::sql_count_commands(const ParsedCommand& pc, int d) {
  if (d < 1 || d > kLastQueryDepth) return 0;
  std::string k = impl_->key(Query::Count, d, pc, pc.Words, 1, d);
  if (const Answer* a = impl_->recall(k)) return to_int16(a->number);

  const std::string& word = pc.Words[static_cast<size_t>(d)];
  std::vector<std::string> patterns = ancestor_prefixes(pc, d - 1);
  patterns.insert(patterns.begin(), like_prefix(word));
  long long prefix_count = 0;
  if (!impl_->count(Query::Count, d, pc, patterns, prefix_count)) return 0;
  long long result = prefix_count;
  if (prefix_count >= 2) {
    // A word that begins several keywords but equals one of them means that one.
    patterns.front() = like_literal(word);
    long long exact_count = 0;
    if (impl_->count(Query::Count, d, pc, patterns, exact_count) && exact_count > 0)
      result = exact_count;
  }
  impl_->keep(k, {result, "", ""});
  return to_int16(result);
}

void CommandDatabase::sql_get_command_text(ParsedCommand& pc, int d) {
  if (d < 1 || d > last_lookup_depth(pc)) return;
  std::string k = impl_->key(Query::CommandText, d, pc, pc.Words, 1, d);
  const Answer* a = impl_->recall(k);
  Answer found;
  if (!a) {
    std::vector<std::string> patterns = ancestor_prefixes(pc, d - 1);
    patterns.insert(patterns.begin(), like_prefix(pc.Words[static_cast<size_t>(d)]));
    bool has_row = false;
    bool ran = impl_->rows(Query::CommandText, d, pc, patterns, [&](StoreRow row) {
      has_row = true;
      found.text = text_of(row[0]);
      if (row[2])
        found.top_text = *row[2];
      else if (row[1])
        found.top_text = *row[1];
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
  std::string k = impl_->key(Query::HelpQuestion, d, pc, pc.Words, 1, d);
  if (const Answer* a = impl_->recall(k)) return a->text;

  std::vector<std::string> patterns = ancestor_prefixes(pc, d - 1);
  patterns.insert(patterns.begin(), like_prefix(pc.Words[static_cast<size_t>(d)]));
  std::string listing = "\r\n";
  bool ran = impl_->rows(Query::HelpQuestion, d, pc, patterns, [&](StoreRow row) {
    listing += text_of(row[0]) + " ";
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

  std::string k = impl_->key(Query::HelpSpaceQuestion, d, pc, pc.FullWords, 1, d);
  if (const Answer* a = impl_->recall(k)) return a->text;

  std::vector<std::string> patterns;
  for (int i = d; i >= 1; --i) {
    const std::string& full = pc.FullWords[static_cast<size_t>(i)];
    patterns.push_back(full == "%" ? full : like_literal(full));
  }
  std::string listing = "\r\n";
  bool ran = impl_->rows(Query::HelpSpaceQuestion, d, pc, patterns, [&](StoreRow row) {
    std::string command = text_of(row[0]);
    listing += command;
    if (command.size() < kHelpColumn) listing.append(kHelpColumn - command.size(), ' ');
    listing += text_of(row[1]) + "\r\n";
    return true;
  });
  if (!ran) return "";
  impl_->keep(k, {0, listing, ""});
  return listing;
}

bool CommandDatabase::sql_is_command_complete(const ParsedCommand& pc, int d) {
  if (d < 1 || d > kLastQueryDepth) return false;
  std::string k = impl_->key(Query::IsComplete, d, pc, pc.Words, 1, d);
  if (const Answer* a = impl_->recall(k)) return a->number > 0;

  long long ends = 0;
  if (!impl_->count(Query::IsComplete, d, pc, ancestor_prefixes(pc, d), ends)) return false;
  impl_->keep(k, {ends, "", ""});
  return ends > 0;
}

bool CommandDatabase::sql_check_for_special_cases(const ParsedCommand& pc, int d) {
  if (d < 2 || d > kLastQueryDepth) return false;
  std::string k = impl_->key(Query::SpecialCases, d, pc, pc.Words, 1, d - 1);
  if (const Answer* a = impl_->recall(k)) return a->number > 0;

  long long arguments = 0;
  if (!impl_->count(Query::SpecialCases, d, pc, ancestor_prefixes(pc, d - 1), arguments))
    return false;
  impl_->keep(k, {arguments, "", ""});
  return arguments > 0;
}

std::vector<WordRow> CommandDatabase::sql_arguments(const ParsedCommand& pc, int d) {
  if (d < 2 || d > last_lookup_depth(pc)) return {};
  std::string k = impl_->key(Query::Arguments, d, pc, pc.Words, 1, d - 1);
  if (const Answer* a = impl_->recall(k)) return a->rows;

  Answer found;
  bool ran = impl_->rows(Query::Arguments, d, pc, ancestor_literals(pc, d - 1), [&](StoreRow row) {
    found.rows.push_back({text_of(row[0]), text_of(row[1])});
    return true;
  });
  if (!ran) return {};
  impl_->keep(k, found);
  return found.rows;
}

std::vector<WordRow> CommandDatabase::sql_next_words(const ParsedCommand& pc, int d) {
  if (d < 0 || d > kLastQueryDepth) return {};
  std::string k = impl_->key(Query::HelpSpaceQuestion, d, pc, pc.FullWords, 1, d);
  k += "rows";  // the rows themselves, not the classic listing remembered under the same query
  if (const Answer* a = impl_->recall(k)) return a->rows;

  std::vector<std::string> patterns;
  for (int i = d; i >= 1; --i)
    patterns.push_back(like_literal(pc.FullWords[static_cast<size_t>(i)]));
  Answer found;
  bool ran = impl_->rows(Query::HelpSpaceQuestion, d, pc, patterns, [&](StoreRow row) {
    found.rows.push_back({text_of(row[0]), text_of(row[1])});
    return true;
  });
  if (!ran) return {};
  impl_->keep(k, found);
  return found.rows;
}

namespace {

constexpr char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when `word` begins with `typed`, without regard to case (command words are ASCII).
bool begins_with_typed(std::string_view word, std::string_view typed) {
  if (word.size() < typed.size()) return false;
  for (std::size_t i = 0; i < typed.size(); ++i)
    if (ascii_lower(word[i]) != ascii_lower(typed[i])) return false;
  return true;
}

std::vector<std::string> keywords_beginning(const std::vector<std::string>& keywords,
                                            std::string_view typed) {
  std::vector<std::string> found;
  for (const std::string& k : keywords) {
    if (!begins_with_typed(k, typed)) continue;
    if (k.size() == typed.size()) return {k};  // the word typed in full wins over longer ones
    found.push_back(k);
  }
  return found;
}

}  // namespace

std::vector<std::string> CommandDatabase::sql_keywords_beginning(const ParsedCommand& pc, int d,
                                                                 std::string_view typed) {
  if (d < 1 || d > last_lookup_depth(pc)) return {};
  std::string k = impl_->key(Query::HelpQuestion, d, pc, pc.Words, 1, d - 1);
  k += "keywords";  // the list sql_keywords remembers
  if (const Answer* a = impl_->recall(k)) return keywords_beginning(a->words, typed);
  return keywords_beginning(sql_keywords(pc, d), typed);
}

std::vector<std::string> CommandDatabase::sql_keywords(const ParsedCommand& pc, int d) {
  if (d < 1 || d > last_lookup_depth(pc)) return {};
  std::string k = impl_->key(Query::HelpQuestion, d, pc, pc.Words, 1, d - 1);
  k += "keywords";  // not the listing remembered for the same query
  if (const Answer* a = impl_->recall(k)) return a->words;

  std::vector<std::string> patterns = ancestor_literals(pc, d - 1);
  patterns.insert(patterns.begin(), "%");
  Answer found;
  bool ran = impl_->rows(Query::HelpQuestion, d, pc, patterns, [&](StoreRow row) {
    if (row[0] && *row[0] != "<cr>") found.words.emplace_back(*row[0]);
    return true;
  });
  if (!ran) return {};
  if (d >= 2) {
    for (const WordRow& argument : sql_arguments(pc, d)) std::erase(found.words, argument.word);
  }
  impl_->keep(k, found);
  return found.words;
}

}  // namespace zorva
