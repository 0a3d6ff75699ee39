// A Host for tests and the script runner: answers come from a queue, the clock text is fixed, the
// random source is a seeded generator, and everything asked is recorded.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "base/host.h"

namespace zorva {

class ScriptedHost : public Host {
 public:
  explicit ScriptedHost(std::uint32_t seed = 1);

  Answer message_box(std::string_view title, std::string_view text, Buttons buttons) override;
  std::string date_time_text() override { return date_time; }
  double random() override;
  bool launch(const std::string& target) override;
  void activate_router(int n) override { active_router = n; }

  // Queues the answer for the next box. Unanswered questions get Cancel; OK-only boxes get Ok.
  void queue_answer(Answer a) { answers.push_back(a); }

  struct Box {
    std::string title;
    std::string text;
    Answer answer;
  };
  std::vector<Box> boxes;             // every box shown, in order, with the answer it got
  std::vector<std::string> launched;  // every launch request
  std::deque<Answer> answers;         // answers still to give
  std::string date_time = "05/12/2026 12:00:00";
  int active_router = 1;  // the router last brought forward
  bool launch_succeeds = true;

 private:
  std::mt19937 generator_;
};

// The text a box is printed with in transcripts: "[box] TITLE: TEXT -> ANSWER".
std::string describe_box(std::string_view title, std::string_view text, Answer answer);
const char* answer_name(Answer a);

}  // namespace zorva
