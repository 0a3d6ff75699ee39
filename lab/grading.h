// Grading a class: the same checks on many lab files, each in a simulation of its own, on every
// core of the machine. Hand-ins come as learning platforms return them, a folder per student: a
// folder is searched through, each row names its student, and files that are not labs are listed
// apart. A file that cannot be opened gets a row that says why; it never stops the run. Beside
// the grades, integrity hints point at hand-ins worth a closer look (lab/integrity_hints.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "lab/check_run.h"
#include "lab/integrity_hints.h"

namespace zorva {

// A lab file found for grading, with the name its row takes when the lab names no student: the
// subfolder it was handed in under, else its path from the folder searched, else the path given.
struct HandedIn {
  std::filesystem::path file;
  std::string name;
};

// A file or folder that is not graded, and why ("not a lab file", "cannot read ...").
struct NotGraded {
  std::filesystem::path file;
  std::string why;
};

struct ClassFiles {
  std::vector<HandedIn> labs;
  std::vector<NotGraded> others;
};

// The lab files named: a file stands for itself (even one that cannot be read: its row says
// why), a folder for every lab file under it, hidden files and folders left out, in name order.
// Under a folder, a file is a lab file when its name ends in .zlab or its text begins as one.
ClassFiles lab_files_of(const std::vector<std::string>& names);

struct GradeRow {
  std::filesystem::path file;
  std::string name;  // the lab's student, else the name it was found under (as the core keeps text)
  CheckReport report;
  std::vector<Hint> hints;  // worth a closer look; never part of the grade
};

// Grades every lab on `jobs` threads (0: one per core); rows come back in the order of `labs`.
// Given the topology the class was given, a lab whose topology differs from it is hinted at.
std::vector<GradeRow> grade_labs(const std::vector<HandedIn>& labs,
                                 const std::vector<Check>& checks,
                                 const std::filesystem::path& app_dir, unsigned jobs,
                                 const ExpectedTopology* expected = nullptr);

// How a class did on one check.
struct CheckTotals {
  const Check* check = nullptr;
  int passed = 0;
  int failed = 0;
  int not_run = 0;  // labs that could not be opened
};
std::vector<CheckTotals> check_totals(const std::vector<GradeRow>& rows,
                                      const std::vector<Check>& checks);

// The exit status of a grading run: 0 when every lab passed every check, 1 when one failed or
// could not be opened (or no lab was found).
int grade_status(const std::vector<GradeRow>& rows);

// The rows as a table for the terminal, with a column of hints when there are any: a closing line
// of totals, the totals of each check, the hints in words, and the files that were not graded.
std::string grade_table(const std::vector<GradeRow>& rows, const std::vector<Check>& checks,
                        const std::vector<NotGraded>& others);

// The rows as CSV in UTF-8 with a byte-order mark: student, file, passed, failed, one column per
// check (pass, fail, or empty when not run), the failed checks in words, the error, the hints.
std::string grade_csv(const std::vector<GradeRow>& rows, const std::vector<Check>& checks);

// A CSV field: quoted when it must be, and shown as text by spreadsheets when it would start a
// formula (=, +, -, @, tab or CR).
std::string csv_field(const std::string& text);

}  // namespace zorva
