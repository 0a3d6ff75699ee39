// The terminal face's loop: read keys with a short timeout, advance the simulated clock by the real
// time that passed, hand the keys to the core, and redraw the screen when the active console
// changed (at most about 60 times a second).
#include "term/terminal_face.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>

#include "base/number_text.h"
#include "base/scripted_host.h"
#include "console/key_handler.h"
#include "lab/lab_file.h"
#include "lab/recovery_files.h"
#include "simulation/simulation.h"
#include "simulation/start_up_problems.h"
#include "term/box_prompt.h"
#include "term/key_help_screen.h"
#include "term/posix_terminal.h"
#include "term/program_launcher.h"
#include "term/screen_render.h"
#include "term/status_line.h"

namespace zorva {

namespace fs = std::filesystem;

namespace {

constexpr int kPollMs = 25;    // longest wait for a key before the clock is advanced again
constexpr int kFrameMs = 16;   // shortest time between two frames
constexpr int kEscapeMs = 50;  // an Esc with nothing after it for this long is a key of its own

bool locale_is_utf8() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') continue;
    std::string v(value);
    std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::tolower(c); });
    return v.find("utf-8") != std::string::npos || v.find("utf8") != std::string::npos;
  }
  return false;
}

std::uint32_t seed_from_clock() {
  const auto ticks = std::chrono::system_clock::now().time_since_epoch().count() ^
                     std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace

std::filesystem::path terminal_recovery_folder() {
  return recovery_folder();
}

// Tells the face when a router's console changed; only the active one matters for the screen.
class TerminalFace::ConsoleWatch : public ConsoleView {
 public:
  ConsoleWatch(TerminalFace& face, int router) : face_(face), router_(router) {}
  void transcript_appended(std::string_view) override { face_.console_changed(router_); }
  void input_changed() override { face_.console_changed(router_); }

 private:
  TerminalFace& face_;
  int router_;
};

TerminalFace::TerminalFace(TerminalIo& io, bool screen, std::uint32_t seed, bool utf8)
    : io_(io), screen_(screen), utf8_(utf8), generator_(seed) {}

TerminalFace::~TerminalFace() {
  session_.reset();  // lets go of the consoles' views first
}

int TerminalFace::run(const ScriptOptions& options) {
  start(options);
  while (turn()) {
  }
  const int status = finish();
  return status_ != 0 ? status_ : status;
}

void TerminalFace::start(const ScriptOptions& options) {
  last_tick_ = io_.now_ms();
  last_input_ = last_tick_;
  const fs::path folder = terminal_recovery_folder();
  const fs::path own = recovery_file_.empty() ? own_recovery_file(folder, "term") : recovery_file_;
  session_ = std::make_unique<LabSession>(
      *this, static_cast<LabSessionFace&>(*this),
      LabSessionSettings{SimulationPaths{options.app_dir, options.log_file}, own,
                         options.behaviour});
  if (!start_lab(options)) {
    status_ = 2;
    quit_ = true;
    return;
  }
  // Without a screen the problems go to standard error at once; with one, run_terminal_face
  // writes them when the screen has been left, where they stay readable.
  if (!screen_) {
    for (const std::string& p : start_up_problems(*simulation()))
      std::cerr << "zorva-term: " << p << "\n";
  }
  last_tick_ = io_.now_ms();
  dirty_ = true;
}

bool TerminalFace::start_lab(const ScriptOptions& options) {
  std::vector<fs::path> left = recovery_file_.empty()
                                   ? left_behind_recovery_files(terminal_recovery_folder(), "term")
                                   : std::vector<fs::path>{};
  std::error_code ec;
  if (!recovery_file_.empty() && fs::exists(recovery_file_, ec)) left.push_back(recovery_file_);
  // The newest copy is offered; older ones were offered before, or lost their chance.
  if (!left.empty() && session_->offer_recovery(left.back())) return true;
  if (!options.lab.empty()) {
    std::string error;
    if (session_->start_lab(resolve_given_path(options.lab, options.app_dir), error)) return true;
    std::cerr << "zorva-term: " << options.lab.string() << ": " << error << "\n";
    return false;
  }
  session_->start_topology(options.topology.empty()
                               ? ""
                               : resolve_given_path(options.topology, options.app_dir).string());
  return true;
}

bool TerminalFace::turn() {
  if (quit_) return false;
  if (quit_asked_) ask_to_quit();
  if (quit_) return false;
  if (io_.take_resize()) {
    dirty_ = true;
    clear_screen_ = true;
  }
  draw_if_due();
  read_keys(poll_timeout());
  advance_clock();
  handle_keys();
  if (session_) session_->recovery_tick(io_.now_ms());
  if (input_ended_ && keys_.empty()) quit_ = true;
  return !quit_;
}

int TerminalFace::finish() {
  // Leaving through the exit (or at the end of piped input) is a clean exit.
  if (session_) session_->clean_exit();
  Simulation* sim = simulation();
  if (!screen_ && sim) {
    if (Router* r = sim->router(sim->active_router)) {
      io_.write_output(plain_line_ends(r->console.transcript()) + "\n");
    }
  }
  return 0;
}

Frame TerminalFace::current_frame() {
  if (key_help_) return key_help_frame(io_.size());
  if (lab_page_.is_open()) return lab_page_.frame(io_.size());
  Simulation* sim = simulation();
  Router* r = sim ? sim->router(sim->active_router) : nullptr;
  const int active = sim ? sim->active_router : 0;
  const int count = sim ? sim->router_count : 0;
  const std::string_view transcript = r ? std::string_view(r->console.transcript()) : "";
  ScreenContent content;
  content.transcript = transcript;
  std::string picker_prompt;
  if (!question_.empty()) {
    content.input = question_;
    content.wrap_input = true;
  } else if (!line_prompt_.empty()) {
    content.input = line_prompt_;
    content.caret = static_cast<int>(line_prompt_.size());
  } else if (picker_.is_open() || path_prompt_.is_open()) {
    picker_prompt = picker_.is_open() ? picker_.prompt() : path_prompt_.prompt();
    content.input = picker_prompt;
    content.caret = static_cast<int>(picker_prompt.size());
  } else if (r) {
    content.input = r->console.input_text();
    content.caret = r->console.input_caret();
  }
  content.scroll_back = scroll_back_;
  const std::string clock = sim ? clock_text(sim->sim_clock) + " " +
                                      session_->speed().factor_text() + " " +
                                      std::string(behaviour_name(sim->behaviour))
                                : "";
  content.status = status_texts(active, count, scroll_back_, utf8_, clock);
  if (!notice_.empty()) content.status.insert(content.status.begin(), notice_);
  Frame frame = layout_screen(content, io_.size());
  if (frame.scroll_back != scroll_back_) {  // scrolled past the start: the help line says so
    scroll_back_ = frame.scroll_back;
    content.status = status_texts(active, count, scroll_back_, utf8_, clock);
    if (!notice_.empty()) content.status.insert(content.status.begin(), notice_);
    frame = layout_screen(content, io_.size());
  }
  return frame;
}

void TerminalFace::watch_consoles() {
  Simulation& sim = *simulation();
  for (int n = 1; n <= sim.router_count; ++n) {
    Router* r = sim.router(n);
    if (!r) continue;
    watches_.push_back(std::make_unique<ConsoleWatch>(*this, n));
    r->console.set_view(watches_.back().get());
  }
}

void TerminalFace::console_changed(int router) {
  if (simulation() && router == simulation()->active_router) dirty_ = true;
}

void TerminalFace::advance_clock() {
  const std::int64_t now = io_.now_ms();
  if (now <= last_tick_) return;
  const std::int64_t elapsed = now - last_tick_;
  last_tick_ = now;
  session_->run_real(elapsed);
}

void TerminalFace::handle_keys() {
  while (!keys_.empty() && !quit_) {
    const KeyEvent key = keys_.front();
    keys_.pop_front();
    dispatch(key);
  }
}

void TerminalFace::dispatch(const KeyEvent& key) {
  notice_.clear();
  Simulation& sim = *simulation();
  // F1 is the usual help key; it brings router 1 forward too, so it shows the key list only where
  // router 1 is forward already and it would do nothing else.
  const bool f1_for_help = key == KeyEvent::function(1) && sim.active_router == 1 &&
                           !picker_.is_open() && !path_prompt_.is_open();
  if (key_help_ || key.kind == KeyEvent::Kind::KeyHelp || f1_for_help) {
    key_help_ = !key_help_;  // any key closes the list, and does nothing else
  } else if (lab_page_.is_open()) {
    lab_page_.key(key, io_.size());
  } else if (key.kind == KeyEvent::Kind::LabPage) {
    const LabBundle& bundle = session_->bundle();
    lab_page_.open(lab_pages(bundle.title, bundle.page, session_->settings().paths.app_dir));
  } else if (key.kind == KeyEvent::Kind::Student) {
    session_->edit_student();
  } else if (key == KeyEvent::code(kQuitKey)) {
    ask_to_quit();
  } else if (key == KeyEvent::code(kSaveKey)) {
    session_->save();
  } else if (key.kind == KeyEvent::Kind::PageUp) {
    scroll(1);
  } else if (key.kind == KeyEvent::Kind::PageDown) {
    scroll(-1);
  } else if (picker_.is_open()) {
    if (const std::optional<int> n = picker_.key(key)) session_->function_key(*n);
  } else if (path_prompt_.is_open()) {
    if (const std::optional<std::string> file = path_prompt_.key(key))
      session_->open_topology(*file);
  } else if (key == KeyEvent::code(kOpenTopologyKey)) {
    path_prompt_.open();
  } else if (key.kind == KeyEvent::Kind::PickRouter || key == KeyEvent::code(kPickRouterKey)) {
    picker_.open(sim.number_of_routers);
  } else if (key == KeyEvent::code(kClockSpeedKey)) {
    session_->speed().next_factor();
  } else if (key == KeyEvent::code(kSkipMinuteKey) || key == KeyEvent::code(kSkipFiveKey)) {
    session_->skip_minutes(key.value == kSkipFiveKey ? 5 : 1);
  } else if (key.kind == KeyEvent::Kind::Function) {
    session_->function_key(key.value);
  } else if (key.kind == KeyEvent::Kind::Code) {
    scroll_back_ = 0;  // typing shows the end of the transcript again
    session_->key(key.value);
  }
  dirty_ = true;
}

// Every way out asks first, as the desktop's File, Exit does; then the session offers to save.
void TerminalFace::ask_to_quit() {
  quit_asked_ = false;
  if (message_box("Exit", "Are you sure?", Buttons::OkCancel) != Answer::Ok) return;
  session_->leave([this](bool may_leave) {
    if (may_leave) quit_ = true;
  });
}

void TerminalFace::ask_save_file(const fs::path& suggested,
                                 std::function<void(std::optional<fs::path>)> then) {
  // A file the session proposes in place of the one the lab came from is offered as it is:
  // Enter takes it. Otherwise the student types a name.
  const bool offered = !session_->protected_file().empty();
  const std::optional<std::string> name =
      ask_line(offered ? "Save the lab as (Enter: " + suggested.string() + ", Esc cancels): "
                       : "Save the lab as (Enter saves, Esc cancels): ",
               "", offered);
  if (!name) return then(std::nullopt);
  then(name->empty() ? suggested : fs::path(*name));
}

void TerminalFace::ask_text(const std::string& question, const std::string& current,
                            std::function<void(std::optional<std::string>)> then) {
  then(ask_line(question + " (Enter: done, Esc: cancel): ", current, true));
}

void TerminalFace::tell(const std::string& text) {
  notice_ = text;
  dirty_ = true;
  if (!screen_) io_.write_output(text + "\n");
}

void TerminalFace::simulation_leaving() {
  if (Simulation* sim = simulation()) {
    for (int n = 1; n <= sim->router_count; ++n)
      if (Router* r = sim->router(n)) r->console.set_view(nullptr);
  }
  watches_.clear();
}

void TerminalFace::simulation_arrived() {
  watch_consoles();
  scroll_back_ = 0;
  clear_screen_ = true;
  dirty_ = true;
  last_tick_ = io_.now_ms();
}

// Keys are read as message_box reads them, the simulated clock standing still meanwhile.
std::optional<std::string> TerminalFace::ask_line(const std::string& prompt, std::string text,
                                                  bool empty_ok) {
  std::optional<std::optional<std::string>> result;
  while (!result) {
    line_prompt_ = prompt + text;
    dirty_ = true;
    if (!keys_.empty()) {
      const KeyEvent key = keys_.front();
      keys_.pop_front();
      if (key == KeyEvent::code(kQuitKey)) {
        quit_asked_ = true;  // given up, then the quit question is asked
        result.emplace(std::nullopt);
      } else if (key.kind != KeyEvent::Kind::Code) {
        continue;
      } else if (key.value == 27 || key.value == 3) {  // Esc, Ctrl+C
        result.emplace(std::nullopt);
      } else if (key.value == 13 || key.value == 10) {
        if (!text.empty() || empty_ok) result.emplace(text);
      } else if (key.value == 8 || key.value == 127) {
        if (!text.empty()) text.pop_back();
      } else if (key.value >= 32 && key.value < 256 && key.value != 127) {
        text += static_cast<char>(key.value);
      }
      continue;
    }
    if (input_ended_ || quit_) {
      result.emplace(std::nullopt);
      continue;
    }
    if (io_.take_resize()) clear_screen_ = true;
    draw();
    read_keys(decoder_.pending() ? kEscapeMs : kPollMs);
  }
  line_prompt_.clear();
  dirty_ = true;
  last_tick_ = io_.now_ms();
  return *result;
}

// By a screen's worth of transcript rows less one, so that one row stays in view.
void TerminalFace::scroll(int pages) {
  const int step = std::max(io_.size().rows - 2, 1);
  scroll_back_ = std::max(scroll_back_ + pages * step, 0);
  dirty_ = true;
}

int TerminalFace::read_keys(int timeout_ms) {
  char buffer[4096];
  const int n = io_.read_input(buffer, static_cast<int>(sizeof buffer), timeout_ms);
  std::vector<KeyEvent> keys;
  if (n > 0) {
    last_input_ = io_.now_ms();
    decoder_.feed(std::string_view(buffer, static_cast<std::size_t>(n)), keys);
  } else if (n < 0 || io_.now_ms() - last_input_ >= kEscapeMs) {
    decoder_.flush(keys);  // nothing more came: a waiting Esc is a key of its own
  }
  if (n < 0) input_ended_ = true;
  keys_.insert(keys_.end(), keys.begin(), keys.end());
  return n;
}

int TerminalFace::poll_timeout() {
  const std::int64_t now = io_.now_ms();
  std::int64_t timeout = kPollMs;
  if (screen_ && dirty_) timeout = std::min<std::int64_t>(timeout, kFrameMs - (now - last_draw_));
  if (decoder_.pending())
    timeout = std::min<std::int64_t>(timeout, kEscapeMs - (now - last_input_));
  return static_cast<int>(std::max<std::int64_t>(timeout, 0));
}

void TerminalFace::draw_if_due() {
  if (!screen_) return;
  if (simulation() && simulation()->active_router != shown_router_) dirty_ = true;
  if (!dirty_) return;
  if (frames_drawn_ > 0 && io_.now_ms() - last_draw_ < kFrameMs) return;
  draw();
}

void TerminalFace::draw() {
  if (!screen_) return;
  std::string out = clear_screen_ ? "\x1b[2J" : "";
  out += render_frame(current_frame());
  io_.write_output(out);
  clear_screen_ = false;
  dirty_ = false;
  last_draw_ = io_.now_ms();
  shown_router_ = simulation() ? simulation()->active_router : 0;
  ++frames_drawn_;
}

Answer TerminalFace::message_box(std::string_view title, std::string_view text, Buttons buttons) {
  question_ = box_prompt(title, text, buttons);
  dirty_ = true;
  std::optional<Answer> answer;
  while (!answer) {
    if (!keys_.empty()) {
      const KeyEvent key = keys_.front();
      keys_.pop_front();
      if (key == KeyEvent::code(kQuitKey)) {
        if (title == "Exit") continue;  // the question is already the one Ctrl+Q asks
        quit_asked_ = true;             // this question is given up, then the quit one is asked
        answer = box_default_answer(buttons);
      } else {
        answer = box_answer(buttons, key);
      }
      continue;
    }
    if (input_ended_ || quit_) {
      quit_ = true;
      answer = box_default_answer(buttons);
      continue;
    }
    if (io_.take_resize()) {
      dirty_ = true;
      clear_screen_ = true;
    }
    if (dirty_) draw();
    read_keys(decoder_.pending() ? kEscapeMs : kPollMs);
  }
  question_.clear();
  dirty_ = true;
  last_tick_ = io_.now_ms();  // the simulated clock stood still while the question waited
  if (!screen_) io_.write_output(describe_box(title, text, *answer) + "\n");
  return *answer;
}

std::string TerminalFace::date_time_text() {
  return local_date_time_text();
}

double TerminalFace::random() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

bool TerminalFace::launch(const std::string& target) {
  return launch_detached("xdg-open", target);
}

void TerminalFace::activate_router(int) {
  scroll_back_ = 0;
  dirty_ = true;
}

int run_terminal_face(const ScriptOptions& options) {
  const bool screen = PosixTerminal::interactive();
  try {
    std::vector<std::string> problems;
    int status = 0;
    {
      PosixTerminal terminal(screen);
      TerminalFace face(terminal, screen, seed_from_clock(), locale_is_utf8());
      status = face.run(options);
      if (screen && face.simulation()) problems = start_up_problems(*face.simulation());
    }
    for (const std::string& p : problems) std::cerr << "zorva-term: " << p << "\n";
    return status;
  } catch (const std::exception& e) {
    std::cerr << "zorva-term: " << e.what() << "\n";
  } catch (...) {
    std::cerr << "zorva-term: stopped by an unexpected error\n";
  }
  return 1;
}

}  // namespace zorva
