// The command database and the six queries through which the parser reads the command tree. The
// tree comes from a store: the SQLite file zorva.mdb, or tables compiled into the program (see
// command_store.h); this class builds the queries' patterns, logs what fails and remembers answers.
// The tree does not change while the program runs, so each answer is remembered and a line typed
// before costs no query at all.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "parser/command_store.h"
#include "parser/parsed_command.h"

namespace zorva {

class ErrorLog;

// A row of the tree as real-router lines read it: its word, and the argument kind (sql_arguments)
// or the help text (sql_next_words).
struct WordRow {
  std::string word;  // keyword, placeholder (A.B.C.D, WORD, <1-65535> ...) or <cr>
  std::string text;  // WORD, LINE, Range, IP or SUBNETMASK; or the help text
  bool operator==(const WordRow&) const = default;
};

class CommandDatabase {
 public:
  explicit CommandDatabase(ErrorLog& log);
  ~CommandDatabase();
  CommandDatabase(const CommandDatabase&) = delete;
  CommandDatabase& operator=(const CommandDatabase&) = delete;

  using Status = StoreStatus;  // NotOpened, Open, Missing, Damaged

  // Opens the file read-only. A missing file is logged as not found, a file that is no command
  // database as damaged; every query then yields 0, false or "" and logs under its own name.
  // A build without SQLite answers from the built-in tables instead, whatever the file.
  bool open(const std::filesystem::path& file);
  // Answers from the tables compiled into the program (needs the library zorva_command_tables).
  bool open_builtin();
  // Answers from `tables`, which must outlive the database or the next open.
  bool open_tables(const CommandTables& tables);
  void close();
  bool is_open() const;
  Status status() const;  // how the last open went
  // Why no command can be recognised, one sentence naming the file; "" when the file is open.
  std::string problem() const;

  // Called by the parser at the start of every line that reaches the queries. Normally nothing;
  // with `reopen_every_line` set (the old design, kept for the benchmark) the store is opened
  // again (for the file: every statement prepared anew) and the remembered answers forgotten.
  void begin_line();
  void set_reopen_every_line(bool on) { reopen_every_line_ = on; }
  void set_remember_answers(bool on);

  // The six queries. `d` is the depth (word number); outside the ranges below no query is built.
  Int16 sql_count_commands(const ParsedCommand& pc, int d);       // 1..6
  void sql_get_command_text(ParsedCommand& pc, int d);            // 1..6
  std::string sql_help_question(const ParsedCommand& pc, int d);  // 1..6
  std::string sql_help_space_question(ParsedCommand& pc, const SpecialWords& special,
                                      int d);                        // 0..6
  bool sql_is_command_complete(const ParsedCommand& pc, int d);      // 1..6
  bool sql_check_for_special_cases(const ParsedCommand& pc, int d);  // 2..6
  // For real-router lines: the argument rows at depth d under the words before it (matched by
  // prefix, as every query does), in tree order; and the rows that may follow FullWords(1..d)
  // (each matched exactly), with their help, in the order of sql_help_space_question.
  std::vector<WordRow> sql_arguments(const ParsedCommand& pc, int d);   // 2..7 in real-router
  std::vector<WordRow> sql_next_words(const ParsedCommand& pc, int d);  // 0..6
  // The keywords at depth d under the words before it (matched by prefix), in tree order: every
  // word there but the arguments and <cr>.
  std::vector<std::string> sql_keywords(const ParsedCommand& pc, int d);  // 1..7 in real-router
  // Those of them that `typed` begins (without regard to case), narrowed to the one it equals if
  // any: the real-router match of one word, taken from the remembered list without copying it.
  std::vector<std::string> sql_keywords_beginning(const ParsedCommand& pc, int d,
                                                  std::string_view typed);

  // A real-router "words ?" listing for FullWords(1..d) of `pc` (and whether the line began with
  // "no"), kept with the remembered answers since the tree never changes: nullptr until kept.
  const std::string* remembered_listing(const ParsedCommand& pc, int d) const;
  void remember_listing(const ParsedCommand& pc, int d, std::string listing);

  long long statements_run() const;  // queries put to the store (for tests and benches)

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool reopen_every_line_ = false;
};

}  // namespace zorva
