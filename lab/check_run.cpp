#include "lab/check_run.h"

#include <random>
#include <sstream>

#include "base/number_text.h"
#include "base/scripted_host.h"
#include "console/key_handler.h"
#include "lab/lab_file.h"
#include "reports/reports.h"
#include "router/output.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

// Presses of the space bar after which paged output is taken as complete.
constexpr int kMostPages = 400;
// What a failed check quotes of a command's output at most.
constexpr std::size_t kQuoteLimit = 300;

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

std::string quoted_output(const std::string& output) {
  std::string text;
  for (const std::string& line : lines_of(output)) {
    const std::string t = trim(line);
    if (t.empty()) continue;
    if (!text.empty()) text += " | ";
    text += t;
  }
  if (text.size() > kQuoteLimit) text = text.substr(0, kQuoteLimit) + "...";
  return text.empty() ? "no output" : "output: " + text;
}

// Types `command` into router r's console in privileged EXEC mode, lets paged output run to the
// end, and gives what the console printed. A ping takes simulated time to answer, so the clock
// moves on until the console is ready again.
std::string run_command(Simulation& sim, Router& r, const std::string& command,
                        SimMillis settle = 0) {
  sim.active_router = r.number;
  enter_mode(r.record, sim.mode_tables, kModePrivileged);
  show_prompt(r);
  const std::size_t from = r.console.transcript().size();
  for (unsigned char c : command) sim.key_press(r, c);
  sim.key_press(r, kEnter);
  if (settle > 0) sim.scheduler.advance(settle);
  for (int i = 0; i < kMostPages && r.record.paging_state != 0; ++i) sim.key_press(r, ' ');
  return r.console.transcript().substr(from);
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
    result.passed = e->line_protocol == c.state;
    result.found = "line protocol is " + (e->line_protocol.empty() ? "down" : e->line_protocol);
    return;
  }
  const std::string state = is_set(e->shutdown) ? "administratively down" : e->status;
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
  const std::string wanted = lower(c.wanted);
  const std::string first_word = wanted.substr(0, wanted.find(' '));
  bool present = false;
  std::string similar;
  for (const std::string& line : lines_of(config)) {
    const std::string t = lower(trim(line));
    if (t == wanted) present = true;
    if (t.substr(0, t.find(' ')) == first_word && similar.size() < kQuoteLimit)
      similar += (similar.empty() ? "" : " | ") + trim(line);
  }
  result.passed = present == (c.kind == Check::Kind::ConfigHas);
  if (result.passed) return;
  if (present) {
    result.found = std::string("the ") + which + " has that line";
  } else {
    result.found = std::string("no such line in the ") + which +
                   (similar.empty() ? "" : "; similar: " + similar);
  }
}

void check_show(const Check& c, Simulation& sim, Router& r, CheckResult& result) {
  const std::string output = run_command(sim, r, c.command);
  const bool present = output.find(c.wanted) != std::string::npos;
  result.passed = present == (c.kind == Check::Kind::ShowContains);
  if (!result.passed) result.found = quoted_output(output);
}

void check_ping(const Check& c, Simulation& sim, Router& r, CheckResult& result) {
  // The echo replies are printed one simulated second after the request.
  const std::string output = run_command(sim, r, "ping " + c.address, 1000);
  const std::size_t at = output.find("Success rate is ");
  if (at == std::string::npos) {
    result.found = "the ping did not run; " + quoted_output(output);
    return;
  }
  const std::string rate = output.substr(at, output.find('\r', at) - at);
  const bool answered = rate.rfind("Success rate is 0 percent", 0) != 0;
  result.passed = answered == (c.kind == Check::Kind::Ping);
  result.found = rate.substr(0, rate.find(','));
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

CheckReport run_on_opened(OpenedLab opened, const std::vector<Check>& checks) {
  CheckReport report;
  if (!opened.sim) {
    report.error = opened.error;
    return report;
  }
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
  for (const Check& c : checks) {
    if (c.kind == Check::Kind::Wait) {
      sim.scheduler.advance(c.seconds * 1000);
      continue;
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
          check_ping(c, sim, *r, result);
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
          check_config(c, r->record, result);
          break;
        case Check::Kind::ShowContains:
        case Check::Kind::ShowLacks:
          check_show(c, sim, *r, result);
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

CheckReport check_lab_file(const fs::path& lab, const std::vector<Check>& checks,
                           const fs::path& app_dir) {
  const PrivateLog log;
  ScriptedHost host;
  return run_on_opened(open_lab_file(lab, host, {app_dir, log.path()}), checks);
}

}  // namespace zorva
