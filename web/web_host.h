// The browser page as the core's host. A key press cannot wait for a click in a browser, so boxes
// are not answered inside the call: a box with OK alone becomes a notice the page shows while the
// core goes on, and a question (`ask`) waits in `question` until the page's dialog calls `answer`.
// It is also where the lab session keeps its recovery copies: in the page's storage (the browser's
// local storage, one copy per tab) once the page hands it over, nowhere before.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/host.h"
#include "lab/recovery_store.h"

namespace zorva::web {

struct Notice {
  std::string title;
  std::string text;
};

struct Question {
  std::string title;
  std::string text;
  Buttons buttons = Buttons::Ok;
  std::function<void(Answer)> then;  // the core's continuation
};

class WebHost : public Host, public RecoveryStore {
 public:
  WebHost();

  Answer message_box(std::string_view title, std::string_view text, Buttons buttons) override;
  void ask(std::string_view title, std::string_view text, Buttons buttons,
           std::function<void(Answer)> then) override;
  std::string date_time_text() override;
  double random() override;
  bool launch(const std::string& target) override;
  void activate_router(int n) override;

  // Hands the chosen button to the waiting question; false when none waits.
  bool answer(Answer a);
  // Forgets a waiting question without answering it (its simulation is going away).
  void drop_question() { question.reset(); }

  // The storage that keeps recovery copies from now on.
  void use_storage(std::unique_ptr<RecoveryStore> storage) { storage_ = std::move(storage); }
  bool write(const std::string& lab_text) override;
  void clear() override;
  std::vector<RecoveryCopy> left_behind() override;
  void forget(const RecoveryCopy& copy) override;

  std::vector<Notice> notices;       // shown by the page, then cleared
  std::optional<Question> question;  // at most one waits: the page is modal while it does
  int activated_router = 0;          // the last router asked to come forward, 0 when none since
  bool question_is_new = false;      // set when a question arrives, cleared when the page takes it

 private:
  std::mt19937 generator_;
  std::unique_ptr<RecoveryStore> storage_;  // the page's; none until it is handed over
};

}  // namespace zorva::web
