#include "script/script_runner.h"

#include <cmath>
#include <fstream>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>

#include "base/number_text.h"
#include "base/scripted_host.h"
#include "console/key_handler.h"
#include "lab/lab_file.h"
#include "simulation/simulation.h"
#include "simulation/start_up_problems.h"

namespace zorva {

namespace {

// Router numbers are far smaller; anything larger is not read as a number at all.
constexpr double kLargestRouterNumber = 1e9;

// The rest of a script line after its command word and the one blank that follows it.
std::string argument_of(const std::string& line, const std::string& word) {
  if (line.size() <= word.size() + 1) return "";
  return line.substr(word.size() + 1);
}

std::optional<ScriptError> parse_line(const std::string& raw, int n,
                                      std::vector<ScriptStep>& steps) {
  std::string line = raw;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (trim(line).empty() || trim(line)[0] == '#') return std::nullopt;
  const std::size_t blank = line.find(' ');
  const std::string word = line.substr(0, blank);
  const std::string arg = argument_of(line, word);
  ScriptStep step{ScriptStep::Kind::Type, n, "", {}, 0};
  auto error = [n](const std::string& message) { return ScriptError{n, message}; };

  if (word == "type" || word == "line") {
    step.kind = word == "type" ? ScriptStep::Kind::Type : ScriptStep::Kind::Line;
    step.text = arg;
    if (word == "type" && blank == std::string::npos) return error("'type' needs text");
  } else if (word == "router") {
    step.kind = ScriptStep::Kind::Router;
    // Checked before the conversion: 1e20 or 1e400 would not fit the step's number.
    const double n = is_numeric(arg) ? leading_number(arg) : 0.5;
    if (n != std::floor(n) || std::fabs(n) > kLargestRouterNumber)
      return error("'router' needs a router number");
    step.number = static_cast<long long>(n);
  } else if (word == "key") {
    step.kind = ScriptStep::Kind::Keys;
    std::istringstream names(arg);
    std::string name;
    while (names >> name) {
      const std::optional<int> code = key_code_of(name);
      if (!code) return error("unknown key '" + name + "'");
      step.keys.push_back(*code);
    }
    if (step.keys.empty()) return error("'key' needs at least one key name");
  } else if (word == "wait") {
    step.kind = ScriptStep::Kind::Wait;
    const double seconds = is_numeric(arg) ? leading_number(arg) : -1;
    if (seconds < 0 || seconds > 1e9) return error("'wait' needs a number of seconds");
    step.number = std::llround(seconds * 1000.0);
  } else if (word == "answer") {
    step.kind = ScriptStep::Kind::Answer;
    step.text = trim(arg);
    if (!answer_named(step.text)) return error("'answer' takes yes, no, cancel or ok");
  } else if (word == "start") {
    // Wakes the console and climbs to a mode by typing what a student types, so the transcript
    // shows the same lines as when they are written out one by one.
    const std::string mode = trim(arg);
    if (mode != "enable" && mode != "configure") return error("'start' takes enable or configure");
    for (const char* text : {"", "enable", "configure terminal"}) {
      steps.push_back({ScriptStep::Kind::Line, n, text, {}, 0});
      if (mode == "enable" && std::string(text) == "enable") break;
    }
    return std::nullopt;
  } else if (word == "behaviour") {
    step.kind = ScriptStep::Kind::Behaviour;
    step.text = trim(arg);
    if (!behaviour_named(step.text)) return error("'behaviour' takes classic or real-router");
  } else if (word == "save" || word == "open") {
    step.kind = word == "save" ? ScriptStep::Kind::Save : ScriptStep::Kind::Open;
    step.text = trim(arg);
    if (step.text.empty()) return error("'" + word + "' needs a lab file name");
  } else {
    return error("unknown command '" + word + "'");
  }
  steps.push_back(std::move(step));
  return std::nullopt;
}

// A scripted host that prints every box as it appears.
class PrintingHost : public ScriptedHost {
 public:
  PrintingHost(unsigned seed, std::ostream& out) : ScriptedHost(seed), out_(out) {}
  Answer message_box(std::string_view title, std::string_view text, Buttons buttons) override {
    const Answer a = ScriptedHost::message_box(title, text, buttons);
    out_ << describe_box(title, text, a) << "\n";
    return a;
  }

 private:
  std::ostream& out_;
};

void print_transcripts(Simulation& sim, std::ostream& out) {
  for (int n = 1; n <= sim.router_count; ++n) {
    Router& r = *sim.router(n);
    out << "=== Router " << n << " ===\n";
    out << plain_line_ends(r.console.transcript()) << "\n";
    out << "--- input: " << r.console.input_text() << "\n";
  }
}

// The behaviour a script names before its first key, else `fallback`: the simulation starts in it.
Behaviour behaviour_before_keys(const std::vector<ScriptStep>& steps, Behaviour fallback) {
  for (const ScriptStep& step : steps) {
    if (step.kind == ScriptStep::Kind::Type || step.kind == ScriptStep::Kind::Line ||
        step.kind == ScriptStep::Kind::Keys)
      break;
    if (step.kind == ScriptStep::Kind::Behaviour)
      fallback = behaviour_named(step.text).value_or(fallback);
  }
  return fallback;
}

void press(Simulation& sim, int code) {
  if (code < 0) {
    sim.function_key(-code);
  } else {
    sim.console_key(code);
  }
}

}  // namespace

std::optional<int> key_code_of(const std::string& name) {
  static const std::pair<const char*, int> kNamed[] = {
      {"Enter", kEnter}, {"Tab", kTab},    {"Backspace", kBackspace},
      {"Space", ' '},    {"Esc", kEscape}, {"Up", kCtrlP},
      {"Down", kCtrlN},  {"Left", kCtrlB}, {"Right", kCtrlF},
  };
  for (const auto& [n, code] : kNamed)
    if (name == n) return code;
  if (name.size() == 6 && name.rfind("Ctrl+", 0) == 0) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[5])));
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    if (c >= '[' && c <= '_') return c - '@';  // Ctrl+[ is Esc (27) ... Ctrl+_ is 31
  }
  if ((name.size() == 2 || name.size() == 3) && name[0] == 'F' && is_numeric(name.substr(1))) {
    const int n = static_cast<int>(leading_number(name.substr(1)));
    if (n >= 1 && n <= 12 && name.substr(1) == std::to_string(n)) return -n;
  }
  if (name.size() == 1 && static_cast<unsigned char>(name[0]) > 32) return name[0];
  return std::nullopt;
}

namespace {

// Includes nest only this deep, so a file that includes itself ends with an error, not a crash.
constexpr int kDeepestInclude = 8;

std::optional<ScriptError> parse_lines(std::istream& in, std::vector<ScriptStep>& steps,
                                       const std::filesystem::path& folder, int depth);

// The steps of an included file, given the `include` line's own number `n`.
std::optional<ScriptError> include_file(const std::string& name, int n,
                                        std::vector<ScriptStep>& steps,
                                        const std::filesystem::path& folder, int depth) {
  if (name.empty()) return ScriptError{n, "'include' needs a script file name"};
  if (depth >= kDeepestInclude) return ScriptError{n, "includes nest too deep at " + name};
  const std::filesystem::path path = folder / name;
  std::ifstream file(path);
  if (!file) return ScriptError{n, "cannot open the included script " + path.string()};
  const std::size_t first = steps.size();
  if (auto e = parse_lines(file, steps, path.parent_path(), depth + 1))
    return ScriptError{n, name + " line " + std::to_string(e->line_number) + ": " + e->message};
  // Messages about an included step (a router the topology lacks) name the include's line.
  for (std::size_t i = first; i < steps.size(); ++i) steps[i].line_number = n;
  return std::nullopt;
}

std::optional<ScriptError> parse_lines(std::istream& in, std::vector<ScriptStep>& steps,
                                       const std::filesystem::path& folder, int depth) {
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ++n;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("include", 0) == 0 && (line.size() == 7 || line[7] == ' ')) {
      if (auto e = include_file(trim(argument_of(line, "include")), n, steps, folder, depth))
        return e;
    } else if (auto e = parse_line(line, n, steps)) {
      return e;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<ScriptError> parse_script(std::istream& in, std::vector<ScriptStep>& steps,
                                        const std::filesystem::path& folder) {
  return parse_lines(in, steps, folder, 0);
}

int run_script(std::istream& script, const ScriptOptions& options, std::ostream& out,
               std::ostream& err) {
  std::vector<ScriptStep> steps;
  if (auto e = parse_script(script, steps, options.script_dir)) {
    err << "script line " << e->line_number << ": " << e->message << "\n";
    return 2;
  }
  PrintingHost host(options.seed, out);
  const SimulationPaths paths{options.app_dir, options.log_file};
  std::unique_ptr<Simulation> current;
  LabBundle bundle;  // what the opened lab came with (a page, its checks): every save keeps it
  if (options.lab.empty()) {
    current = std::make_unique<Simulation>(host, paths);
    current->behaviour = behaviour_before_keys(steps, options.behaviour);
    current->start(options.topology);
    for (const std::string& problem : start_up_problems(*current))
      err << "zorva-term: " << problem << "\n";
  } else {
    OpenedLab opened = open_lab_file(options.lab, host, paths);
    if (!opened.sim) {
      err << "cannot open the lab " << opened.error << "\n";
      return 2;
    }
    current = std::move(opened.sim);
    bundle = std::move(opened.bundle);
  }

  bool typed = false;  // a key has reached a console: the behaviour is settled
  for (const ScriptStep& step : steps) {
    Simulation& sim = *current;
    switch (step.kind) {
      case ScriptStep::Kind::Behaviour:
        if (typed) {
          err << "script line " << step.line_number
              << ": 'behaviour' must come before the first key\n";
          return 2;
        }
        sim.behaviour = behaviour_named(step.text).value_or(Behaviour::Classic);  // checked
        break;
      case ScriptStep::Kind::Router:
        if (step.number < 1 || step.number > sim.router_count) {
          err << "script line " << step.line_number << ": there is no router " << step.number
              << " (the topology has " << sim.router_count << ")\n";
          return 2;
        }
        sim.active_router = static_cast<int>(step.number);
        break;
      case ScriptStep::Kind::Type:
      case ScriptStep::Kind::Line:
        typed = true;
        for (unsigned char c : step.text) sim.console_key(c);
        if (step.kind == ScriptStep::Kind::Line) sim.console_key(kEnter);
        break;
      case ScriptStep::Kind::Keys:
        typed = true;
        for (int code : step.keys) press(sim, code);
        break;
      case ScriptStep::Kind::Wait:
        sim.scheduler.advance(step.number);
        break;
      case ScriptStep::Kind::Answer:
        host.queue_answer(answer_named(step.text).value_or(Answer::Cancel));  // checked when read
        break;
      case ScriptStep::Kind::Save:
        if (const std::string e = save_lab(sim, step.text, true, bundle); !e.empty()) {
          err << "script line " << step.line_number << ": " << e << "\n";
          return 2;
        }
        break;
      case ScriptStep::Kind::Open: {
        OpenedLab opened = open_lab_file(step.text, host, paths);
        if (!opened.sim) {
          err << "script line " << step.line_number << ": cannot open the lab " << opened.error
              << "\n";
          return 2;
        }
        current = std::move(opened.sim);
        bundle = std::move(opened.bundle);
        break;
      }
    }
  }
  print_transcripts(*current, out);
  return 0;
}

}  // namespace zorva
