#include "web/web_session.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/latin1_text.h"
#include "lab/check_file.h"
#include "lab/check_run.h"
#include "lab/diagram_json.h"
#include "lab/lab_file.h"
#include "lab/topology_text.h"
#include "simulation/start_up_problems.h"
#include "simulation/topology_page.h"

namespace zorva::web {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// The core's text is Latin-1 bytes, as on the desktop; the page gets it as UTF-8.
std::string page_text(std::string_view core_text) {
  return utf8_from_latin1(core_text);
}

std::string to_text(const json& j) {
  return j.dump();
}

const char* buttons_name(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return "ok";
    case Buttons::OkCancel:
      return "okcancel";
    case Buttons::YesNoCancel:
      return "yesnocancel";
  }
  return "ok";
}

}  // namespace

WebSession::WebSession(const std::string& app_dir, const std::string& log_file)
    : app_dir_(app_dir),
      log_file_(log_file.empty() ? app_dir_ / "zorva.log" : std::filesystem::path(log_file)),
      lab_(std::make_unique<LabSession>(
          host_, static_cast<LabSessionFace&>(*this),
          LabSessionSettings{
              SimulationPaths{app_dir_, log_file_}, {}, Behaviour::Classic, &host_})) {
  lab_->recovery_tick(0);  // the minute between recovery copies counts from the page's start
}

// A new simulation is in place: the page starts every console afresh.
void WebSession::simulation_arrived() {
  host_.drop_question();  // it belonged to a router of the simulation that went away
  keys_.clear();
  for (const std::string& problem : start_up_problems(sim()))
    host_.notices.push_back({"Zorva", problem});
  reset_ = true;
  diagram_.reset();
}

// The browser asks where to put a download itself, if the student chose so: the session proposes.
void WebSession::ask_save_file(const fs::path&, std::function<void(std::optional<fs::path>)> then) {
  then(fs::path(latin1_from_utf8(suggested_name())));
}

void WebSession::tell(const std::string& text) {
  told_.push_back(text);
}

bool WebSession::hand_over(const fs::path& name, const std::string& text) {
  download_.emplace(name.filename().string(), text);
  return true;
}

void WebSession::start(const std::string& topology_file) {
  lab_->start_topology(topology_file.empty() ? "" : (app_dir_ / topology_file).string());
}

void WebSession::choose_topology(const std::string& topology_file) {
  lab_->open_topology((app_dir_ / topology_file).string());
}

void WebSession::save() {
  lab_->save();
}

void WebSession::offer_recovery() {
  lab_->offer_stored_recovery();
}

void WebSession::leaving() {
  lab_->write_recovery();
}

std::string WebSession::open_topology(const std::string& name, const std::string& text) {
  auto next = std::make_unique<Simulation>(host_, SimulationPaths{app_dir_, log_file_});
  next->behaviour = lab_->settings().behaviour;
  if (!start_from_topology_text(*next, latin1_from_utf8(text)))
    return "the topology cannot be read";
  if (next->router_count < 1) {
    return next->no_routers_reason.empty() ? "the file names no routers"
                                           : page_text(next->no_routers_reason);
  }
  next->topology_file = latin1_from_utf8(name);
  lab_->open_simulation(std::move(next));
  return "";
}

std::string WebSession::open_lab(const std::string& name, const std::string& text) {
  // A file that cannot be opened is refused at once, before the offer to save the running lab.
  OpenedLab lab = open_lab_text(text, host_, SimulationPaths{app_dir_, log_file_});
  if (!lab.sim) return page_text(lab.error);
  lab_->open_lab_text(latin1_from_utf8(name), text);
  return "";
}

std::string WebSession::lab_text(bool with_transcripts) const {
  return zorva::lab_text(*lab_->sim(), with_transcripts, lab_->bundle());
}

std::string WebSession::student() const {
  return page_text(lab_->student());
}

void WebSession::set_student(const std::string& name) {
  lab_->set_student(latin1_from_utf8(name));
}

std::string WebSession::suggested_name() const {
  const Simulation& s = *lab_->sim();
  if (!lab_->lab_file().empty()) return page_text(lab_->suggested_file().filename().string());
  std::string stem = fs::path(s.topology_file).stem().string();
  if (stem.empty()) stem = "lab";
  return page_text(stem) + ".zlab";
}

bool WebSession::set_behaviour(const std::string& name) {
  const std::optional<Behaviour> b = behaviour_named(name);
  if (!b) return false;
  lab_->set_default_behaviour(*b);
  return true;
}

std::string WebSession::shipped_topologies() const {
  json names = json::array();
  std::error_code ec;
  if (fs::exists(app_dir_ / "default.ini", ec)) names.push_back("default.ini");
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(app_dir_ / "topologies", ec))
    if (entry.path().extension() == ".ini")
      found.push_back("topologies/" + entry.path().filename().string());
  std::sort(found.begin(), found.end());
  for (const std::string& f : found) names.push_back(f);
  return to_text(names);
}

bool WebSession::type_text(const std::string& text) {
  // A key per character, as the desktop types; a character no key can type is left out (a stand-in
  // such as '?' would ask for help). Code 0 types nothing anyway.
  const std::string keys = latin1_from_utf8(text, '\0');
  if (keys_.size() + keys.size() > kMaxQueuedKeys) return false;
  for (unsigned char c : keys)
    if (c != 0) keys_.push_back(c);
  pump_keys();
  return true;
}

void WebSession::key(int code) {
  if (keys_.size() >= kMaxQueuedKeys) return;
  keys_.push_back(code);
  pump_keys();
}

void WebSession::function_key(int n) {
  if (keys_.size() >= kMaxQueuedKeys) return;
  keys_.push_back(-n);
  pump_keys();
}

// Types the waiting keys until none is left or a question opens; the rest wait for its answer.
void WebSession::pump_keys() {
  while (!keys_.empty() && !host_.question) {
    const int k = keys_.front();
    keys_.pop_front();
    if (k < 0) {
      lab_->function_key(-k);
    } else {
      lab_->key(k);
    }
  }
}

bool WebSession::answer(const std::string& button) {
  const std::optional<Answer> a = answer_named(button);
  if (!a || !host_.answer(*a)) return false;
  pump_keys();
  return true;
}

void WebSession::run_real(double real_ms) {
  if (real_ms <= 0) return;
  lab_->run_real(static_cast<SimMillis>(real_ms));
  real_ms_ += real_ms;
  lab_->recovery_tick(static_cast<std::int64_t>(real_ms_));
}

void WebSession::skip_minutes(int minutes) {
  lab_->skip_minutes(minutes);
}

bool WebSession::set_speed(int factor) {
  return lab_->speed().set_factor(factor);
}

std::string WebSession::take_changes() {
  json out = json::object();
  const int count = sim().router_count;
  if (reset_) {
    json routers = json::array();
    for (int n = 1; n <= count; ++n) routers.push_back(page_text(sim().router(n)->caption));
    out["reset"] = {{"routers", routers}, {"topology", page_text(sim().topology_file)}};
    sent_.assign(static_cast<std::size_t>(count) + 1, 0);
    shown_input_.assign(static_cast<std::size_t>(count) + 1, std::string());
    shown_caret_.assign(static_cast<std::size_t>(count) + 1, -1);
    shown_active_ = 0;
    shown_clock_.clear();
    shown_behaviour_.clear();
    reset_ = false;
  }
  json consoles = json::array();
  for (int n = 1; n <= count; ++n) {
    const Console& c = sim().router(n)->console;
    const auto i = static_cast<std::size_t>(n);
    json one = json::object();
    if (c.transcript().size() > sent_[i]) {
      one["append"] = page_text(std::string_view(c.transcript()).substr(sent_[i]));
      sent_[i] = c.transcript().size();
    }
    if (c.input_text() != shown_input_[i] || c.input_caret() != shown_caret_[i]) {
      one["input"] = page_text(c.input_text());
      one["caret"] = c.input_caret();
      shown_input_[i] = c.input_text();
      shown_caret_[i] = c.input_caret();
    }
    if (!one.empty()) {
      one["n"] = n;
      consoles.push_back(std::move(one));
    }
  }
  if (!consoles.empty()) out["consoles"] = std::move(consoles);
  if (sim().active_router != shown_active_) {
    out["active"] = sim().active_router;
    shown_active_ = sim().active_router;
  }
  const std::string clock = clock_text(sim().sim_clock) + " " + lab_->speed().factor_text();
  if (clock != shown_clock_) {
    out["clock"] = clock;
    shown_clock_ = clock;
  }
  const std::string behaviour(behaviour_name(sim().behaviour));
  if (behaviour != shown_behaviour_) {
    out["behaviour"] = behaviour;
    shown_behaviour_ = behaviour;
  }
  if (!host_.notices.empty()) {
    json notices = json::array();
    for (const Notice& n : host_.notices)
      notices.push_back({{"title", page_text(n.title)}, {"text", page_text(n.text)}});
    out["notices"] = std::move(notices);
    host_.notices.clear();
  }
  if (download_) {
    out["download"] = {{"name", page_text(download_->first)}, {"text", download_->second}};
    download_.reset();
  }
  if (!told_.empty()) {
    json told = json::array();
    for (const std::string& t : told_) told.push_back(page_text(t));
    out["told"] = std::move(told);
    told_.clear();
  }
  if (host_.question && host_.question_is_new) {
    out["question"] = {{"title", page_text(host_.question->title)},
                       {"text", page_text(host_.question->text)},
                       {"buttons", buttons_name(host_.question->buttons)}};
    host_.question_is_new = false;
  }
  out["changed"] = changed();
  return to_text(out);
}

std::string WebSession::diagram() {
  if (diagram_)
    refresh_network_diagram(*diagram_, sim());
  else
    diagram_ = network_diagram(sim());
  return network_diagram_json(*diagram_);
}

std::string WebSession::topology_page() const {
  return page_text(
      topology_page_html(sim(), {"", "The Network Diagram tab beside the Lab Navigator"}));
}

std::string WebSession::check_practice() const {
  if (!has_practice_checks()) return to_text({{"error", "this lab carries no practice checks"}});
  return check(lab_->bundle().practice_checks);
}

std::string WebSession::check(const std::string& checks_text) const {
  std::vector<Check> checks;
  std::istringstream in(latin1_from_utf8(checks_text));
  if (const std::optional<CheckFileError> e = parse_checks(in, checks)) {
    std::string where = e->line_number > 0 ? "line " + std::to_string(e->line_number) + ": " : "";
    return to_text({{"error", page_text(where + e->message)}});
  }
  const CheckReport report = check_lab(sim(), checks, app_dir_);
  if (!report.error.empty()) return to_text({{"error", page_text(report.error)}});
  json results = json::array();
  for (const CheckResult& r : report.results)
    results.push_back(
        {{"check", page_text(r.check->text)}, {"passed", r.passed}, {"found", page_text(r.found)}});
  return to_text({{"results", results}, {"passed", report.passed()}, {"failed", report.failed()}});
}

}  // namespace zorva::web
