// Grading a class: the same checks on many lab files, each in a simulation of its own, on every
// core of the machine. A file that cannot be opened gets a row that says why; it never stops the
// run.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "lab/check_run.h"

namespace zorva {

struct GradeRow {
  std::filesystem::path file;
  CheckReport report;
};

// The lab files named: a file stands for itself, a folder for every file in it (hidden files
// left out), sorted by name. A name that is neither gives `error`.
std::vector<std::filesystem::path> lab_files_of(const std::vector<std::string>& names,
                                                std::string& error);

// Grades every file on `jobs` threads (0: one per core); rows come back in the order of `files`.
std::vector<GradeRow> grade_labs(const std::vector<std::filesystem::path>& files,
                                 const std::vector<Check>& checks,
                                 const std::filesystem::path& app_dir, unsigned jobs);

// The rows as a table for the terminal, with a closing line of totals.
std::string grade_table(const std::vector<GradeRow>& rows);

// The rows as CSV: file, passed, failed, failed checks, error.
std::string grade_csv(const std::vector<GradeRow>& rows);

}  // namespace zorva
