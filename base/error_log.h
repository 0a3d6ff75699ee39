// The error log "zorva.log": one line per run-time failure, naming the procedure, after which the
// procedure goes on with its next step. Nothing in the core throws; it checks, logs and carries on.
// The log is bounded: once it would grow past its limit (10 MB), one last line says that logging
// stopped, and nothing more is written until the next start.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zorva {

class Host;

// Run-time error numbers and their descriptions, as the classic runtime numbered them.
enum class RuntimeError : int {
  InvalidProcedureCall = 5,  // "Invalid procedure call or argument"
  Overflow = 6,              // "Overflow"
  SubscriptOutOfRange = 9,   // "Subscript out of range"
  TypeMismatch = 13,         // "Type mismatch"
  FileNotFound = 53,         // "File not found"
  PathNotFound = 76,         // "Path not found"
  DatabaseError = 3024,      // "Could not find file" (the command database is missing)
  QueryFailed = 3001,        // "Invalid argument" (a query could not run)
  NoCurrentRecord = 3021,    // "No current record." (a row was read from an empty result)
  DatabaseDamaged = 3343,    // "Unrecognized database format" (the command database is damaged)
};

std::string_view error_description(RuntimeError e);

inline constexpr std::uintmax_t kErrorLogSizeLimit = 10u << 20;

class ErrorLog {
 public:
  ErrorLog(Host& host, std::filesystem::path file, std::uintmax_t size_limit = kErrorLogSizeLimit);

  // Deletes the log so that it holds only the current run's lines (done once at start-up), and
  // lets a log that had stopped at its limit write again.
  void start_afresh();

  // Remembers words 1..4 of the last command line the parser split, for the "cmd: " field.
  void set_last_command_words(const std::array<std::string, 4>& words) { last_words_ = words; }

  // Appends one line: date-time, the last command's words, the procedure, the window text when
  // there is one, the error number and its description. A line that would take the file past the
  // size limit is replaced by the line saying that logging stopped.
  void log(std::string_view procedure, RuntimeError error,
           std::optional<std::string_view> window_text = std::nullopt);

  // The line `log` would append, without the file (for tests and the terminal face).
  std::string format_line(std::string_view procedure, RuntimeError error,
                          std::optional<std::string_view> window_text) const;

  const std::filesystem::path& file() const { return file_; }
  // Failures logged during this run, counted also when the file could not take their lines.
  int lines_written() const { return lines_written_; }
  bool stopped() const { return stopped_; }  // the size limit was reached

 private:
  void append(const std::string& line);

  Host& host_;
  std::filesystem::path file_;
  std::uintmax_t size_limit_;
  std::array<std::string, 4> last_words_{};
  int lines_written_ = 0;
  bool stopped_ = false;
};

}  // namespace zorva
