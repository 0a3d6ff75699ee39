#include "lab/grade_report.h"

#include <algorithm>
#include <filesystem>

#include "base/html_text.h"
#include "lab/shown_text.h"

namespace zorva {

namespace {

// Simple enough for any browser, and laid out for paper when printed.
constexpr const char* kStyle = R"(
body { font-family: sans-serif; margin: 2em; color: #111; }
h1 { font-size: 1.5em; margin-bottom: 0.2em; }
p.sub { color: #555; margin-top: 0; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #999; padding: 0.25em 0.5em; text-align: left; vertical-align: top; }
th { background: #e8edf5; }
td.num, th.num { text-align: right; }
td.mark { text-align: center; }
.pass { color: #1a7f37; }
.fail { color: #b01c1c; font-weight: bold; }
.none { color: #777; }
td.hint { color: #8a5a00; font-size: 0.9em; }
ol.checks li { margin-bottom: 0.6em; }
.found { color: #444; }
code { font-family: monospace; }
@media print {
  body { margin: 0; font-size: 10pt; }
  a { color: inherit; text-decoration: none; }
  tr, li { page-break-inside: avoid; }
  p.back { display: none; }
}
)";

// Shown as the interactive screens show it (control characters visible), then made safe for HTML.
std::string escaped(const std::string& text) {
  return html_escaped(shown_text(text));
}

// `wide`: a table with a column per check, printed across the paper.
std::string page(const std::string& title, const std::string& body, bool wide = false) {
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" +
         escaped(title) + "</title>\n<style>" + kStyle +
         (wide ? "@page { size: landscape; }\n" : "") + "</style></head>\n<body>\n" + body +
         "</body></html>\n";
}

// The file name of row i's page: its number and the letters and digits of its name.
std::string page_file(std::size_t i, std::size_t count, const std::string& name) {
  std::string number = std::to_string(i + 1);
  number.insert(0, std::to_string(count).size() - number.size(), '0');
  std::string slug;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) && u < 0x80)
      slug += static_cast<char>(std::tolower(u));
    else if (!slug.empty() && slug.back() != '-')
      slug += '-';
    if (slug.size() >= 40) break;
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return number + (slug.empty() ? "" : "-" + slug) + ".html";
}

std::vector<const Check*> graded_checks(const std::vector<Check>& checks) {
  std::vector<const Check*> out;
  for (const Check& c : checks)
    if (c.kind != Check::Kind::Wait) out.push_back(&c);
  return out;
}

std::string route_code(char code) {
  switch (code) {
    case 'C':
      return "connected";
    case 'S':
      return "static";
    case 'R':
      return "RIP";
    case 'I':
      return "IGRP";
    case 'D':
      return "EIGRP";
    case 'O':
      return "OSPF";
    default:
      return std::string(1, code);
  }
}

std::string overview(const std::vector<GradeRow>& rows, const std::vector<Check>& checks,
                     const std::vector<NotGraded>& others, const std::string& check_file,
                     const std::vector<std::string>& files) {
  const std::vector<const Check*> graded = graded_checks(checks);
  const bool hinted =
      std::any_of(rows.begin(), rows.end(), [](const GradeRow& r) { return !r.hints.empty(); });
  // Hints are for the teacher's eyes: the overview has them, the students' pages never do.
  const auto hints_cell = [hinted](const GradeRow& row) {
    if (!hinted) return std::string();
    std::string cell = "<td class=\"hint\">";
    for (std::size_t k = 0; k < row.hints.size(); ++k)
      cell += (k == 0 ? "" : "<br>") + escaped(row.hints[k].text);
    return cell + "</td>";
  };
  std::string b = "<h1>Grades</h1>\n<p class=\"sub\">Checks: " +
                  escaped(std::filesystem::path(check_file).filename().string()) + " &middot; " +
                  std::to_string(rows.size()) + (rows.size() == 1 ? " lab" : " labs") + "</p>\n";
  b += "<table>\n<tr><th>Student</th><th class=\"num\">Passed</th><th class=\"num\">Failed</th>";
  for (std::size_t k = 0; k < graded.size(); ++k)
    b += "<th class=\"num\" title=\"" + escaped(graded[k]->text) + "\">" + std::to_string(k + 1) +
         "</th>";
  b += std::string(hinted ? "<th>Hints (not verdicts)</th>" : "") + "</tr>\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CheckReport& r = rows[i].report;
    b += "<tr><td><a href=\"" + files[i] + "\">" + escaped(rows[i].name) + "</a></td>";
    if (!r.error.empty()) {
      b += "<td colspan=\"" + std::to_string(graded.size() + 2) +
           "\" class=\"fail\">cannot grade: " + escaped(r.error) + "</td>" + hints_cell(rows[i]) +
           "</tr>\n";
      continue;
    }
    b += "<td class=\"num\">" + std::to_string(r.passed()) + "</td><td class=\"num\">" +
         std::to_string(r.failed()) + "</td>";
    for (const CheckResult& result : r.results)
      b += result.passed ? "<td class=\"mark pass\">&#10004;</td>"
                         : "<td class=\"mark fail\">&#10008;</td>";
    b += hints_cell(rows[i]) + "</tr>\n";
  }
  b += "</table>\n<h2>Checks</h2>\n<table>\n<tr><th class=\"num\">#</th><th>Check</th>"
       "<th class=\"num\">Passed</th><th class=\"num\">Failed</th><th class=\"num\">Not run</th>"
       "</tr>\n";
  const std::vector<CheckTotals> totals = check_totals(rows, checks);
  for (std::size_t k = 0; k < totals.size(); ++k)
    b += "<tr><td class=\"num\">" + std::to_string(k + 1) + "</td><td><code>line " +
         std::to_string(totals[k].check->line_number) + ": " + escaped(totals[k].check->text) +
         "</code></td><td class=\"num\">" + std::to_string(totals[k].passed) +
         "</td><td class=\"num\">" + std::to_string(totals[k].failed) + "</td><td class=\"num\">" +
         std::to_string(totals[k].not_run) + "</td></tr>\n";
  b += "</table>\n";
  if (!others.empty()) {
    b += "<h2>Not graded</h2>\n<ul>\n";
    for (const NotGraded& o : others)
      b += "<li>" + escaped(o.file.string()) + " (" + escaped(o.why) + ")</li>\n";
    b += "</ul>\n";
  }
  return page("Grades", b, true);
}

std::string feedback(const GradeRow& row) {
  const CheckReport& r = row.report;
  std::string b = "<p class=\"back\"><a href=\"index.html\">&larr; All students</a></p>\n<h1>" +
                  escaped(row.name) + "</h1>\n<p class=\"sub\">" +
                  escaped(row.file.filename().string()) + "</p>\n";
  if (!r.error.empty()) {
    b += "<p class=\"fail\">Your lab could not be graded: " + escaped(r.error) + "</p>\n";
    return page(row.name, b);
  }
  const int total = r.passed() + r.failed();
  b += "<p>" + std::to_string(r.passed()) + " of " + std::to_string(total) +
       (total == 1 ? " check" : " checks") + " passed.</p>\n";
  if (r.failed() == 0) {
    b += "<p class=\"pass\">Every check passed. Well done.</p>\n";
    return page(row.name, b);
  }
  b += "<h2>What to put right</h2>\n<ol class=\"checks\">\n";
  for (const CheckResult& result : r.results) {
    if (result.passed) continue;
    b += "<li>" + escaped(check_in_words(*result.check)) +
         "<br><span class=\"found\">Found: " + escaped(result.found) + "</span></li>\n";
  }
  b += "</ol>\n";
  return page(row.name, b);
}

}  // namespace

std::string check_in_words(const Check& c) {
  const std::string router = "router " + std::to_string(c.router);
  const std::string Router = "Router " + std::to_string(c.router);
  const std::string config =
      c.startup ? "saved configuration (startup-config)" : "running configuration";
  const std::string network = c.address + "/" + std::to_string(c.prefix_length);
  switch (c.kind) {
    case Check::Kind::Ping:
      return Router + " should get replies when it pings " + c.address + ".";
    case Check::Kind::NoPing:
      return Router + " should get no replies when it pings " + c.address + ".";
    case Check::Kind::Route:
      return Router + "'s routing table should hold " +
             (c.code ? "a " + route_code(c.code) + " route to " : "a route to ") + network +
             (c.via.empty() ? "" : " via " + c.via) + ".";
    case Check::Kind::NoRoute:
      return Router + "'s routing table should not hold a route to " + network + ".";
    case Check::Kind::LineProtocol:
      return "The line protocol of " + router + "'s " + c.interface + " should be " + c.state + ".";
    case Check::Kind::InterfaceState:
      return Router + "'s " + c.interface + " should be " + c.state + ".";
    case Check::Kind::ConfigHas:
      return Router + "'s " + config + " should have the line \"" + c.wanted + "\"" +
             (c.exact ? ", capitals and small letters exactly so." : ".");
    case Check::Kind::ConfigLacks:
      return Router + "'s " + config + " should not have the line \"" + c.wanted + "\".";
    case Check::Kind::ConfigMatches:
      return "A line of " + router + "'s " + config + " should match /" + c.pattern + "/.";
    case Check::Kind::ShowContains:
      return "On " + router + ", \"" + c.command + "\" should show \"" + c.wanted + "\".";
    case Check::Kind::ShowLacks:
      return "On " + router + ", \"" + c.command + "\" should not show \"" + c.wanted + "\".";
    case Check::Kind::ShowMatches:
      return "On " + router + ", a line of \"" + c.command + "\" should match /" + c.pattern + "/.";
    case Check::Kind::EnableSecret:
      return Router + "'s enable secret should be the one the lab asks for.";
    case Check::Kind::Wait:
      break;
  }
  return c.text;
}

std::vector<ReportPage> grade_report(const std::vector<GradeRow>& rows,
                                     const std::vector<Check>& checks,
                                     const std::vector<NotGraded>& others,
                                     const std::string& check_file) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < rows.size(); ++i)
    files.push_back(page_file(i, rows.size(), shown_text(rows[i].name)));
  std::vector<ReportPage> pages{{"index.html", overview(rows, checks, others, check_file, files)}};
  for (std::size_t i = 0; i < rows.size(); ++i) pages.push_back({files[i], feedback(rows[i])});
  return pages;
}

}  // namespace zorva
