#include "lab/grading.h"

#include <algorithm>
#include <atomic>
#include <iomanip>
#include <sstream>
#include <thread>

namespace zorva {

namespace {

namespace fs = std::filesystem;

std::string failed_lines(const CheckReport& report) {
  std::string text;
  for (const CheckResult& r : report.results) {
    if (r.passed) continue;
    text += (text.empty() ? "line " : ", ") + std::to_string(r.check->line_number);
  }
  return text;
}

std::string failed_checks(const CheckReport& report) {
  std::string text;
  for (const CheckResult& r : report.results) {
    if (r.passed) continue;
    if (!text.empty()) text += "; ";
    text += "line " + std::to_string(r.check->line_number) + ": " + r.check->text + " (" + r.found +
            ")";
  }
  return text;
}

std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::vector<fs::path> lab_files_of(const std::vector<std::string>& names, std::string& error) {
  std::vector<fs::path> files;
  for (const std::string& name : names) {
    std::error_code ec;
    if (fs::is_directory(name, ec)) {
      std::vector<fs::path> in_folder;
      for (const auto& entry : fs::directory_iterator(name, ec)) {
        const std::string base = entry.path().filename().string();
        if (!base.empty() && base[0] != '.' && !entry.is_directory(ec))
          in_folder.push_back(entry.path());
      }
      std::sort(in_folder.begin(), in_folder.end());
      files.insert(files.end(), in_folder.begin(), in_folder.end());
    } else if (fs::exists(name, ec)) {
      files.emplace_back(name);
    } else {
      error = "no such file or folder: " + name;
      return {};
    }
  }
  return files;
}

std::vector<GradeRow> grade_labs(const std::vector<fs::path>& files,
                                 const std::vector<Check>& checks, const fs::path& app_dir,
                                 unsigned jobs) {
  std::vector<GradeRow> rows(files.size());
  if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
  jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(files.size(), 1)));
  // Each lab is opened into a simulation of its own; the core keeps no state between
  // simulations, so the threads share nothing but the list of checks, which they only read.
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < files.size(); i = next++) {
      rows[i].file = files[i];
      rows[i].report = check_lab_file(files[i], checks, app_dir);
    }
  };
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < jobs; ++t) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
  return rows;
}

std::string grade_table(const std::vector<GradeRow>& rows) {
  std::size_t width = 8;
  for (const GradeRow& row : rows) width = std::max(width, row.file.filename().string().size());
  width = std::min<std::size_t>(width, 40);
  std::ostringstream out;
  out << std::left << std::setw(static_cast<int>(width)) << "LAB FILE"
      << "  PASSED  FAILED  "
      << "FAILED CHECKS\n";
  int unopened = 0;
  for (const GradeRow& row : rows) {
    out << std::left << std::setw(static_cast<int>(width)) << row.file.filename().string();
    if (!row.report.error.empty()) {
      ++unopened;
      out << "       -       -  cannot grade: " << row.report.error << "\n";
      continue;
    }
    out << std::right << std::setw(8) << row.report.passed() << std::setw(8) << row.report.failed();
    const std::string lines = failed_lines(row.report);
    out << (lines.empty() ? "" : "  " + lines) << "\n";
  }
  out << rows.size() << (rows.size() == 1 ? " lab" : " labs") << " graded";
  if (unopened > 0) out << ", " << unopened << " could not be opened";
  out << "\n";
  return out.str();
}

std::string grade_csv(const std::vector<GradeRow>& rows) {
  std::string out = "file,passed,failed,failed_checks,error\n";
  for (const GradeRow& row : rows) {
    const CheckReport& r = row.report;
    out += csv_field(row.file.string()) + ",";
    if (r.error.empty()) {
      out += std::to_string(r.passed()) + "," + std::to_string(r.failed()) + "," +
             csv_field(failed_checks(r)) + ",\n";
    } else {
      out += ",,," + csv_field(r.error) + "\n";
    }
  }
  return out;
}

}  // namespace zorva
