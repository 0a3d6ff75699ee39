#include "lab/check_lint.h"

#include <map>
#include <random>

#include "base/number_text.h"
#include "base/scripted_host.h"
#include "lab/check_run.h"
#include "lab/lab_file.h"
#include "lab/topology_text.h"

namespace zorva {

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// What a check looks at: two checks with the same subject test the same thing (the one may ask
// for it, the other against it, or one with case and one without).
std::string subject(const Check& c) {
  const std::string r = std::to_string(c.router) + " ";
  switch (c.kind) {
    case Check::Kind::Ping:
    case Check::Kind::NoPing:
      return r + "ping " + c.address;
    case Check::Kind::Route:
    case Check::Kind::NoRoute:
      return r + "route " + c.address + "/" + std::to_string(c.prefix_length);
    case Check::Kind::LineProtocol:
      return r + "line protocol " + lower(c.interface);
    case Check::Kind::InterfaceState:
      return r + "interface " + lower(c.interface);
    case Check::Kind::ConfigHas:
    case Check::Kind::ConfigLacks:
      return r + (c.startup ? "startup " : "running ") + lower(c.wanted);
    case Check::Kind::ConfigMatches:
      return r + (c.startup ? "startup /" : "running /") + c.pattern;
    case Check::Kind::ShowContains:
    case Check::Kind::ShowLacks:
      return r + "show " + lower(c.command) + " text " + c.wanted;
    case Check::Kind::ShowMatches:
      return r + "show " + lower(c.command) + " /" + c.pattern;
    case Check::Kind::EnableSecret:
      return r + "secret";
    case Check::Kind::Wait:
      break;
  }
  return "";
}

// Whether `c` asks for its subject to be present (a ping answered, a line there).
bool asks_for(const Check& c) {
  return c.kind != Check::Kind::NoPing && c.kind != Check::Kind::NoRoute &&
         c.kind != Check::Kind::ConfigLacks && c.kind != Check::Kind::ShowLacks;
}

}  // namespace

std::vector<LintFinding> repeated_checks(const std::vector<Check>& checks) {
  std::vector<LintFinding> findings;
  std::map<std::string, const Check*> first;
  for (const Check& c : checks) {
    if (c.kind == Check::Kind::Wait) continue;
    const auto [at, fresh] = first.emplace(subject(c), &c);
    if (fresh) continue;
    const Check& earlier = *at->second;
    const bool opposite = asks_for(c) != asks_for(earlier);
    const bool same_kind_and_state = c.kind == earlier.kind && c.state == earlier.state &&
                                     c.code == earlier.code && c.via == earlier.via;
    std::string what = "tests the same as line " + std::to_string(earlier.line_number);
    if (opposite)
      what = "asks the opposite of line " + std::to_string(earlier.line_number) +
             "; one of the two always fails";
    else if (!same_kind_and_state || c.exact != earlier.exact)
      what += ", in another form";
    findings.push_back({&c, what});
  }
  return findings;
}

std::vector<LintFinding> checks_against_model(const std::vector<Check>& checks,
                                              const std::string& model_text,
                                              const std::filesystem::path& app_dir,
                                              std::string& error) {
  std::vector<LintFinding> findings;
  const CheckReport model = check_lab_text(model_text, checks, app_dir);
  if (!model.error.empty()) {
    error = model.error;
    return findings;
  }
  // The model's topology with every router as it comes from the box.
  ScriptedHost host;
  std::random_device random;
  const std::filesystem::path log =
      std::filesystem::temp_directory_path() /
      ("zorva-lint-" + std::to_string(random()) + std::to_string(random()) + ".log");
  Simulation blank(host, {app_dir, log});
  OpenedLab opened = open_lab_text(model_text, host, {app_dir, log});
  if (opened.sim && start_from_topology_text(blank, opened.sim->topology_text)) {
    const CheckReport untouched = check_lab_text(lab_text(blank, false), checks, app_dir);
    for (std::size_t i = 0; i < model.results.size(); ++i) {
      const CheckResult& m = model.results[i];
      if (!m.passed)
        findings.push_back({m.check, "fails on the model answer (found: " + m.found +
                                         "); no student can pass it"});
      else if (i < untouched.results.size() && untouched.results[i].passed)
        findings.push_back(
            {m.check, "passes on the model's topology with nothing configured; it cannot fail"});
    }
  }
  std::error_code ec;
  std::filesystem::remove(log, ec);
  return findings;
}

}  // namespace zorva
