// The lab as the desktop face drives it: the core's LabSession (the simulation and the lab's life)
// with its QtHost, a real-time clock that advances the scheduler, and a guard that keeps the clock
// from re-entering the core while a key or a timer is being handled (a message box opened from
// inside the core runs a nested event loop in which the clock timer still fires). The session's
// requests of its face (a file name, a notice, the consoles going and coming) are passed on to
// the window through the hooks below.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "lab/lab_session.h"
#include "simulation/simulation.h"
#include "ui/qt_host.h"

namespace zorva::ui {

class CoreSession : public QObject, private LabSessionFace {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 20;  // how often real time is handed to the core
  // Most real time one tick hands over, whatever the pause was.
  static constexpr qint64 kLongestStepMs = ClockSpeed::kLongestRealStepMs;

  // `recovery_file`: this program's recovery copy ("" for none).
  explicit CoreSession(const std::filesystem::path& app_dir,
                       const std::filesystem::path& recovery_file = {}, QObject* parent = nullptr);
  ~CoreSession() override;

  Simulation& sim() { return *lab_->sim(); }
  LabSession& lab() { return *lab_; }
  QtHost& host() { return host_; }
  const SimulationPaths& paths() const { return lab_->settings().paths; }

  // What the window does for the lab session.
  struct Hooks {
    std::function<void()> leaving;  // the consoles' windows must go: their simulation goes
    std::function<void()> arrived;  // a new simulation is in place
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path&)> ask_file;
    std::function<void(const std::string&)> tell;  // a notice for the status bar
    // A line of text (the student's name) asked, `current` to keep or edit; nothing: given up.
    std::function<std::optional<std::string>(const std::string& question,
                                             const std::string& current)>
        ask_text;
  };
  void set_hooks(Hooks hooks) { hooks_ = std::move(hooks); }

  // Core start-up (log, topology, mode tables, connectors, clock) and the real-time clock.
  void start(const std::string& topology);
  // Starts on the lab of `file` instead; false, with the reason said in a box, when it cannot be
  // opened (nothing is running then).
  bool start_lab(const std::filesystem::path& file);

  // The student's clock: the speed real time runs at, and skips ahead.
  ClockSpeed& speed() { return lab_->speed(); }
  void skip_minutes(int minutes);
  // Runs `ms` of simulated time now, as a clock tick would (tests and skips).
  void run_for(SimMillis ms);

  // One key typed into router n's console, as the character code the console expects.
  void key(int n, int code);
  // F1..F12 typed anywhere: router n's console comes forward when it exists.
  void function_key(int n);

  // Runs the simulated time that has passed in real time since the last step, and writes the
  // recovery copy when a minute has passed since the last look.
  void advance_real_time();
  // Tests step simulated time themselves and stop the real clock.
  void set_real_time(bool on);
  // Replaces the monotonic clock (milliseconds since the clock started), for tests.
  void set_clock(std::function<qint64()> now_ms) { now_ms_ = std::move(now_ms); }

  // Emitted after the core has run (a clock tick, a key, a skip): views poll the records then.
 signals:
  void ran();

 public:
  bool in_core() const { return depth_ > 0; }  // a key, F-key or clock step is running
  qint64 skipped_ticks() const { return skipped_ticks_; }

 private:
  // Marks the core as busy for the life of one call.
  class Call {
   public:
    explicit Call(CoreSession& s) : s_(s) { ++s_.depth_; }
    ~Call() { --s_.depth_; }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

   private:
    CoreSession& s_;
  };

  // LabSessionFace: passed on to the hooks.
  void ask_save_file(const std::filesystem::path& suggested,
                     std::function<void(std::optional<std::filesystem::path>)> then) override;
  void ask_text(const std::string& question, const std::string& current,
                std::function<void(std::optional<std::string>)> then) override;
  void tell(const std::string& text) override;
  void simulation_leaving() override;
  void simulation_arrived() override;
  qint64 now() const { return now_ms_ ? now_ms_() : clock_.elapsed(); }

  QtHost host_;                      // the core's platform services; outlives the lab
  Hooks hooks_;                      // the window's part in the lab's life
  std::unique_ptr<LabSession> lab_;  // the simulation and its life
  QTimer tick_;                      // fires every kTickMs while real time runs
  QElapsedTimer clock_;              // monotonic real time since start
  std::function<qint64()> now_ms_;   // replacement clock, when set
  bool running_ = false;             // real time is being handed to the core
  qint64 handed_ms_ = 0;             // real milliseconds already given to the scheduler
  int depth_ = 0;                    // nesting of core calls in progress
  qint64 skipped_ticks_ = 0;         // clock ticks that found the core busy
};

}  // namespace zorva::ui
