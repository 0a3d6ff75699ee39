#include "base/scheduler.h"

namespace zorva {

Scheduler::~Scheduler() {
  for (auto& [key, event] : queue_)
    if (event.handle) event.handle.destroy();
}

Scheduler::TimerId Scheduler::add_timer(std::string name, SimMillis interval, Callback work) {
  timers_.push_back(Timer{std::move(name), interval < 1 ? 1 : interval, std::move(work), true, 0});
  const int id = static_cast<int>(timers_.size()) - 1;
  arm(id);
  return id;
}

void Scheduler::arm(int id) {
  const Timer& t = timers_[id];
  Event e;
  e.timer = id;
  e.generation = t.generation;
  queue_.emplace(Key{now_ + t.interval, static_cast<std::uint64_t>(id)}, std::move(e));
}

void Scheduler::set_timer_enabled(TimerId id, bool enabled) {
  if (id < 0 || id >= static_cast<int>(timers_.size())) return;
  Timer& t = timers_[id];
  if (t.enabled == enabled) return;
  t.enabled = enabled;
  ++t.generation;  // the entry already queued belongs to the old generation and is skipped
  if (enabled) arm(id);
}

void Scheduler::schedule_once(SimMillis delay, Callback work) {
  Event e;
  e.work = std::move(work);
  queue_.emplace(Key{now_ + (delay < 0 ? 0 : delay), next_one_shot_rank_++}, std::move(e));
}

void Scheduler::resume_later(SimMillis delay, std::coroutine_handle<> handle) {
  Event e;
  e.handle = handle;
  queue_.emplace(Key{now_ + (delay < 0 ? 0 : delay), next_one_shot_rank_++}, std::move(e));
}

// A one-shot event; periodic timers are run by advance().
void Scheduler::run(Event& e) {
  if (e.handle) {
    e.handle.resume();
  } else if (e.work) {
    e.work();
  }
}

void Scheduler::advance(SimMillis ms) {
  const SimMillis target = now_ + (ms < 0 ? 0 : ms);
  while (!queue_.empty() && queue_.begin()->first.first <= target) {
    auto node = queue_.extract(queue_.begin());
    now_ = node.key().first;
    Event& e = node.mapped();
    if (e.timer >= 0) {
      // A live periodic timer is re-armed before its work runs, so the work may disable it. It
      // goes back into the queue in the same node: no allocation for every tick.
      const int id = e.timer;
      Timer& t = timers_[id];
      if (!t.enabled || t.generation != e.generation) continue;
      node.key() = Key{now_ + t.interval, static_cast<std::uint64_t>(id)};
      queue_.insert(std::move(node));
      t.work();
      continue;
    }
    run(e);
  }
  now_ = target;
}

}  // namespace zorva
