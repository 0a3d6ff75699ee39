// Simulated time. The scheduler owns the clock in milliseconds, the periodic timers and the
// one-shot continuations (a wait inside reload or ping). `advance` runs everything that falls due,
// in time order, and returns: a face calls it from a real clock, tests and scripts call it at once.
//
// Order of events due at the same millisecond: first the periodic timers, in the order they were
// registered (Timer1 of the simulation, then the patch panel, then each router's timers in router
// order), then one-shot continuations in the order they were scheduled.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/coroutine.h"

namespace zorva {

using SimMillis = std::int64_t;

class Scheduler {
 public:
  using Callback = std::function<void()>;
  using TimerId = int;

  Scheduler() = default;
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;
  ~Scheduler();  // destroys the frames of waits that never resumed

  // A periodic timer, first due one interval from now; enabled from the start.
  TimerId add_timer(std::string name, SimMillis interval, Callback work);
  // A disabled timer stops firing; enabling it starts a full interval from now.
  void set_timer_enabled(TimerId id, bool enabled);

  // Runs `work` once, `delay` from now.
  void schedule_once(SimMillis delay, Callback work);
  // Resumes a suspended coroutine `delay` from now.
  void resume_later(SimMillis delay, std::coroutine_handle<> handle);

  // Moves the clock forward by `ms`, running every event that falls due on the way.
  void advance(SimMillis ms);

  SimMillis now() const { return now_; }

  // Awaitable for coroutines: `co_await scheduler.wait(1000);`
  struct Wait {
    Scheduler& scheduler;
    SimMillis delay;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h) { scheduler.resume_later(delay, h); }
    void await_resume() const noexcept {}
  };
  Wait wait(SimMillis ms) { return Wait{*this, ms}; }

 private:
  struct Timer {
    std::string name;
    SimMillis interval;
    Callback work;
    bool enabled;
    std::uint64_t generation;  // raised when re-enabled, so stale queue entries are ignored
  };
  struct Event {
    int timer = -1;                  // periodic timer index, or -1 for a one-shot
    std::uint64_t generation = 0;    // the timer generation this entry belongs to
    Callback work;                   // one-shot work
    std::coroutine_handle<> handle;  // one-shot coroutine to resume
  };
  // Keyed by (due time, rank): timers rank by registration, one-shots after all timers, FIFO.
  using Key = std::pair<SimMillis, std::uint64_t>;
  static constexpr std::uint64_t kOneShotRankBase = std::uint64_t{1} << 40;

  void arm(int timer);
  void run(Event& e);

  SimMillis now_ = 0;
  std::vector<Timer> timers_;
  std::multimap<Key, Event> queue_;
  std::uint64_t next_one_shot_rank_ = kOneShotRankBase;
};

// A fire-and-forget coroutine: starts at once and frees itself when it finishes. Its waits are
// scheduler events, so the rest of the simulation runs between its steps.
struct Task {
  struct promise_type {
    Task get_return_object() noexcept { return {}; }
    std::suspend_never initial_suspend() noexcept { return {}; }
    std::suspend_never final_suspend() noexcept { return {}; }
    void return_void() noexcept {}
    void unhandled_exception() noexcept {}
  };
};

}  // namespace zorva
