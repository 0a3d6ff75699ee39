#include "term/check_command.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "lab/check_lint.h"
#include "lab/check_run.h"
#include "lab/file_text.h"
#include "lab/grade_report.h"
#include "lab/grading.h"
#include "lab/hand_in.h"
#include "lab/shown_text.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

const char* kCheckUsage =
    "usage: zorva-term --check CHECKS --lab FILE\n"
    "       zorva-term --grade CHECKS FILE...|FOLDER... [--csv PATH] [--report FOLDER] [-j N]\n"
    "                  [--topology EXPECTED.ini]\n"
    "       zorva-term --lint CHECKS [--lab MODEL]\n";

struct CheckArgs {
  std::string checks;
  std::string lab;
  std::vector<std::string> labs;
  std::string csv;
  std::string report;
  std::string topology;  // the topology the class was given, for the hints
  unsigned jobs = 0;
  fs::path app_dir;
  bool grade = false;
  bool lint = false;
};

// An argument of --grade that names a file or folder, though it starts with a dash.
bool names_something(const std::string& arg) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(arg, ec));
}

// Reads the arguments; "" or the reason they cannot be used.
std::string read_args(const std::vector<std::string>& args, CheckArgs& a) {
  bool only_files = false;  // after "--" every argument is a lab file or folder
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (only_files ||
        (a.grade && !arg.empty() && (arg[0] != '-' || names_something(arg)) && arg != "--csv" &&
         arg != "--report" && arg != "-j" && arg != "--app-dir" && arg != "--topology")) {
      if (!a.grade) return "unknown argument '" + arg + "'";
      a.labs.push_back(arg);
    } else if (arg == "--" && a.grade) {
      only_files = true;
    } else if ((arg == "--check" || arg == "--grade" || arg == "--lint") && has_value) {
      a.grade = arg == "--grade";
      a.lint = arg == "--lint";
      a.checks = args[++i];
    } else if (arg == "--lab" && has_value) {
      a.lab = args[++i];
    } else if (arg == "--csv" && has_value) {
      a.csv = args[++i];
    } else if (arg == "--report" && has_value) {
      a.report = args[++i];
    } else if (arg == "--topology" && has_value) {
      a.topology = args[++i];
    } else if (arg == "--app-dir" && has_value) {
      a.app_dir = args[++i];
    } else if (arg == "-j" && has_value) {
      const std::string& n = args[++i];
      if (n.empty() || n.size() > 4 || !std::all_of(n.begin(), n.end(), ::isdigit) ||
          std::stoi(n) < 1)
        return "-j takes a number of threads from 1 to 9999";
      a.jobs = static_cast<unsigned>(std::stoi(n));
    } else {
      return "unknown argument '" + shown_text(arg) + "'";
    }
  }
  if (a.grade && a.labs.empty()) return "--grade needs lab files or a folder to grade";
  if (!a.grade && !a.lint && a.lab.empty()) return "--check needs --lab FILE";
  if (!a.grade && (!a.csv.empty() || !a.report.empty() || !a.topology.empty()))
    return "--csv, --report and --topology go with --grade";
  return "";
}

void print_results(const CheckReport& report, std::ostream& out) {
  for (const CheckResult& r : report.results) {
    out << (r.passed ? "PASS" : "FAIL") << "  line " << r.check->line_number << ": "
        << shown_text(r.check->text) << "\n";
    if (!r.passed) out << "      found: " << shown_text(r.found) << "\n";
  }
  out << report.passed() << " passed, " << report.failed() << " failed\n";
}

// Writes the report's pages into `folder`, creating it; "" or why it could not.
std::string write_report(const std::vector<ReportPage>& pages, const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return "cannot make the folder " + folder.string() + ": " + ec.message();
  for (const ReportPage& p : pages)
    if (std::string e = write_file_text(folder / p.file, p.html); !e.empty()) return e;
  return "";
}

// Prints what the lint found; 0 when nothing, 1 when something, 2 when the model cannot be opened.
int lint(const CheckArgs& a, const std::vector<Check>& checks, std::ostream& out,
         std::ostream& err) {
  std::vector<LintFinding> findings = repeated_checks(checks);
  if (!a.lab.empty()) {
    const HandIn model = read_hand_in(a.lab);
    std::string error = model.error;
    std::vector<LintFinding> more;
    if (error.empty()) more = checks_against_model(checks, model.text, a.app_dir, error);
    if (!error.empty()) {
      err << "zorva-term: cannot open the model answer: " << shown_text(error) << "\n";
      return 2;
    }
    findings.insert(findings.end(), more.begin(), more.end());
  }
  std::stable_sort(findings.begin(), findings.end(), [](const auto& x, const auto& y) {
    return x.check->line_number < y.check->line_number;
  });
  for (const LintFinding& f : findings)
    out << "line " << f.check->line_number << ": " << shown_text(f.check->text) << "\n      "
        << shown_text(f.what) << "\n";
  out << findings.size() << (findings.size() == 1 ? " finding" : " findings")
      << (a.lab.empty() ? " (give --lab MODEL to run the checks on the model answer)" : "") << "\n";
  return findings.empty() ? 0 : 1;
}

int grade(const CheckArgs& a, const std::vector<Check>& checks, std::ostream& out,
          std::ostream& err) {
  std::optional<ExpectedTopology> expected;
  if (!a.topology.empty()) {
    std::string error;
    std::optional<TopologyShape> shape = topology_shape_of_file(a.topology, a.app_dir, error);
    if (!shape) {
      err << "zorva-term: cannot use the topology " << shown_text(a.topology) << ": "
          << shown_text(error) << "\n";
      return 2;
    }
    expected = ExpectedTopology{fs::path(a.topology).filename().string(), std::move(*shape)};
  }
  const ClassFiles found = lab_files_of(a.labs);
  const std::vector<GradeRow> rows =
      grade_labs(found.labs, checks, a.app_dir, a.jobs, expected ? &*expected : nullptr);
  out << grade_table(rows, checks, found.others);
  if (rows.empty()) err << "zorva-term: no lab files found to grade\n";
  int status = grade_status(rows);
  if (!a.csv.empty()) {
    if (const std::string e = write_file_text(a.csv, grade_csv(rows, checks)); !e.empty()) {
      err << "zorva-term: " << shown_text(e) << "\n";
      status = 2;
    }
  }
  if (!a.report.empty()) {
    const std::string e =
        write_report(grade_report(rows, checks, found.others, a.checks), a.report);
    if (!e.empty()) {
      err << "zorva-term: " << shown_text(e) << "\n";
      status = 2;
    }
  }
  return status;
}

}  // namespace

std::optional<int> run_check_command(const std::vector<std::string>& args, const fs::path& app_dir,
                                     std::ostream& out, std::ostream& err) {
  if (std::none_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--check" || a == "--grade" || a == "--lint";
      }))
    return std::nullopt;
  CheckArgs a;
  a.app_dir = app_dir;
  if (const std::string e = read_args(args, a); !e.empty()) {
    err << "zorva-term: " << e << "\n" << kCheckUsage;
    return 2;
  }
  std::vector<Check> checks;
  if (const auto e = read_check_file(a.checks, checks)) {
    // A reason from the reading names the file already.
    if (e->line_number > 0)
      err << shown_text(a.checks) << " line " << e->line_number << ": ";
    else if (e->message.rfind("cannot read ", 0) != 0)
      err << shown_text(a.checks) << ": ";
    err << shown_text(e->message) << "\n";
    return 2;
  }
  if (a.grade) return grade(a, checks, out, err);
  if (a.lint) return lint(a, checks, out, err);
  const CheckReport report = check_lab_file(a.lab, checks, a.app_dir);
  if (!report.error.empty()) {
    err << "zorva-term: cannot open the lab: " << shown_text(report.error) << "\n";
    return 2;
  }
  print_results(report, out);
  return report.failed() == 0 ? 0 : 1;
}

}  // namespace zorva
