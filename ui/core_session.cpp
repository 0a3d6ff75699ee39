// CoreSession: the core's calls wrapped with the busy guard, and real time feeding the scheduler.
#include "ui/core_session.h"

#include <algorithm>

#include "console/key_handler.h"
#include "simulation/start_up_problems.h"
#include "ui/app_title.h"

namespace zorva::ui {

CoreSession::CoreSession(const std::filesystem::path& app_dir, QObject* parent)
    : QObject(parent), paths_{app_dir, {}}, sim_(std::make_unique<Simulation>(host_, paths_)) {
  tick_.setInterval(kTickMs);
  tick_.setTimerType(Qt::PreciseTimer);
  connect(&tick_, &QTimer::timeout, this, &CoreSession::advance_real_time);
}

CoreSession::~CoreSession() {
  tick_.stop();
}

void CoreSession::start(const std::string& topology) {
  {
    Call call(*this);
    sim_->start(topology);
  }
  // Said once, before the clock runs: why no command is recognised, why there is no router.
  for (const std::string& problem : start_up_problems(*sim_))
    host_.message_box(kAppTitle, problem, Buttons::Ok);
  set_real_time(true);
}

void CoreSession::restart(const std::string& topology) {
  set_real_time(false);
  sim_.reset();
  sim_ = std::make_unique<Simulation>(host_, paths_);
  start(topology);
  emit ran();
}

void CoreSession::skip_minutes(int minutes) {
  run_for(SimMillis{minutes} * 60000);
}

void CoreSession::run_for(SimMillis ms) {
  if (in_core() || ms <= 0) return;
  {
    Call call(*this);
    sim_->scheduler.advance(ms);
  }
  emit ran();
}

void CoreSession::key(int n, int code) {
  Router* r = sim_->router(n);
  if (r == nullptr) return;
  ++changes_;
  {
    Call call(*this);
    sim_->key_press(*r, code);
  }
  emit ran();
}

void CoreSession::function_key(int n) {
  Call call(*this);
  sim_->function_key(n);
}

void CoreSession::advance_real_time() {
  if (!running_) return;
  if (in_core()) {
    ++skipped_ticks_;  // the time is not lost: the next free tick hands it over
    return;
  }
  const qint64 now = now_ms_ ? now_ms_() : clock_.elapsed();
  const qint64 step = now - handed_ms_;  // the speed caps a long pause
  handed_ms_ = now;
  if (step <= 0) return;
  {
    Call call(*this);
    speed_.run_real(sim_->scheduler, step);
  }
  emit ran();
}

std::unique_ptr<Simulation> CoreSession::replace(std::unique_ptr<Simulation> next) {
  const bool was_running = running_;
  set_real_time(false);
  std::swap(sim_, next);
  if (was_running) set_real_time(true);  // the new lab's clock goes on from where it was saved
  emit ran();
  return next;
}

void CoreSession::set_real_time(bool on) {
  running_ = on;
  if (on) {
    clock_.start();
    handed_ms_ = now_ms_ ? now_ms_() : 0;
    tick_.start();
  } else {
    tick_.stop();
  }
}

}  // namespace zorva::ui
