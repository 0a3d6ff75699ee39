// Running checks on a lab. Checks never touch the lab they judge: they run on a simulation built
// afresh from the lab's file text, so nothing appears in the student's consoles and no state
// changes.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "lab/check_file.h"
#include "simulation/simulation.h"

namespace zorva {

struct CheckResult {
  const Check* check = nullptr;  // the check, from the list given
  bool passed = false;
  std::string found;  // for a failed check, what was found instead
};

struct CheckReport {
  std::string error;                 // the lab could not be opened; no check ran
  std::vector<CheckResult> results;  // one per check, `wait` lines left out
  int passed() const;
  int failed() const;
};

// Runs `checks` in order on `sim`, which they change: pings are sent and waits pass. Meant for a
// simulation of its own, such as a copy made by check_lab.
std::vector<CheckResult> run_checks(Simulation& sim, const std::vector<Check>& checks);

// Runs `checks` on a copy of `live`. `app_dir` is the program directory (the command database).
CheckReport check_lab(const Simulation& live, const std::vector<Check>& checks,
                      const std::filesystem::path& app_dir);

// Opens the lab of a lab file's text and runs `checks` on it; a text that cannot be opened gives
// `error`.
CheckReport check_lab_text(const std::string& text, const std::vector<Check>& checks,
                           const std::filesystem::path& app_dir);
// The same, and `look` first sees the lab as it was opened, before any check changes it (grading
// takes what its integrity hints compare from there).
CheckReport check_lab_text(const std::string& text, const std::vector<Check>& checks,
                           const std::filesystem::path& app_dir,
                           const std::function<void(const Simulation&)>& look);

// Opens the lab file and runs `checks` on it; a file that cannot be opened gives `error`.
CheckReport check_lab_file(const std::filesystem::path& lab, const std::vector<Check>& checks,
                           const std::filesystem::path& app_dir);

}  // namespace zorva
