// The simulation as the browser page drives it. The page hands over keys, real time and files; it
// takes back, in one JSON text per frame, what changed: new transcript text, input lines, the
// router that came forward, notices and the question waiting for an answer. Everything the
// routers do is the core's; this class only queues, converts and keeps track of what the page has
// already been given. The lab's life (changed since saved, what replaces what, the questions
// before, the recovery copies) is the core's LabSession; the page only downloads and uploads what
// it is handed, and keeps the copies where the host tells it.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lab/lab_session.h"
#include "simulation/network_diagram.h"
#include "simulation/simulation.h"
#include "web/web_host.h"

namespace zorva::web {

class WebSession : private LabSessionFace {
 public:
  // Keys waiting beyond this many are refused, so a runaway paste cannot exhaust memory.
  static constexpr std::size_t kMaxQueuedKeys = 1 << 20;

  // `app_dir` holds the topologies (and, natively, zorva.mdb); the log goes to `log_file`, by
  // default zorva.log there.
  explicit WebSession(const std::string& app_dir, const std::string& log_file = "");

  // Starts afresh on a topology file of the program directory ("" for the default topology).
  void start(const std::string& topology_file);
  // A shipped topology chosen in place of the running lab, after the offer to save a changed one.
  void choose_topology(const std::string& topology_file);
  // Topology text the user picked, in place of the running lab. When it gives no routers, the
  // simulation in use stays and the reason is returned at once; "" when the new one is in place
  // or waits for the answer to the offer to save.
  std::string open_topology(const std::string& name, const std::string& text);
  // The text of the lab file `name`, read from a file or an address, in place of the running lab.
  // A file that cannot be opened is refused at once (the reason is returned); "" when the lab is
  // in place or waits for the answer to the offer to save. A save proposes a name of the
  // student's beside `name` rather than `name` itself.
  std::string open_lab(const std::string& name, const std::string& text);
  // What the running lab came with: its page's HTML and its title ("" when it has none).
  std::string lab_page() const { return lab_->bundle().page; }
  std::string lab_title() const { return lab_->bundle().title; }
  bool has_practice_checks() const { return !lab_->bundle().practice_checks.empty(); }
  // Runs the lab's own practice checks, as check() does; an error when it has none.
  std::string check_practice() const;
  // The lab's student (UTF-8); a new name is a change to save.
  std::string student() const;
  void set_student(const std::string& name);
  // Save Lab: the lab is handed to the page as a download (see take_changes).
  void save();
  // At start-up: offers the recovery copies of tabs that closed without saving.
  void offer_recovery();
  // The page is going away: the copy is written now if the lab changed since the last one.
  void leaving();
  // The lab file text of the simulation in use.
  std::string lab_text(bool with_transcripts) const;
  // The topology files the program ships, as a JSON list of names relative to the program folder.
  std::string shipped_topologies() const;

  // Keys for the active console: the characters of `text` one by one, or one character code.
  // Keys wait while a question is open and are typed once it is answered.
  bool type_text(const std::string& text);
  void key(int code);
  // F1..F12, Alt+digit and the router picker: router n's console comes forward.
  void function_key(int n);
  // Answers the waiting question: "yes", "no", "cancel" or "ok". False when none waits.
  bool answer(const std::string& button);

  // Runs `real_ms` of real time at the current speed, or `minutes` of simulated time at once.
  void run_real(double real_ms);
  void skip_minutes(int minutes);
  bool set_speed(int factor);  // 1, 10 or 60; false, changing nothing, for any other

  // Everything that changed since the last call, as one JSON object; a field is there only when
  // it has news:
  //   reset     {routers: [captions], topology}: a new simulation; every console starts empty
  //   consoles  [{n, append?, input?, caret?}]: transcript text added, the input line and caret
  //   active    the router whose console is forward
  //   clock     "hh:mm:ss 10x": the simulated clock and its speed
  //   behaviour "classic" or "real-router": the running lab's
  //   notices   [{title, text}]: boxes with OK alone, to show without waiting
  //   question  {title, text, buttons: "ok"|"okcancel"|"yesnocancel"}: to answer with `answer`
  //   download  {name, text}: a lab file for the page to download
  //   told      ["Lab downloaded as NAME."]: short notices that need no answer
  //   changed   whether the lab changed since it was last saved (always there)
  std::string take_changes();

  // The network diagram as JSON: routers with positions, cables with their ends' states.
  std::string diagram();

  // The Lab Navigator's Topology page for the loaded topology.
  std::string topology_page() const;

  // Runs the checks in `checks_text` on a copy of the lab; JSON results or an error.
  std::string check(const std::string& checks_text) const;

  // A lab changed since it was last saved (a key reached a console).
  bool changed() const { return lab_->changed(); }
  // The file name Save Lab proposes: the lab's own, else its topology's name and the student's.
  std::string suggested_name() const;
  // The behaviour of labs started from a topology ("classic" or "real-router"); false, changing
  // nothing, for any other name.
  bool set_behaviour(const std::string& name);

  Simulation& sim() { return *lab_->sim(); }
  const Simulation& sim() const { return *lab_->sim(); }
  WebHost& host() { return host_; }

 private:
  // LabSessionFace: the page downloads, so a save "asks" for nothing; notices become toasts.
  void ask_save_file(const std::filesystem::path& suggested,
                     std::function<void(std::optional<std::filesystem::path>)> then) override;
  void tell(const std::string& text) override;
  void simulation_arrived() override;
  bool hand_over(const std::filesystem::path& name, const std::string& text) override;
  void pump_keys();

  std::filesystem::path app_dir_;
  std::filesystem::path log_file_;
  WebHost host_;                     // outlives every simulation, which holds a reference to it
  std::unique_ptr<LabSession> lab_;  // the simulation and its life
  std::deque<int> keys_;             // waiting keys: character codes, or -n for router n's console
  double real_ms_ = 0;               // real time the page has run the clock, for recovery copies
  std::optional<std::pair<std::string, std::string>> download_;  // name and text to hand over
  std::vector<std::string> told_;
  // What the page has been given: a new simulation resets it all.
  bool reset_ = true;
  std::vector<std::size_t> sent_;  // per router, transcript bytes handed over
  std::vector<std::string> shown_input_;
  std::vector<int> shown_caret_;
  int shown_active_ = 0;
  std::string shown_clock_;
  std::string shown_behaviour_;
  std::optional<NetworkDiagram> diagram_;  // built when first asked for, then only refreshed
};

}  // namespace zorva::web
