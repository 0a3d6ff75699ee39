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

ErrorLog::ErrorLog(Host& host, std::filesystem::path file) : host_(host), file_(std::move(file)) {}

void ErrorLog::start_afresh() {
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
  lines_written_ = 0;
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
  std::ofstream out(file_, std::ios::app | std::ios::binary);
  if (!out) return;  // a log that cannot be written must not stop the simulation
  out << format_line(procedure, error, window_text) << "\r\n";
}

}  // namespace zorva
