#include "lab/grading.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <sstream>
#include <thread>

#include "base/number_text.h"
#include "lab/hand_in.h"
#include "lab/shown_text.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

// How much of a file is read to tell whether it is a lab file.
constexpr std::size_t kSniffBytes = 4096;
// The widest name column of the table.
constexpr std::size_t kNameWidth = 32;

bool hidden(const fs::path& p) {
  const std::string base = p.filename().string();
  return !base.empty() && base[0] == '.';
}

bool has_lab_extension(const fs::path& p) {
  std::string ext = p.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".zlab";
}

// Whether a file found in a folder is a lab: by its name, else by its first bytes. "" when it
// is, else why it is not graded.
std::string lab_or_why(const fs::path& file) {
  if (has_lab_extension(file)) return "";
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) return "not a lab file";
  std::string head(kSniffBytes, '\0');
  head.resize(std::fread(head.data(), 1, head.size(), in));
  std::fclose(in);
  return looks_like_lab(head) ? "" : "not a lab file";
}

// Every file under `folder`, depth first in name order; folders that cannot be read are listed
// apart. Links to folders are not followed, so a link cycle ends.
void walk(const fs::path& folder, std::vector<fs::path>& files, std::vector<NotGraded>& others) {
  std::error_code ec;
  std::vector<fs::path> entries;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (!hidden(it->path())) entries.push_back(it->path());
  if (ec) {
    others.push_back({folder, "cannot read the folder: " + ec.message()});
    return;
  }
  std::sort(entries.begin(), entries.end());
  for (const fs::path& p : entries) {
    std::error_code e;
    if (fs::is_directory(fs::symlink_status(p, e)))
      walk(p, files, others);
    else
      files.push_back(p);
  }
}

// The names of the labs found under one folder: the subfolder a lab was handed in under when it
// holds no other lab, else the lab's path from the folder.
void name_by_subfolder(const fs::path& folder, std::vector<HandedIn>& labs, std::size_t from) {
  std::map<std::string, int> per_subfolder;
  std::vector<fs::path> relative;
  for (std::size_t i = from; i < labs.size(); ++i) {
    relative.push_back(labs[i].file.lexically_relative(folder));
    if (std::distance(relative.back().begin(), relative.back().end()) > 1)
      ++per_subfolder[relative.back().begin()->string()];
  }
  for (std::size_t i = from; i < labs.size(); ++i) {
    const fs::path& r = relative[i - from];
    const std::string first = r.begin()->string();
    const bool alone = std::distance(r.begin(), r.end()) > 1 && per_subfolder[first] == 1;
    labs[i].name = alone ? first : r.string();
  }
}

std::string check_heading(const Check& c) {
  return "line " + std::to_string(c.line_number) + ": " + c.text;
}

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
    text += check_heading(*r.check) + " (" + r.found + ")";
  }
  return text;
}

std::string padded(const std::string& shown, std::size_t width) {
  const std::size_t w = shown_width(shown);
  return w >= width ? shown : shown + std::string(width - w, ' ');
}

// Cut to `width` characters, with "..." when cut.
std::string cut(const std::string& shown, std::size_t width) {
  if (shown_width(shown) <= width) return shown;
  std::string out;
  std::size_t n = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(shown[i]) & 0xC0) != 0x80;
    if (starts && ++n > width - 3) break;
    out += shown[i];
  }
  return out + "...";
}

// The hints of a row in the table's column: their kinds, in a word each.
std::string hint_words(const GradeRow& row) {
  std::string words;
  for (const Hint& h : row.hints)
    words += (words.empty() ? "" : ",") + std::string(hint_word(h.kind));
  return words;
}

std::string hint_texts(const GradeRow& row) {
  std::string text;
  for (const Hint& h : row.hints) text += (text.empty() ? "" : "; ") + h.text;
  return text;
}

std::string right(int n, int width) {
  std::string s = std::to_string(n);
  return std::string(s.size() < static_cast<std::size_t>(width) ? width - s.size() : 0, ' ') + s;
}

}  // namespace

ClassFiles lab_files_of(const std::vector<std::string>& names) {
  ClassFiles found;
  for (const std::string& name : names) {
    std::error_code ec;
    if (!fs::is_directory(name, ec)) {
      // A file named is graded whatever it holds; one that cannot be read gets a row saying why.
      found.labs.push_back({name, name});
      continue;
    }
    std::vector<fs::path> files;
    walk(name, files, found.others);
    const std::size_t from = found.labs.size();
    for (const fs::path& f : files) {
      if (const std::string why = lab_or_why(f); why.empty())
        found.labs.push_back({f, ""});
      else
        found.others.push_back({f, why});
    }
    name_by_subfolder(name, found.labs, from);
  }
  return found;
}

std::vector<GradeRow> grade_labs(const std::vector<HandedIn>& labs,
                                 const std::vector<Check>& checks, const fs::path& app_dir,
                                 unsigned jobs, const ExpectedTopology* expected) {
  std::vector<GradeRow> rows(labs.size());
  std::vector<LabTraits> traits(labs.size());
  if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
  jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(labs.size(), 1)));
  // Each lab is opened into a simulation of its own; the core keeps no state between
  // simulations, so the threads share nothing but the list of checks, which they only read.
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < labs.size(); i = next++) {
      GradeRow& row = rows[i];
      row.file = labs[i].file;
      const HandIn hand_in = read_hand_in(labs[i].file);
      row.name = trim(hand_in.student).empty() ? labs[i].name : trim(hand_in.student);
      if (!hand_in.error.empty()) {
        row.report.error = hand_in.error;
        continue;
      }
      row.report =
          check_lab_text(hand_in.text, checks, app_dir,
                         [&traits, i](const Simulation& sim) { traits[i] = lab_traits(sim); });
    }
  };
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < jobs; ++t) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
  std::vector<std::string> names;
  for (const GradeRow& row : rows) names.push_back(row.name);
  std::vector<std::vector<Hint>> hints = integrity_hints(traits, names, expected);
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].hints = std::move(hints[i]);
  return rows;
}

std::vector<CheckTotals> check_totals(const std::vector<GradeRow>& rows,
                                      const std::vector<Check>& checks) {
  std::vector<CheckTotals> totals;
  std::map<const Check*, std::size_t> index;
  for (const Check& c : checks) {
    if (c.kind == Check::Kind::Wait) continue;
    index[&c] = totals.size();
    totals.push_back({&c, 0, 0, 0});
  }
  for (const GradeRow& row : rows) {
    if (!row.report.error.empty()) {
      for (CheckTotals& t : totals) ++t.not_run;
      continue;
    }
    for (const CheckResult& r : row.report.results) {
      CheckTotals& t = totals[index.at(r.check)];
      ++(r.passed ? t.passed : t.failed);
    }
  }
  return totals;
}

int grade_status(const std::vector<GradeRow>& rows) {
  if (rows.empty()) return 1;
  for (const GradeRow& row : rows)
    if (!row.report.error.empty() || row.report.failed() > 0) return 1;
  return 0;
}

std::string grade_table(const std::vector<GradeRow>& rows, const std::vector<Check>& checks,
                        const std::vector<NotGraded>& others) {
  std::size_t width = 7;
  for (const GradeRow& row : rows) width = std::max(width, shown_width(shown_text(row.name)));
  width = std::min(width, kNameWidth);
  // The hints' column is there only when a lab has hints.
  std::size_t hints_width = 0;
  for (const GradeRow& row : rows)
    if (!row.hints.empty())
      hints_width = std::max<std::size_t>({hints_width, 5, hint_words(row).size()});
  const auto hints_cell = [hints_width](const GradeRow& row) {
    return hints_width == 0 ? std::string() : "  " + padded(hint_words(row), hints_width);
  };
  std::ostringstream out;
  out << padded("STUDENT", width) << "  PASSED  FAILED"
      << (hints_width == 0 ? "" : "  " + padded("HINTS", hints_width)) << "  FAILED CHECKS\n";
  int unopened = 0;
  for (const GradeRow& row : rows) {
    out << padded(cut(shown_text(row.name), width), width);
    if (!row.report.error.empty()) {
      ++unopened;
      out << "       -       -" << hints_cell(row)
          << "  cannot grade: " << shown_text(row.report.error) << "\n";
      continue;
    }
    out << right(row.report.passed(), 8) << right(row.report.failed(), 8);
    const std::string lines = failed_lines(row.report);
    std::string line = hints_cell(row) + (lines.empty() ? "" : "  " + lines);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
  const std::size_t graded = rows.size() - static_cast<std::size_t>(unopened);
  out << graded << (graded == 1 ? " lab" : " labs") << " graded";
  if (unopened > 0) out << ", " << unopened << " could not be opened";
  out << "\n";

  const std::vector<CheckTotals> totals = check_totals(rows, checks);
  if (!totals.empty() && !rows.empty()) {
    out << "\nPASSED  FAILED  NOT RUN  CHECK\n";
    for (const CheckTotals& t : totals)
      out << right(t.passed, 6) << right(t.failed, 8) << right(t.not_run, 9) << "  "
          << shown_text(check_heading(*t.check)) << "\n";
  }
  if (hints_width > 0) {
    out << "\nHints (worth a closer look; not verdicts):\n";
    for (const GradeRow& row : rows)
      for (const Hint& h : row.hints)
        out << "  " << shown_text(row.name) << ": " << shown_text(h.text) << "\n";
  }
  if (!others.empty()) {
    out << "\nNot graded:\n";
    for (const NotGraded& o : others)
      out << "  " << shown_text(o.file.string()) << " (" << shown_text(o.why) << ")\n";
  }
  return out.str();
}

std::string csv_field(const std::string& text) {
  std::string t = text;
  if (!t.empty() && std::string("=+-@\t\r").find(t[0]) != std::string::npos) t = "'" + t;
  if (t.find_first_of(",\"\r\n") == std::string::npos) return t;
  std::string out = "\"";
  for (char c : t) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string grade_csv(const std::vector<GradeRow>& rows, const std::vector<Check>& checks) {
  const auto line = [](const std::vector<std::string>& cells) {
    std::string out;
    for (const std::string& cell : cells) out += (out.empty() ? "" : ",") + csv_field(cell);
    return out + "\n";
  };
  std::vector<std::string> header{"student", "file", "passed", "failed"};
  for (const Check& c : checks)
    if (c.kind != Check::Kind::Wait) header.push_back(shown_text(check_heading(c)));
  header.insert(header.end(), {"failed_checks", "error", "hints"});
  std::string out = "\xEF\xBB\xBF" + line(header);
  for (const GradeRow& row : rows) {
    const CheckReport& r = row.report;
    std::vector<std::string> cells{shown_text(row.name), shown_text(row.file.string())};
    if (r.error.empty()) {
      cells.insert(cells.end(), {std::to_string(r.passed()), std::to_string(r.failed())});
      for (const CheckResult& result : r.results) cells.push_back(result.passed ? "pass" : "fail");
      cells.insert(cells.end(), {shown_text(failed_checks(r)), ""});
    } else {
      cells.resize(header.size() - 2);
      cells.push_back(shown_text(r.error));
    }
    cells.push_back(shown_text(hint_texts(row)));
    out += line(cells);
  }
  return out;
}

}  // namespace zorva
