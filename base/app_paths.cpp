#include "base/app_paths.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace zorva {

namespace {
constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

// A folder holds the program's data when the command database is there.
bool holds_data(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_regular_file(folder / "zorva.mdb", ec);
}
}  // namespace

std::string app_path_of(const std::filesystem::path& folder) {
  std::string s = folder.string();
  if (s.empty() || s.back() != kSeparator) s += kSeparator;
  return s;
}

std::string default_topology_file(const std::string& folder) {
  if (!folder.empty() && folder.back() == kSeparator) return folder + "default.ini";
  return folder + kSeparator + "default.ini";
}

std::string version_text_of(int major, int minor, int revision) {
  // In hundredths, so the sum is exact; then written without trailing zeros.
  const long hundredths = major * 100L + minor * 10L + revision;
  std::string s = std::to_string(hundredths / 100);
  const long frac = hundredths % 100;
  if (frac != 0) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02ld", frac);
    std::string digits = buf;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    s += "." + digits;
  }
  return s;
}

std::string program_version_text() {
  return version_text_of(ZORVA_VERSION_MAJOR, ZORVA_VERSION_MINOR, ZORVA_VERSION_PATCH);
}

std::filesystem::path program_data_folder(const std::filesystem::path& exe_folder) {
  if (holds_data(exe_folder)) return exe_folder;
  const std::filesystem::path shared = (exe_folder / ".." / "share" / "zorva").lexically_normal();
  if (holds_data(shared)) return shared;
  return exe_folder;
}

std::filesystem::path user_state_folder() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/')
    return std::filesystem::path(state) / "zorva";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return std::filesystem::path(home) / ".local" / "state" / "zorva";
  return {};
}

}  // namespace zorva
