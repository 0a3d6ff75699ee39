// A teacher's check file looked over before a class is graded with it: checks that test the same
// thing as an earlier one, and, given the model answer, checks that cannot tell a right lab from
// a wrong one — one that fails on the model answer can never pass, and one that passes even on the
// model's topology with nothing configured can never fail.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "lab/check_file.h"

namespace zorva {

struct LintFinding {
  const Check* check = nullptr;
  std::string what;  // "tests the same as line 5", "fails on the model answer (...)", ...
};

// Checks that test the same thing as an earlier check of the list.
std::vector<LintFinding> repeated_checks(const std::vector<Check>& checks);

// Runs the checks on the model answer's text and on its topology with nothing configured;
// `error` says why the model could not be opened.
std::vector<LintFinding> checks_against_model(const std::vector<Check>& checks,
                                              const std::string& model_text,
                                              const std::filesystem::path& app_dir,
                                              std::string& error);

}  // namespace zorva
