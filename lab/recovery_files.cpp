#include "lab/recovery_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#if !defined(__EMSCRIPTEN__)
#include <signal.h>
#include <unistd.h>
#endif

namespace zorva {

namespace fs = std::filesystem;

namespace {

long own_process_number() {
#if defined(__EMSCRIPTEN__)
  return 1;
#else
  return static_cast<long>(::getpid());
#endif
}

// A process of that number exists (it may be another program that reused the number, which only
// delays the offer until it ends).
bool process_runs(long pid) {
#if defined(__EMSCRIPTEN__)
  return pid == own_process_number();
#else
  if (pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

// The process number in "FACE-recovery-PID.zlab"; 0 for the old single copy, -1 for other files.
long process_of(const std::string& name, const std::string& face) {
  const std::string stem = face + "-recovery";
  if (name == stem + ".zlab") return 0;
  if (name.rfind(stem + "-", 0) != 0 || name.size() <= stem.size() + 6) return -1;
  if (name.substr(name.size() - 5) != ".zlab") return -1;
  const std::string digits = name.substr(stem.size() + 1, name.size() - stem.size() - 6);
  if (digits.empty() || digits.size() > 9 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return -1;
  return std::strtol(digits.c_str(), nullptr, 10);
}

}  // namespace

fs::path recovery_folder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
    return fs::path(xdg) / "zorva";
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    return fs::path(home) / ".config" / "zorva";
  return {};
}

fs::path own_recovery_file(const fs::path& folder, const std::string& face) {
  if (folder.empty()) return {};
  return folder / (face + "-recovery-" + std::to_string(own_process_number()) + ".zlab");
}

std::vector<fs::path> left_behind_recovery_files(const fs::path& folder, const std::string& face) {
  std::vector<std::pair<fs::file_time_type, fs::path>> found;
  std::error_code ec;
  if (folder.empty()) return {};
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    const long pid = process_of(entry.path().filename().string(), face);
    // This program's own number: a copy of an earlier program that had it (not written yet by
    // this one, which looks only at start).
    if (pid < 0 || (pid > 0 && pid != own_process_number() && process_runs(pid))) continue;
    std::error_code time_ec;
    found.emplace_back(entry.last_write_time(time_ec), entry.path());
  }
  std::sort(found.begin(), found.end());
  std::vector<fs::path> files;
  for (auto& [time, path] : found) files.push_back(std::move(path));
  return files;
}

}  // namespace zorva
