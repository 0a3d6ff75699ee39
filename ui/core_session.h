// The simulation as the desktop face drives it: the core's Simulation with its QtHost, a real-time
// clock that advances the scheduler, and a guard that keeps the clock from re-entering the core
// while a key or a timer is being handled (a message box opened from inside the core runs a nested
// event loop in which the clock timer still fires). The student sets the clock's speed (1x, 10x,
// 60x) and skips ahead; another topology replaces the whole simulation, the host staying.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "simulation/clock_speed.h"
#include "simulation/simulation.h"
#include "ui/qt_host.h"

namespace zorva::ui {

class CoreSession : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 20;  // how often real time is handed to the core
  // Most real time one tick hands over, whatever the pause was.
  static constexpr qint64 kLongestStepMs = ClockSpeed::kLongestRealStepMs;

  explicit CoreSession(const std::filesystem::path& app_dir, QObject* parent = nullptr);
  ~CoreSession() override;

  Simulation& sim() { return *sim_; }
  QtHost& host() { return host_; }
  const SimulationPaths& paths() const { return paths_; }

  // Puts `next` (a started simulation on host()) in place of the one in use, which is returned so
  // that the caller destroys it once nothing shows its consoles any more.
  std::unique_ptr<Simulation> replace(std::unique_ptr<Simulation> next);

  // Counts the keys typed into consoles: a lab changed since a moment when the count differs.
  std::uint64_t changes() const { return changes_; }

  // Core start-up (log, topology, mode tables, connectors, clock) and the real-time clock.
  void start(const std::string& topology);

  // Throws the simulation away and starts a new one on `topology`. Every view of the old one must
  // be gone first.
  void restart(const std::string& topology);

  // The student's clock: the speed real time runs at, and skips ahead.
  ClockSpeed& speed() { return speed_; }
  void skip_minutes(int minutes);
  // Runs `ms` of simulated time now, as a clock tick would (tests and skips).
  void run_for(SimMillis ms);

  // One key typed into router n's console, as the character code the console expects.
  void key(int n, int code);
  // F1..F12 typed anywhere: router n's console comes forward when it exists.
  void function_key(int n);

  // Runs the simulated time that has passed in real time since the last step.
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

  QtHost host_;                      // the core's platform services; outlives `sim_`
  SimulationPaths paths_;            // the program directory and log the simulations use
  std::unique_ptr<Simulation> sim_;  // the whole simulated network
  ClockSpeed speed_;                 // how fast real time runs the simulated clock
  std::uint64_t changes_ = 0;        // keys typed into consoles so far
  QTimer tick_;                      // fires every kTickMs while real time runs
  QElapsedTimer clock_;              // monotonic real time since start
  std::function<qint64()> now_ms_;   // replacement clock, when set
  bool running_ = false;             // real time is being handed to the core
  qint64 handed_ms_ = 0;             // real milliseconds already given to the scheduler
  int depth_ = 0;                    // nesting of core calls in progress
  qint64 skipped_ticks_ = 0;         // clock ticks that found the core busy
};

}  // namespace zorva::ui
