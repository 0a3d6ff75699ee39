#include "base/error_log.h"

#include <fstream>
#include <system_error>

#include "base/host.h"

namespace zorva {

std::string_view error_description(RuntimeError e) {
  switch (e) {
    case RuntimeError::InvalidProcedureCall:
      return "Invalid procedure call or argument";
    case RuntimeError::Overflow:
      return "Overflow";
    case RuntimeError::SubscriptOutOfRange:
      return "Subscript out of range";
    case RuntimeError::TypeMismatch:
      return "Type mismatch";
    case RuntimeError::FileNotFound:
      return "File not found";
    case RuntimeError::PathNotFound:
      return "Path not found";
    case RuntimeError::DatabaseError:
      return "Could not find file";
    case RuntimeError::QueryFailed:
      return "Invalid argument";
    case RuntimeError::NoCurrentRecord:
      return "No current record.";
    case RuntimeError::DatabaseDamaged:
      return "Unrecognized database format";
  }
  return "Application-defined or object-defined error";
}

namespace {

// The limit as the stop line names it: whole megabytes as "10 MB", anything else in bytes.
std::string size_text(std::uintmax_t bytes) {
  constexpr std::uintmax_t kMegabyte = 1u << 20;
  if (bytes >= kMegabyte && bytes % kMegabyte == 0)
    return std::to_string(bytes / kMegabyte) + " MB";
  return std::to_string(bytes) + " bytes";
}

}  // namespace

ErrorLog::ErrorLog(Host& host, std::filesystem::path file, std::uintmax_t size_limit)
    : host_(host), file_(std::move(file)), size_limit_(size_limit) {}

void ErrorLog::start_afresh() {
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
  lines_written_ = 0;
  stopped_ = false;
}

std::string ErrorLog::format_line(std::string_view procedure, RuntimeError error,
                                  std::optional<std::string_view> window_text) const {
  std::string line = host_.date_time_text();
  line += " - cmd: ";
  line += last_words_[0] + " " + last_words_[1] + " " + last_words_[2] + " " + last_words_[3];
  line += " -- ";
  line += procedure;
  if (window_text) {
    line += " - ";
    line += *window_text;
  }
  line += " - " + std::to_string(static_cast<int>(error)) + " - ";
  line += error_description(error);
  return line;
}

void ErrorLog::log(std::string_view procedure, RuntimeError error,
                   std::optional<std::string_view> window_text) {
  ++lines_written_;
  if (stopped_) return;
  const std::string line = format_line(procedure, error, window_text) + "\r\n";
  // The file's own size is asked each time: other simulations of the same program (a lab opened
  // beside the one in use) append to the same file.
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file_, ec);
  if (!ec && size + line.size() > size_limit_) {
    stopped_ = true;
    append(host_.date_time_text() + " - the log has reached " + size_text(size_limit_) +
           "; logging stopped until the next start\r\n");
    return;
  }
  append(line);
}

void ErrorLog::append(const std::string& line) {
  std::ofstream out(file_, std::ios::app | std::ios::binary);
  if (!out) return;  // a log that cannot be written must not stop the simulation
  out << line;
}

}  // namespace zorva
