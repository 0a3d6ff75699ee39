#include "lab/lab_session.h"

#include "lab/lab_file.h"
#include "simulation/start_up_problems.h"

namespace zorva {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "Zorva";
constexpr const char* kSaveFirst =
    "The lab has changed since it was last saved. Save it before the other one is opened?";
constexpr const char* kSaveBeforeLeaving =
    "The lab has changed since it was last saved. Save it before leaving?";

constexpr const char* kStudentQuestion = "Your name, saved in the lab";

void finish(const LabSession::Done& done, bool happened) {
  if (done) done(happened);
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A student's name as part of a file name: the characters file systems refuse, and blanks, become
// underscores.
std::string file_name_part(const std::string& name) {
  std::string out;
  for (const char c : trimmed(name)) {
    const bool refused = static_cast<unsigned char>(c) < 32 || c == ' ' || c == '/' || c == '\\' ||
                         c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
                         c == '|';
    out += refused ? '_' : c;
  }
  return out;
}

}  // namespace

fs::path resolve_given_path(const fs::path& given, const fs::path& app_dir) {
  if (given.empty() || given.is_absolute()) return given;
  std::error_code ec;
  if (fs::exists(given, ec)) return given;
  if (!app_dir.empty() && fs::exists(app_dir / given, ec)) return app_dir / given;
  return given;
}

LabSession::LabSession(Host& host, LabSessionFace& face, LabSessionSettings settings)
    : host_(host),
      face_(face),
      settings_(std::move(settings)),
      sim_(std::make_unique<Simulation>(host_, settings_.paths)) {
  sim_->behaviour = settings_.behaviour;
}

LabSession::~LabSession() {
  if (sim_) face_.simulation_leaving();
}

void LabSession::start_topology(const std::string& topology) {
  if (!started_ && sim_) {  // the first start: the simulation made with the session starts
    sim_->behaviour = settings_.behaviour;
    sim_->start(topology);
    started_ = true;
    face_.simulation_arrived();
    return;
  }
  auto next = std::make_unique<Simulation>(host_, settings_.paths);
  next->behaviour = settings_.behaviour;
  next->start(topology);
  replace(std::move(next), {});
}

bool LabSession::start_lab(const fs::path& file, std::string& error) {
  OpenedLab lab = open_lab_file(file, host_, settings_.paths);
  if (!lab.sim) {
    error = lab.error;
    return false;
  }
  replace_opened(std::move(lab), file);
  return true;
}

bool LabSession::start_lab_text(const std::string& name, const std::string& text,
                                std::string& error) {
  OpenedLab lab = zorva::open_lab_text(text, host_, settings_.paths);
  if (!lab.sim) {
    error = lab.error;
    return false;
  }
  replace_opened(std::move(lab), name);
  return true;
}

void LabSession::start_simulation(std::unique_ptr<Simulation> next) {
  replace(std::move(next), {});
}

void LabSession::saved_as(const fs::path& file) {
  lab_file_ = file;
  saved_changes_ = changes_;
  restored_ = false;
  drop_recovery();
}

bool LabSession::offer_recovery(const fs::path& left_behind) {
  const Answer a = host_.message_box(
      kTitle,
      "Zorva did not close normally last time. Restore the lab as it was at its last recovery "
      "save (at most a minute before)?",
      Buttons::YesNoCancel);
  bool restored = false;
  if (a == Answer::Yes) {
    OpenedLab lab = open_lab_file(left_behind, host_, settings_.paths);
    if (lab.sim) {
      replace(std::move(lab.sim), {}, std::move(lab.bundle));
      sim_->function_key(sim_->active_router);  // the console the student was typing into
      restored_ = restored = true;
      // The lab is safe in this program's own copy before the one it came from is set aside.
      recovery_due_ = true;
      write_recovery();
    } else {
      host_.message_box(kTitle, "The recovery file cannot be opened: " + lab.error, Buttons::Ok);
    }
  }
  // Set aside rather than deleted, in case the answer was a slip (a copy of this program's own
  // name now holds the restored lab).
  if (restored && left_behind == settings_.recovery_file) return true;
  fs::path old = left_behind;
  old += ".old";
  std::error_code ec;
  fs::rename(left_behind, old, ec);
  return restored;
}

void LabSession::offer_stored_recovery(Done done) {
  if (!settings_.recovery_store) return finish(done, false);
  offer_stored_copy(settings_.recovery_store->left_behind(), 0, std::move(done));
}

void LabSession::offer_stored_copy(std::vector<RecoveryCopy> copies, std::size_t next, Done done) {
  if (next >= copies.size()) return finish(done, false);
  const std::string text = "Zorva was closed without saving the lab (last recovery copy " +
                           copies[next].saved_at + "). Restore the lab as it was then?";
  host_.ask(kTitle, text, Buttons::YesNoCancel, [this, copies, next, done](Answer a) {
    if (a == Answer::Cancel) return finish(done, false);
    settings_.recovery_store->forget(copies[next]);
    if (a == Answer::No) return offer_stored_copy(copies, next + 1, done);
    OpenedLab lab = zorva::open_lab_text(copies[next].lab_text, host_, settings_.paths);
    if (!lab.sim) {
      host_.message_box(kTitle, "The recovery copy cannot be opened: " + lab.error, Buttons::Ok);
      return finish(done, false);
    }
    replace(std::move(lab.sim), {});
    restored_ = recovery_due_ = true;
    write_recovery();  // kept as this program's own copy until it is saved
    finish(done, true);
  });
}

fs::path LabSession::suggested_file() const {
  if (lab_file_.empty()) return fs::path("lab.zlab");
  if (!is_protected(lab_file_)) return lab_file_;
  const std::string name = file_name_part(student());
  return lab_file_.parent_path() /
         (lab_file_.stem().string() + "-" + (name.empty() ? "student" : name) + ".zlab");
}

bool LabSession::is_protected(const fs::path& file) const {
  if (protected_file_.empty()) return false;
  if (file == protected_file_) return true;
  std::error_code ec;
  return fs::equivalent(file, protected_file_, ec);
}

void LabSession::set_student(const std::string& name) {
  if (!sim_) return;
  const std::string given = trimmed(name);
  student_asked_ = true;
  if (given == sim_->student) return;
  sim_->student = given;
  ++changes_;
}

void LabSession::edit_student(Done done) {
  if (!sim_) return finish(done, false);
  face_.ask_text(kStudentQuestion, student(), [this, done](std::optional<std::string> name) {
    if (!name) return finish(done, false);
    set_student(*name);
    finish(done, true);
  });
}

void LabSession::with_student(std::function<void(bool)> go) {
  if (!sim_ || student_asked_ || !sim_->student.empty()) return go(true);
  face_.ask_text(kStudentQuestion, "", [this, go](std::optional<std::string> name) {
    if (!name) return go(false);
    set_student(*name);
    go(true);
  });
}

void LabSession::key(int code) {
  if (!sim_) return;
  ++changes_;
  sim_->console_key(code);
}

void LabSession::key_to(int router, int code) {
  if (!sim_) return;
  Router* r = sim_->router(router);
  if (r == nullptr) return;
  ++changes_;
  sim_->key_press(*r, code);
}

void LabSession::function_key(int n) {
  if (sim_) sim_->function_key(n);
}

void LabSession::run_real(SimMillis real_ms) {
  if (sim_ && real_ms > 0) speed_.run_real(sim_->scheduler, real_ms);
}

void LabSession::skip_minutes(int minutes) {
  if (sim_) ClockSpeed::skip_minutes(sim_->scheduler, minutes);
}

void LabSession::save(Done done) {
  if (!sim_) return finish(done, false);
  if (lab_file_.empty() || is_protected(lab_file_)) return save_as(std::move(done));
  finish(done, save_to(lab_file_));
}

void LabSession::save_as(Done done) {
  if (!sim_) return finish(done, false);
  with_student([this, done](bool go) {
    if (!go) return finish(done, false);
    face_.ask_save_file(suggested_file(), [this, done](std::optional<fs::path> file) {
      if (!file || file->empty()) return finish(done, false);
      if (!file->has_extension()) *file += ".zlab";
      finish(done, save_to(*file));
    });
  });
}

bool LabSession::save_to(const fs::path& file) {
  if (!sim_) return false;
  if (is_protected(file)) {
    host_.message_box(kTitle,
                      "The lab was not saved: " + file.string() +
                          " is the lab as it was handed out, and stays as it is. Save your work "
                          "under another name.",
                      Buttons::Ok);
    return false;
  }
  if (face_.hand_over(file, lab_text(*sim_, true, bundle_))) {
    saved_as(file);
    face_.tell("Lab downloaded as " + file.string() + ".");
    return true;
  }
  const std::string error = save_lab(*sim_, file, true, bundle_);
  if (!error.empty()) {
    host_.message_box(kTitle, "The lab was not saved: " + error, Buttons::Ok);
    return false;
  }
  saved_as(file);
  face_.tell("Lab saved to " + file.string() + ".");
  return true;
}

void LabSession::save_first(std::function<void()> go, Done done) {
  if (!sim_ || !changed()) return go();
  host_.ask(kTitle, kSaveFirst, Buttons::YesNoCancel, [this, go, done](Answer a) {
    if (a == Answer::Cancel) return finish(done, false);
    if (a == Answer::No) return go();
    save([go, done](bool saved) {
      if (saved) return go();
      finish(done, false);
    });
  });
}

void LabSession::cannot_open(const std::string& what, const std::string& why) {
  host_.message_box(kTitle, "Cannot open " + what + ": " + why, Buttons::Ok);
}

void LabSession::open_lab(const fs::path& file, Done done) {
  save_first(
      [this, file, done] {
        OpenedLab lab = open_lab_file(file, host_, settings_.paths);
        if (!lab.sim) {
          cannot_open(file.string(), lab.error);
          return finish(done, false);
        }
        replace_opened(std::move(lab), file);
        finish(done, true);
      },
      done);
}

void LabSession::open_topology(const std::string& file, Done done) {
  save_first(
      [this, file, done] {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) {
          cannot_open(file, "the file does not exist or is not a file");
          return finish(done, false);
        }
        auto next = std::make_unique<Simulation>(host_, settings_.paths);
        next->behaviour = settings_.behaviour;
        next->start(file);
        replace(std::move(next), {});
        finish(done, true);
      },
      done);
}

void LabSession::open_lab_text(const std::string& name, const std::string& text, Done done) {
  save_first(
      [this, name, text, done] {
        OpenedLab lab = zorva::open_lab_text(text, host_, settings_.paths);
        if (!lab.sim) {
          cannot_open(name, lab.error);
          return finish(done, false);
        }
        replace_opened(std::move(lab), name);
        finish(done, true);
      },
      done);
}

void LabSession::open_simulation(std::unique_ptr<Simulation> next, Done done,
                                 const fs::path& file) {
  // A std::function must be copyable: the simulation waits in a shared holder for the answer.
  auto holder = std::make_shared<std::unique_ptr<Simulation>>(std::move(next));
  save_first(
      [this, holder, done, file] {
        replace(std::move(*holder), file);
        finish(done, true);
      },
      done);
}

void LabSession::leave(Done done) {
  if (!sim_ || !changed()) return finish(done, true);
  host_.ask(kTitle, kSaveBeforeLeaving, Buttons::YesNoCancel, [this, done](Answer a) {
    if (a == Answer::Cancel) return finish(done, false);
    if (a == Answer::No) return finish(done, true);
    save(done);
  });
}

void LabSession::clean_exit() {
  drop_recovery();
}

void LabSession::drop_recovery() {
  if (settings_.recovery_store) settings_.recovery_store->clear();
  if (settings_.recovery_file.empty()) return;
  std::error_code ec;
  fs::remove(settings_.recovery_file, ec);
}

void LabSession::recovery_tick(std::int64_t now_ms) {
  if (last_recovery_ms_ < 0) last_recovery_ms_ = now_ms;
  if (now_ms - last_recovery_ms_ < kRecoveryIntervalMs) return;
  last_recovery_ms_ = now_ms;
  write_recovery();
}

bool LabSession::write_recovery() {
  if (!sim_ || (settings_.recovery_file.empty() && !settings_.recovery_store)) return false;
  if (changes_ == recovered_changes_ && !recovery_due_) return false;
  if (RecoveryStore* store = settings_.recovery_store) {
    // A store may be too small for the transcripts: the configuration alone is worth keeping.
    if (!store->write(lab_text(*sim_, true)) && !store->write(lab_text(*sim_, false))) return false;
    recovered_changes_ = changes_;
    recovery_due_ = false;
    return true;
  }
  std::error_code ec;
  fs::create_directories(settings_.recovery_file.parent_path(), ec);
  if (!save_lab(*sim_, settings_.recovery_file, true, bundle_, true).empty()) return false;
  recovered_changes_ = changes_;
  recovery_due_ = false;
  return true;
}

void LabSession::replace_opened(OpenedLab lab, const fs::path& file) {
  // A lab that names its student is that student's own work, saved where it was opened; one that
  // names none is the lab as it was handed out, which no student's save may change.
  const bool teachers = lab.sim->student.empty();
  replace(std::move(lab.sim), file, std::move(lab.bundle));
  if (teachers) protected_file_ = file;
}

void LabSession::replace(std::unique_ptr<Simulation> next, const fs::path& file, LabBundle bundle) {
  if (sim_) face_.simulation_leaving();
  sim_ = std::move(next);
  started_ = sim_ != nullptr;
  lab_file_ = file;
  protected_file_.clear();
  bundle_ = std::move(bundle);
  student_asked_ = false;
  restored_ = false;
  saved_changes_ = recovered_changes_ = changes_;
  drop_recovery();
  face_.simulation_arrived();
}

}  // namespace zorva
