// The ping questions: one answer at a time, checked as a real router checks it.
#include "console/ping_dialogue.h"

#include <array>

#include "base/number_text.h"
#include "console/console_context.h"
#include "console/network_work.h"
#include "router/output.h"
#include "router/router.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

constexpr std::array<std::string_view, 7> kQuestions = {
    "Protocol [ip]: ",           "Target IP address: ",      "Repeat count [5]: ",
    "Datagram size [100]: ",     "Timeout in seconds [2]: ", "Extended commands [n]: ",
    "Sweep range of sizes [n]: "};
constexpr int kProtocol = 0;
constexpr int kTarget = 1;
constexpr int kRepeat = 2;

// The message that ends the dialogue for a bad answer to question `question`; "" when the answer
// is taken. A taken target or repeat count is stored.
std::string checked_answer(RouterRecord& rec, int question, const std::string& answer) {
  switch (question) {
    case kProtocol:
      if (answer.empty() || to_lower(answer) == "ip") return "";
      return "% Unknown protocol - \"" + answer + "\", type \"ping ?\" for help";
    case kTarget:
      if (!parse_dotted(answer)) return "% Bad IP address";
      rec.ping_target = answer;
      return "";
    case kRepeat:
      if (answer.empty()) return "";
      if (!is_numeric(answer) || leading_number(answer) < 1 || leading_number(answer) > 2147483647)
        return "% A decimal number between 1 and 2147483647.";
      rec.ping_repeat = static_cast<Int32>(leading_number(answer));
      return "";
    default:
      return "";  // sizes, timeout and the extended commands keep their defaults
  }
}

}  // namespace

bool asking_ping_questions(const RouterRecord& rec) {
  return rec.pending_action == PendingAction::PingQuestions;
}

std::string_view ping_question_text(const RouterRecord& rec) {
  const int k = std::clamp<int>(rec.ping_question, 0, static_cast<int>(kQuestions.size()) - 1);
  return kQuestions[static_cast<std::size_t>(k)];
}

void answer_ping_question(ConsoleContext& sim, Router& r, const std::string& answer) {
  RouterRecord& rec = r.record;
  const std::string typed = trim(answer);
  output_text(r, "\r\n" + std::string(ping_question_text(rec)) + answer);
  const std::string refused = checked_answer(rec, rec.ping_question, typed);
  if (!refused.empty()) {
    output_text(r, "\r\n" + refused);
    rec.pending_action = PendingAction::None;
    return;
  }
  rec.ping_question = static_cast<Int16>(rec.ping_question + 1);
  if (rec.ping_question < static_cast<Int16>(kQuestions.size())) return;
  rec.pending_action = PendingAction::None;
  sim.network_work.asked_ping(rec.ping_target, rec.ping_repeat);
}

}  // namespace zorva
