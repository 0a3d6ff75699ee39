#include "base/scripted_host.h"

namespace zorva {

ScriptedHost::ScriptedHost(std::uint32_t seed) : generator_(seed) {}

Answer ScriptedHost::message_box(std::string_view title, std::string_view text, Buttons buttons) {
  Answer a = Answer::Ok;
  if (buttons != Buttons::Ok) {
    a = Answer::Cancel;
    if (!answers.empty()) {
      a = answers.front();
      answers.pop_front();
    }
  } else if (!answers.empty() && answers.front() == Answer::Ok) {
    answers.pop_front();  // an explicit "answer ok" is used up by the box it was meant for
  }
  boxes.push_back({std::string(title), std::string(text), a});
  return a;
}

double ScriptedHost::random() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

bool ScriptedHost::launch(const std::string& target) {
  launched.push_back(target);
  return launch_succeeds;
}

const char* answer_name(Answer a) {
  switch (a) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Cancel";
    case Answer::Yes:
      return "Yes";
    case Answer::No:
      return "No";
  }
  return "?";
}

std::string describe_box(std::string_view title, std::string_view text, Answer answer) {
  std::string s = "[box] ";
  s.append(title).append(": ").append(text).append(" -> ").append(answer_name(answer));
  return s;
}

}  // namespace zorva
