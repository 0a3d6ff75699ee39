// The interactive terminal face: one screen showing the active router's transcript above its input
// line, keys passed to the core, real time driving the simulated clock.
//
// Keys: see terminal_face_help(); Alt+H shows them on the screen. Ctrl+Q asks whether to quit, as
// the desktop's File, Exit does (with flow control off in raw mode the key is free; the console
// gives code 17 no meaning).
// Ctrl+G or Alt+0 asks for a router number; PageUp and PageDown scroll the transcript. Alt+L shows
// the lab's page as text, Alt+N asks for the student's name. Message
// boxes are asked on the input line, wrapped at the width, and answered with the keys shown there;
// the simulated clock stands still while a question waits.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/host.h"
#include "lab/lab_session.h"
#include "script/script_runner.h"
#include "simulation/simulation.h"
#include "term/key_decoder.h"
#include "term/lab_page_screen.h"
#include "term/path_prompt.h"
#include "term/router_picker.h"
#include "term/screen_layout.h"
#include "term/terminal_io.h"

namespace zorva {

class Simulation;

// Runs until the user quits; returns the exit status.
int run_terminal_face(const ScriptOptions& options);

inline constexpr int kQuitKey = 17;          // Ctrl+Q
inline constexpr int kPickRouterKey = 7;     // Ctrl+G
inline constexpr int kClockSpeedKey = 20;    // Ctrl+T: 1x, 10x, 60x
inline constexpr int kSkipMinuteKey = 11;    // Ctrl+K: the clock runs one minute ahead
inline constexpr int kSkipFiveKey = 12;      // Ctrl+L: five minutes ahead
inline constexpr int kOpenTopologyKey = 15;  // Ctrl+O: another topology in place of this one
inline constexpr int kSaveKey = 19;          // Ctrl+S (free, as Ctrl+Q is, with flow control off)
// Where the terminal face keeps its recovery copies: $XDG_CONFIG_HOME/zorva (~/.config/zorva).
std::filesystem::path terminal_recovery_folder();

class TerminalFace : public Host, private LabSessionFace {
 public:
  // `screen`: draw the screen (a terminal); otherwise keys are read from a stream until it ends and
  // the active router's transcript is printed then. `utf8` chooses the help line's separators.
  TerminalFace(TerminalIo& io, bool screen, std::uint32_t seed, bool utf8 = true);
  ~TerminalFace() override;

  // Whole run: start, turns until quit or end of input, finish. Returns the exit status.
  int run(const ScriptOptions& options);

  // The steps of run(), apart so that tests can look between them.
  void start(const ScriptOptions& options);
  bool turn();  // one turn of the loop; false once the face should stop
  int finish();

  Simulation* simulation() { return session_ ? session_->sim() : nullptr; }
  const ClockSpeed& clock_speed() const { return session_->speed(); }
  // The lab's file: from --lab, or named at the first save; "" before.
  const std::filesystem::path& lab_file() const { return session_->lab_file(); }
  bool changed() const { return session_->changed(); }
  // This run's recovery copy, and the one offered at start when it is there; set before start()
  // (tests use a folder of their own). By default a copy of its own in terminal_recovery_folder().
  void set_recovery_file(std::filesystem::path file) { recovery_file_ = std::move(file); }
  Frame current_frame();  // the screen as it would be drawn now
  int frames_drawn() const { return frames_drawn_; }

  // Host
  Answer message_box(std::string_view title, std::string_view text, Buttons buttons) override;
  std::string date_time_text() override;
  double random() override;
  bool launch(const std::string& target) override;
  void activate_router(int n) override;

 private:
  class ConsoleWatch;

  void watch_consoles();
  void console_changed(int router);
  void advance_clock();
  void handle_keys();
  void dispatch(const KeyEvent& key);
  void ask_to_quit();
  // The lab at start: a recovery copy left behind is offered first; then --lab, or the topology.
  bool start_lab(const ScriptOptions& options);
  // A line of text asked on the input line, starting as `text`; nothing when the user gives up
  // (Esc, Ctrl+C). Enter on an empty line gives "" only when `empty_ok`.
  std::optional<std::string> ask_line(const std::string& prompt, std::string text = "",
                                      bool empty_ok = false);

  // LabSessionFace
  void ask_save_file(const std::filesystem::path& suggested,
                     std::function<void(std::optional<std::filesystem::path>)> then) override;
  void ask_text(const std::string& question, const std::string& current,
                std::function<void(std::optional<std::string>)> then) override;
  void tell(const std::string& text) override;
  void simulation_leaving() override;
  void simulation_arrived() override;

  void scroll(int pages);
  int read_keys(int timeout_ms);  // bytes read, 0 for none, -1 at the end of input
  void draw_if_due();
  void draw();
  int poll_timeout();

  TerminalIo& io_;             // the terminal (or pipe) read and drawn on
  const bool screen_;          // drawing the screen (false: reading a pipe)
  const bool utf8_;            // the terminal shows UTF-8
  std::mt19937 generator_;     // the random source, seeded once
  KeyDecoder decoder_;         // bytes to keys, across reads
  std::deque<KeyEvent> keys_;  // decoded keys not handled yet
  std::vector<std::unique_ptr<ConsoleWatch>> watches_;  // one per router console
  std::unique_ptr<LabSession> session_;                 // the lab and its life, made by start()
  std::string question_;         // the message box shown on the input line, if any
  std::string line_prompt_;      // a line asked on the input line (ask_line), with its text
  std::string notice_;           // said on the help line until the next key ("Lab saved to ...")
  RouterPicker picker_;          // the router number question
  bool key_help_ = false;        // the list of keys is shown in place of the console
  LabPageScreen lab_page_;       // the lab's page, shown in place of the console while open
  PathPrompt path_prompt_;       // the topology file question
  int scroll_back_ = 0;          // transcript rows scrolled back from its end
  bool quit_ = false;            // the user confirmed leaving, or the input ended
  bool quit_asked_ = false;      // Ctrl+Q came while another question waited: ask next turn
  bool input_ended_ = false;     // standard input reached its end
  bool clear_screen_ = false;    // the window size changed: clear before the next frame
  bool dirty_ = true;            // the screen needs drawing
  int shown_router_ = 0;         // the router whose console is on the screen
  std::int64_t last_tick_ = 0;   // when the simulated clock was last advanced
  std::int64_t last_draw_ = 0;   // when the screen was last drawn
  std::int64_t last_input_ = 0;  // when the last input bytes arrived
  int frames_drawn_ = 0;         // frames written so far
  int status_ = 0;               // exit status: 2 when the lab given could not be opened
  std::filesystem::path recovery_file_;  // set by tests; else this run's own copy
};

}  // namespace zorva
