#include "lab/check_run.h"

#include <random>
#include <sstream>

#include "base/number_text.h"
#include "base/scripted_host.h"
#include "console/key_handler.h"
#include "lab/hand_in.h"
#include "lab/lab_file.h"
#include "lab/ping_trace.h"
#include "lab/settle.h"
#include "reports/password_scramble.h"
#include "reports/reports.h"
#include "router/output.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

// Presses of the space bar after which paged output is taken as complete.
constexpr int kMostPages = 400;
// What a failed check quotes of configuration lines at most.
constexpr std::size_t kQuoteLimit = 300;
// What a failed check quotes of one line of output at most.
constexpr std::size_t kLineLimit = 160;

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(plain_line_ends(text));
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::string quoted_line(const std::string& line) {
  const std::string t = trim(line);
  return "\"" + (t.size() > kLineLimit ? t.substr(0, kLineLimit) + "..." : t) + "\"";
}

// The length of the longest stretch that `a` and `b` share, case ignored.
std::size_t longest_common_stretch(const std::string& a, const std::string& b) {
  const std::string x = lower(a), y = lower(b);
  std::vector<std::size_t> previous(y.size() + 1, 0), current(y.size() + 1, 0);
  std::size_t best = 0;
  for (std::size_t i = 1; i <= x.size(); ++i) {
    for (std::size_t j = 1; j <= y.size(); ++j) {
      current[j] = x[i - 1] == y[j - 1] ? previous[j - 1] + 1 : 0;
      best = std::max(best, current[j]);
    }
    std::swap(previous, current);
  }
  return best;
}

// The line of `lines` that comes nearest to `wanted`: the one sharing the longest stretch with
// it, the first of equals; "" when none shares a character.
std::string nearest_line(const std::vector<std::string>& lines, const std::string& wanted) {
  std::size_t best = 0;
  std::string nearest;
  for (const std::string& line : lines) {
    const std::size_t shared = longest_common_stretch(line, wanted);
    if (shared > best) {
      best = shared;
      nearest = line;
    }
  }
  return nearest;
}

// Types `command` into router r's console in privileged EXEC mode, lets paged output run to the
// end, and gives the lines the command printed: neither the echoed command nor the prompt after.
std::vector<std::string> run_command(Simulation& sim, Router& r, const std::string& command) {
  sim.active_router = r.number;
  enter_mode(r.record, sim.mode_tables, kModePrivileged);
  show_prompt(r);
  const std::size_t from = r.console.transcript().size();
  for (unsigned char c : command) sim.key_press(r, c);
  sim.key_press(r, kEnter);
  for (int i = 0; i < kMostPages && r.record.paging_state != 0; ++i) sim.key_press(r, ' ');
  std::vector<std::string> lines = lines_of(r.console.transcript().substr(from));
  // The output follows the line that echoes the command after the prompt.
  const auto echo = std::find_if(lines.begin(), lines.end(), [&command](const std::string& line) {
    return trim(line).ends_with(command);
  });
  if (echo != lines.end()) lines.erase(lines.begin(), echo + 1);
  return lines;
}

InterfaceEntry* interface_named(RouterRecord& r, const std::string& name) {
  for (int i = 1; i <= std::min<int>(r.interface_count, kMaxInterfaces); ++i)
    if (lower(r.interfaces[i].name) == lower(name)) return &r.interfaces[i];
  return nullptr;
}

std::string route_text(const RouteEntry& e) {
  std::string t =
      std::string(1, e.code) + " " + dotted(e.network) + "/" + std::to_string(e.prefix_length);
  if (e.code == 'C') {
    t += " directly connected";
  } else if (!e.interface_address.empty()) {
    t += " via " + e.interface_address;
  }
  return t;
}

std::string table_text(const RouterRecord& r) {
  if (r.route_count <= 0) return "the routing table is empty";
  std::string t = "the routing table holds ";
  for (int i = 1; i <= std::min<int>(r.route_count, kMaxRoutes); ++i) {
    if (i > 1) t += ", ";
    t += route_text(r.routes[i]);
  }
  return t;
}

void check_route(const Check& c, const RouterRecord& r, CheckResult& result) {
  const Ipv4 network = *parse_dotted(c.address);
  std::vector<const RouteEntry*> same;
  for (int i = 1; i <= std::min<int>(r.route_count, kMaxRoutes); ++i)
    if (r.routes[i].network == network && r.routes[i].prefix_length == c.prefix_length)
      same.push_back(&r.routes[i]);
  if (c.kind == Check::Kind::NoRoute) {
    result.passed = same.empty();
    if (!result.passed) result.found = "the routing table holds " + route_text(*same.front());
    return;
  }
  for (const RouteEntry* e : same) {
    if ((c.code == 0 || e->code == c.code) && (c.via.empty() || e->interface_address == c.via)) {
      result.passed = true;
      return;
    }
  }
  if (same.empty()) {
    result.found =
        "no route to " + c.address + "/" + std::to_string(c.prefix_length) + "; " + table_text(r);
  } else {
    result.found = "found " + route_text(*same.front());
  }
}

void check_interface(const Check& c, RouterRecord& r, CheckResult& result) {
  const InterfaceEntry* e = interface_named(r, c.interface);
  if (!e) {
    result.found = "router " + std::to_string(c.router) + " has no interface " + c.interface;
    return;
  }
  if (c.kind == Check::Kind::LineProtocol) {
    const std::string line_protocol(text_of(e->line_protocol));
    result.passed = line_protocol == c.state;
    result.found = "line protocol is " + line_protocol;
    return;
  }
  const std::string state(is_set(e->shutdown) ? "administratively down" : text_of(e->status));
  result.passed = state == c.state;
  result.found = e->name + " is " + state;
}

void check_config(const Check& c, const RouterRecord& r, CheckResult& result) {
  const std::string config = c.startup ? r.startup_config : build_running_config(r);
  const char* which = c.startup ? "startup-config" : "running-config";
  if (config.empty()) {
    result.passed = c.kind == Check::Kind::ConfigLacks;
    result.found = "nothing is saved: the startup-config is empty";
    return;
  }
  const std::vector<std::string> lines = lines_of(config);
  if (c.kind == Check::Kind::ConfigMatches) {
    result.passed = std::any_of(lines.begin(), lines.end(), [&c](const std::string& line) {
      return std::regex_search(trim(line), *c.regex);
    });
    if (!result.passed)
      result.found = std::string("no line of the ") + which + " matches /" + c.pattern + "/";
    return;
  }
  const auto same = [&c](const std::string& a, const std::string& b) {
    return c.exact ? a == b : lower(a) == lower(b);
  };
  const std::string wanted = lower(c.wanted);
  const std::string first_word = wanted.substr(0, wanted.find(' '));
  bool present = false;
  std::string similar;
  for (const std::string& line : lines) {
    const std::string t = trim(line);
    if (same(t, c.wanted)) present = true;
    const std::string l = lower(t);
    if (l.substr(0, l.find(' ')) == first_word && similar.size() < kQuoteLimit)
      similar += (similar.empty() ? "" : " | ") + t;
  }
  result.passed = present == (c.kind == Check::Kind::ConfigHas);
  if (result.passed) return;
  if (present) {
    result.found = std::string("the ") + which + " has that line";
  } else {
    result.found = std::string("no such line in the ") + which + (c.exact ? " (case counts)" : "") +
                   (similar.empty() ? "" : "; similar: " + similar);
  }
}

void check_secret(const Check& c, const RouterRecord& r, CheckResult& result) {
  // Compared in the form the router stores; neither form is ever shown.
  const std::optional<std::string> stored = transform_secret(c.wanted);
  result.passed = stored && !r.enable_secret.empty() && *stored == r.enable_secret;
  if (!result.passed)
    result.found = r.enable_secret.empty() ? "no enable secret is set"
                                           : "the enable secret is a different one";
}

void check_show(const Check& c, Simulation& sim, Router& r, CheckResult& result) {
  const std::vector<std::string> output = run_command(sim, r, c.command);
  const auto has_text = [](const std::vector<std::string>& lines, const std::string& text) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all.find(text) != std::string::npos;
  };
  if (c.kind == Check::Kind::ShowMatches) {
    result.passed = std::any_of(output.begin(), output.end(), [&c](const std::string& line) {
      return std::regex_search(line, *c.regex);
    });
    if (!result.passed)
      result.found =
          output.empty() ? "no output" : "no line of the output matches /" + c.pattern + "/";
    return;
  }
  const bool present = has_text(output, c.wanted);
  result.passed = present == (c.kind == Check::Kind::ShowContains);
  if (result.passed) return;
  if (c.kind == Check::Kind::ShowLacks) {
    const auto at = std::find_if(output.begin(), output.end(), [&c](const std::string& line) {
      return line.find(c.wanted) != std::string::npos;
    });
    result.found = at == output.end() ? "the output has it" : "found in: " + quoted_line(*at);
    return;
  }
  const std::string nearest = nearest_line(output, c.wanted);
  if (!nearest.empty()) {
    result.found = "nearest line: " + quoted_line(nearest);
    return;
  }
  const auto first = std::find_if(output.begin(), output.end(),
                                  [](const std::string& line) { return !trim(line).empty(); });
  result.found = first == output.end()
                     ? "no output"
                     : "nothing like it; the output begins " + quoted_line(*first);
}

void check_ping(const Check& c, Simulation& sim, CheckResult& result) {
  const bool answered = ping_now(sim, c.router, c.address);
  result.passed = answered == (c.kind == Check::Kind::Ping);
  if (answered) {
    result.found = "Success rate is 100 percent";
    return;
  }
  const std::string where = where_ping_breaks(sim, c.router, c.address);
  result.found = "Success rate is 0 percent" + (where.empty() ? "" : ": " + where);
}

// A log file of its own for a simulation that checks run on, removed with the object.
class PrivateLog {
 public:
  PrivateLog() {
    std::random_device random;
    std::error_code ec;
    path_ = fs::temp_directory_path(ec) /
            ("zorva-check-" + std::to_string(random()) + std::to_string(random()) + ".log");
  }
  ~PrivateLog() {
    std::error_code ec;
    fs::remove(path_, ec);
  }
  PrivateLog(const PrivateLog&) = delete;
  PrivateLog& operator=(const PrivateLog&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

CheckReport run_on_opened(OpenedLab opened, const std::vector<Check>& checks,
                          const std::function<void(const Simulation&)>& look = {}) {
  CheckReport report;
  if (!opened.sim) {
    report.error = opened.error;
    return report;
  }
  if (look) look(*opened.sim);
  report.results = run_checks(*opened.sim, checks);
  return report;
}

}  // namespace

int CheckReport::passed() const {
  int n = 0;
  for (const CheckResult& r : results) n += r.passed ? 1 : 0;
  return n;
}

int CheckReport::failed() const {
  return static_cast<int>(results.size()) - passed();
}

std::vector<CheckResult> run_checks(Simulation& sim, const std::vector<Check>& checks) {
  std::vector<CheckResult> results;
  bool settled = false;
  for (const Check& c : checks) {
    if (c.kind == Check::Kind::Wait) {
      sim.scheduler.advance(c.millis);
      continue;
    }
    // Before the first check that looks at the network, the lab learns again what a lab file
    // does not keep; from then on only a `wait` moves the clock.
    if (!settled && c.needs_network()) {
      settle_network(sim);
      settled = true;
    }
    CheckResult result{&c, false, ""};
    Router* r = sim.router(c.router);
    if (!r) {
      result.found = "the lab has no router " + std::to_string(c.router) + " (it has " +
                     std::to_string(sim.router_count) + ")";
    } else {
      switch (c.kind) {
        case Check::Kind::Ping:
        case Check::Kind::NoPing:
          check_ping(c, sim, result);
          break;
        case Check::Kind::Route:
        case Check::Kind::NoRoute:
          check_route(c, r->record, result);
          break;
        case Check::Kind::LineProtocol:
        case Check::Kind::InterfaceState:
          check_interface(c, r->record, result);
          break;
        case Check::Kind::ConfigHas:
        case Check::Kind::ConfigLacks:
        case Check::Kind::ConfigMatches:
          check_config(c, r->record, result);
          break;
        case Check::Kind::ShowContains:
        case Check::Kind::ShowLacks:
        case Check::Kind::ShowMatches:
          check_show(c, sim, *r, result);
          break;
        case Check::Kind::EnableSecret:
          check_secret(c, r->record, result);
          break;
        case Check::Kind::Wait:
          break;
      }
    }
    if (result.passed) result.found.clear();
    results.push_back(std::move(result));
  }
  return results;
}

CheckReport check_lab(const Simulation& live, const std::vector<Check>& checks,
                      const fs::path& app_dir) {
  const PrivateLog log;
  ScriptedHost host;
  return run_on_opened(open_lab_text(lab_text(live, false), host, {app_dir, log.path()}), checks);
}

CheckReport check_lab_text(const std::string& text, const std::vector<Check>& checks,
                           const fs::path& app_dir) {
  return check_lab_text(text, checks, app_dir, {});
}

CheckReport check_lab_text(const std::string& text, const std::vector<Check>& checks,
                           const fs::path& app_dir,
                           const std::function<void(const Simulation&)>& look) {
  const PrivateLog log;
  ScriptedHost host;
  return run_on_opened(open_lab_text(text, host, {app_dir, log.path()}), checks, look);
}

CheckReport check_lab_file(const fs::path& lab, const std::vector<Check>& checks,
                           const fs::path& app_dir) {
  const HandIn hand_in = read_hand_in(lab);
  CheckReport report;
  if (hand_in.error.empty()) report = check_lab_text(hand_in.text, checks, app_dir);
  const std::string& error = hand_in.error.empty() ? report.error : hand_in.error;
  // A reason from the reading names the file already.
  if (!error.empty())
    report.error = hand_in.error.empty() ? lab.filename().string() + ": " + error : error;
  return report;
}

}  // namespace zorva
