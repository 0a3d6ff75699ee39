#include "term/check_command.h"

#include <algorithm>
#include <fstream>
#include <ostream>

#include "lab/check_run.h"
#include "lab/grading.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

const char* kCheckUsage =
    "usage: zorva-term --check CHECKS --lab FILE\n"
    "       zorva-term --grade CHECKS FILE...|FOLDER [--csv PATH] [-j N]\n";

struct CheckArgs {
  std::string checks;
  std::string lab;
  std::vector<std::string> labs;
  std::string csv;
  unsigned jobs = 0;
  fs::path app_dir;
  bool grade = false;
};

// Reads the arguments; "" or the reason they cannot be used.
std::string read_args(const std::vector<std::string>& args, CheckArgs& a) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if ((arg == "--check" || arg == "--grade") && has_value) {
      a.grade = arg == "--grade";
      a.checks = args[++i];
    } else if (arg == "--lab" && has_value) {
      a.lab = args[++i];
    } else if (arg == "--csv" && has_value) {
      a.csv = args[++i];
    } else if (arg == "--app-dir" && has_value) {
      a.app_dir = args[++i];
    } else if (arg == "-j" && has_value) {
      const std::string& n = args[++i];
      if (n.empty() || n.size() > 4 || !std::all_of(n.begin(), n.end(), ::isdigit) ||
          std::stoi(n) < 1)
        return "-j takes a number of threads from 1 to 9999";
      a.jobs = static_cast<unsigned>(std::stoi(n));
    } else if (a.grade && !arg.empty() && arg[0] != '-') {
      a.labs.push_back(arg);
    } else {
      return "unknown argument '" + arg + "'";
    }
  }
  if (a.grade && a.labs.empty()) return "--grade needs lab files or a folder to grade";
  if (!a.grade && a.lab.empty()) return "--check needs --lab FILE";
  return "";
}

void print_results(const CheckReport& report, std::ostream& out) {
  for (const CheckResult& r : report.results) {
    out << (r.passed ? "PASS" : "FAIL") << "  line " << r.check->line_number << ": "
        << r.check->text << "\n";
    if (!r.passed) out << "      found: " << r.found << "\n";
  }
  out << report.passed() << " passed, " << report.failed() << " failed\n";
}

}  // namespace

std::optional<int> run_check_command(const std::vector<std::string>& args, const fs::path& app_dir,
                                     std::ostream& out, std::ostream& err) {
  if (std::none_of(args.begin(), args.end(),
                   [](const std::string& a) { return a == "--check" || a == "--grade"; }))
    return std::nullopt;
  CheckArgs a;
  a.app_dir = app_dir;
  if (const std::string e = read_args(args, a); !e.empty()) {
    err << "zorva-term: " << e << "\n" << kCheckUsage;
    return 2;
  }
  std::vector<Check> checks;
  if (const auto e = read_check_file(a.checks, checks)) {
    err << a.checks;
    if (e->line_number > 0) err << " line " << e->line_number;
    err << ": " << e->message << "\n";
    return 2;
  }
  if (!a.grade) {
    const CheckReport report = check_lab_file(a.lab, checks, a.app_dir);
    if (!report.error.empty()) {
      err << "zorva-term: cannot open the lab: " << report.error << "\n";
      return 2;
    }
    print_results(report, out);
    return report.failed() == 0 ? 0 : 1;
  }
  std::string error;
  const std::vector<fs::path> files = lab_files_of(a.labs, error);
  if (!error.empty()) {
    err << "zorva-term: " << error << "\n";
    return 2;
  }
  const std::vector<GradeRow> rows = grade_labs(files, checks, a.app_dir, a.jobs);
  out << grade_table(rows);
  if (!a.csv.empty()) {
    std::ofstream csv(a.csv, std::ios::binary | std::ios::trunc);
    csv << grade_csv(rows);
    if (!csv) {
      err << "zorva-term: cannot write " << a.csv << "\n";
      return 2;
    }
  }
  return 0;
}

}  // namespace zorva
