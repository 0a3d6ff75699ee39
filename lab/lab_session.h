// The life of one lab, the same in every face: the simulation it runs, the file it came from or was
// last saved to, whether it changed since, saving, opening another lab or topology over it, the
// recovery copy written every minute while it changes, and the student's clock. Faces ask their
// user what the session asks (the Host's questions, and LabSessionFace for a file name) and draw
// what it holds; the policy lives here only.
//
// Questions go through Host::ask, whose answer may come later (the browser's dialogs), so every
// operation that may ask finishes through a `done` callback; faces that answer at once (desktop,
// terminal, scripts) see it called before the operation returns.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/behaviour.h"
#include "lab/lab_bundle.h"
#include "lab/recovery_store.h"
#include "simulation/clock_speed.h"
#include "simulation/simulation.h"

namespace zorva {

struct OpenedLab;

// What the session needs from the face that shows it, beyond the Host's boxes.
class LabSessionFace {
 public:
  virtual ~LabSessionFace() = default;
  // Asks where to save the lab, proposing `suggested`; `then` gets the file chosen, or nothing when
  // the user gave up.
  virtual void ask_save_file(const std::filesystem::path& suggested,
                             std::function<void(std::optional<std::filesystem::path>)> then) = 0;
  // Asks for a line of text (the student's name), showing `current` to keep or edit; `then` gets
  // the text, or nothing when the user gave up. A face without a way to ask keeps `current`.
  virtual void ask_text(const std::string& /*question*/, const std::string& current,
                        std::function<void(std::optional<std::string>)> then) {
    then(current);
  }
  // A short notice that needs no answer ("Lab saved to FILE."): a status line, a toast.
  virtual void tell(const std::string& text) = 0;
  // The simulation in use is about to be destroyed: every view of its consoles must let go.
  virtual void simulation_leaving() {}
  // A new simulation is in place.
  virtual void simulation_arrived() {}
  // Faces that cannot write files (the browser) hand the lab's text to their user under `name`
  // (a download) and return true; the others return false and the session writes the file.
  virtual bool hand_over(const std::filesystem::path& /*name*/, const std::string& /*text*/) {
    return false;
  }
};

struct LabSessionSettings {
  SimulationPaths paths;                     // where every simulation of the session starts
  std::filesystem::path recovery_file;       // this program's own recovery copy; "" for none
  Behaviour behaviour = Behaviour::Classic;  // of labs started from a topology file
  RecoveryStore* recovery_store = nullptr;   // keeps the copies instead, where files cannot be
};

class LabSession {
 public:
  static constexpr std::int64_t kRecoveryIntervalMs = 60 * 1000;
  using Done = std::function<void(bool)>;  // true when the operation took place

  LabSession(Host& host, LabSessionFace& face, LabSessionSettings settings);
  ~LabSession();
  LabSession(const LabSession&) = delete;
  LabSession& operator=(const LabSession&) = delete;

  // --- Start-up ---
  // A new simulation on `topology` ("" for the default topology), in the settings' behaviour.
  void start_topology(const std::string& topology);
  // The lab of `file` in place of everything; false, changing nothing, when it cannot be opened
  // (the reason in `error`).
  bool start_lab(const std::filesystem::path& file, std::string& error);
  // The same for lab text the face read itself, named `name` (an upload), and for a simulation the
  // face started itself (on a topology text it was given).
  bool start_lab_text(const std::string& name, const std::string& text, std::string& error);
  void start_simulation(std::unique_ptr<Simulation> next);
  // Offers to bring back the lab of a recovery copy left by a run that did not end cleanly, then
  // sets the copy aside (renamed to .old). True when the lab was brought back.
  bool offer_recovery(const std::filesystem::path& left_behind);
  // The same for the copies in the settings' recovery store, newest first: each is offered until
  // one is brought back or the user cancels; every copy offered is dropped from the store.
  void offer_stored_recovery(Done done = {});

  // --- The running lab ---
  // Until a start the simulation is there but not started (no routers, no clock): its log, paths
  // and version text are already what start-up uses.
  Simulation* sim() { return sim_.get(); }
  const Simulation* sim() const { return sim_.get(); }
  Host& host() { return host_; }
  const LabSessionSettings& settings() const { return settings_; }
  // The lab's file: the one it was opened from or last saved to; "" before.
  const std::filesystem::path& lab_file() const { return lab_file_; }
  bool changed() const { return restored_ || changes_ != saved_changes_; }
  // The behaviour the next lab started from a topology runs in.
  void set_default_behaviour(Behaviour b) { settings_.behaviour = b; }
  // The name a save proposes: the lab's file; for a lab opened from a teacher's file,
  // LAB-STUDENT.zlab beside it; else "lab.zlab".
  std::filesystem::path suggested_file() const;
  // The file the lab was opened from when no save may write over it: a lab that named no student
  // (a teacher's starting lab or bundle); "" when there is none.
  const std::filesystem::path& protected_file() const { return protected_file_; }
  // The page, title and practice checks the lab came with; every save keeps them.
  const LabBundle& bundle() const { return bundle_; }

  // --- The student ---
  // The lab's student, as the lab file keeps it ("" before it is known).
  std::string student() const { return sim_ ? sim_->student : std::string(); }
  // A new name (blanks at either end left out); a different name is a change to save.
  void set_student(const std::string& name);
  // Asks for the name, showing the one the lab has, and sets what is given.
  void edit_student(Done done = {});

  // Keys typed by the student: each one that reaches a console changes the lab.
  void key(int code);                 // into the active console
  void key_to(int router, int code);  // into router n's console
  void function_key(int n);           // F1..F12: router n's console comes forward

  // --- The clock ---
  ClockSpeed& speed() { return speed_; }
  const ClockSpeed& speed() const { return speed_; }
  void run_real(SimMillis real_ms);  // real time passed, at the chosen speed
  void skip_minutes(int minutes);

  // --- Lab files ---
  // Saves to the lab's file, or asks for one first. The first save of a lab that names no student
  // asks the student's name first (once per lab). A lab opened from a file it may not write over
  // is asked a new name, never saved back.
  void save(Done done = {});
  // Asks for a file (proposing the lab's own), then saves there; the protected file is refused.
  void save_as(Done done = {});
  // Saves to `file` now; says where it went, or why it could not (keeping the changes).
  bool save_to(const std::filesystem::path& file);
  // Another lab or topology in place of this one. Over a changed lab, offers to save it first; a
  // file that cannot be opened leaves the running lab untouched and says why at once.
  void open_lab(const std::filesystem::path& file, Done done = {});
  void open_topology(const std::string& file, Done done = {});
  // Lab text the face read itself (an upload in the browser), named `name` for messages.
  void open_lab_text(const std::string& name, const std::string& text, Done done = {});
  // A simulation the face built itself (a topology text it was given, or a lab it opened from
  // `file`) in place of this one, after the same offer to save.
  void open_simulation(std::unique_ptr<Simulation> next, Done done = {},
                       const std::filesystem::path& file = {});
  // Leaving the program: over a changed lab, offers to save it first. `done(true)`: may leave.
  void leave(Done done);
  // The program ends through its exit: the recovery copy is no longer needed.
  void clean_exit();

  // --- Recovery ---
  // Called as real time passes: once a minute, a lab changed since the last copy is copied.
  void recovery_tick(std::int64_t now_ms);
  // Writes the copy now when the lab changed since the last one; false when it could not.
  bool write_recovery();

 private:
  void replace(std::unique_ptr<Simulation> next, const std::filesystem::path& file,
               LabBundle bundle = {});
  // A lab opened from `file`: it becomes the lab's file, protected when the lab names no student.
  void replace_opened(OpenedLab lab, const std::filesystem::path& file);
  // Runs `go` once the student's name is settled: asked the first time a lab without one is
  // saved; `go(false)` when the question was given up.
  void with_student(std::function<void(bool)> go);
  bool is_protected(const std::filesystem::path& file) const;
  // Runs `go` after the offer to save a changed lab; `done(false)` when the user cancels.
  void save_first(std::function<void()> go, Done done);
  void cannot_open(const std::string& what, const std::string& why);
  void offer_stored_copy(std::vector<RecoveryCopy> copies, std::size_t next, Done done);
  void saved_as(const std::filesystem::path& file);
  // The lab is safe elsewhere (saved, or replaced on purpose): this program's copy goes.
  void drop_recovery();

  Host& host_;                            // boxes and questions of the face
  LabSessionFace& face_;                  // file names, notices, views of the consoles
  LabSessionSettings settings_;           // paths, recovery file, behaviour of new labs
  std::unique_ptr<Simulation> sim_;       // the running lab
  ClockSpeed speed_;                      // how fast real time runs the simulated clock
  std::filesystem::path lab_file_;        // where the lab was opened from or last saved
  std::filesystem::path protected_file_;  // opened from, never to be written over; "" for none
  LabBundle bundle_;                      // what the lab came with beside itself
  bool student_asked_ = false;            // the name was asked in this lab (once is enough)
  std::uint64_t changes_ = 0;             // keys typed into consoles
  std::uint64_t saved_changes_ = 0;       // changes_ when the lab was last saved or opened
  std::uint64_t recovered_changes_ = 0;   // changes_ when the recovery copy was last written
  bool restored_ = false;                 // holds a recovered lab not saved since
  bool started_ = false;                  // sim_ has been started (or opened from a file)
  bool recovery_due_ = false;             // the copy must be written even without new keys
  std::int64_t last_recovery_ms_ = -1;    // when the copy was last considered; -1: not yet
};

// Relative paths given on a command line: read from the current folder when the file is there,
// else from the program's folder; as given when neither has it.
std::filesystem::path resolve_given_path(const std::filesystem::path& given,
                                         const std::filesystem::path& app_dir);

}  // namespace zorva
