// CoreSession: the core's calls wrapped with the busy guard, and real time feeding the scheduler.
#include "ui/core_session.h"

#include <algorithm>

#include "console/key_handler.h"
#include "simulation/start_up_problems.h"
#include "ui/app_settings.h"
#include "ui/app_title.h"

namespace zorva::ui {

CoreSession::CoreSession(const std::filesystem::path& app_dir,
                         const std::filesystem::path& recovery_file, QObject* parent)
    : QObject(parent),
      lab_(std::make_unique<LabSession>(
          host_, static_cast<LabSessionFace&>(*this),
          LabSessionSettings{SimulationPaths{app_dir, {}}, recovery_file,
                             default_behaviour_setting()})) {
  tick_.setInterval(kTickMs);
  tick_.setTimerType(Qt::PreciseTimer);
  connect(&tick_, &QTimer::timeout, this, &CoreSession::advance_real_time);
}

CoreSession::~CoreSession() {
  tick_.stop();
  hooks_ = {};  // the window is going too: nothing to tell it
  lab_.reset();
}

void CoreSession::start(const std::string& topology) {
  {
    Call call(*this);
    lab_->start_topology(topology);
  }
  // Said once, before the clock runs: why no command is recognised, why there is no router.
  for (const std::string& problem : start_up_problems(sim()))
    host_.message_box(kAppTitle, problem, Buttons::Ok);
  set_real_time(true);
}

bool CoreSession::start_lab(const std::filesystem::path& file) {
  std::string error;
  bool opened = false;
  {
    Call call(*this);
    opened = lab_->start_lab(file, error);
  }
  if (!opened) {
    host_.message_box(kAppTitle, "Cannot open " + file.string() + ": " + error, Buttons::Ok);
    return false;
  }
  set_real_time(true);
  return true;
}

void CoreSession::skip_minutes(int minutes) {
  run_for(SimMillis{minutes} * 60000);
}

void CoreSession::run_for(SimMillis ms) {
  if (in_core() || ms <= 0) return;
  {
    Call call(*this);
    sim().scheduler.advance(ms);
  }
  emit ran();
}

void CoreSession::key(int n, int code) {
  if (lab_->sim() == nullptr || sim().router(n) == nullptr) return;
  {
    Call call(*this);
    lab_->key_to(n, code);
  }
  emit ran();
}

void CoreSession::function_key(int n) {
  Call call(*this);
  lab_->function_key(n);
}

void CoreSession::advance_real_time() {
  if (!running_ || lab_->sim() == nullptr) return;
  if (in_core()) {
    ++skipped_ticks_;  // the time is not lost: the next free tick hands it over
    return;
  }
  const qint64 now_ms = now();
  const qint64 step = now_ms - handed_ms_;  // the speed caps a long pause
  handed_ms_ = now_ms;
  {
    Call call(*this);
    if (step > 0) lab_->run_real(step);
    lab_->recovery_tick(now_ms);
  }
  if (step > 0) emit ran();
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

void CoreSession::ask_save_file(const std::filesystem::path& suggested,
                                std::function<void(std::optional<std::filesystem::path>)> then) {
  then(hooks_.ask_file ? hooks_.ask_file(suggested) : std::nullopt);
}

void CoreSession::ask_text(const std::string& question, const std::string& current,
                           std::function<void(std::optional<std::string>)> then) {
  then(hooks_.ask_text ? hooks_.ask_text(question, current) : std::optional<std::string>(current));
}

void CoreSession::tell(const std::string& text) {
  if (hooks_.tell) hooks_.tell(text);
}

void CoreSession::simulation_leaving() {
  if (hooks_.leaving) hooks_.leaving();
}

void CoreSession::simulation_arrived() {
  if (hooks_.arrived) hooks_.arrived();
  emit ran();
}

}  // namespace zorva::ui
