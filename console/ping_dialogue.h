// The questions a real router asks for `ping` typed without an address: protocol, target, repeat
// count, datagram size, timeout, extended commands and sweep, each with its default in brackets
// (Enter takes it). The answers that matter are kept in the console session; the last answer
// hands the ping to the network work.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

struct ConsoleContext;
class Router;
struct RouterRecord;

// True while the router's console is asking the ping questions.
bool asking_ping_questions(const RouterRecord& rec);

// The question being asked, as it stands before the answer ("Repeat count [5]: ").
std::string_view ping_question_text(const RouterRecord& rec);

// Prints the question with its answer, then asks the next one, ends on a bad answer with the
// router's message, or asks the network for the ping after the last.
void answer_ping_question(ConsoleContext& sim, Router& r, const std::string& answer);

}  // namespace zorva
