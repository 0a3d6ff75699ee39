// Helpers shared by the command handlers.
#include "commands/command_support.h"

#include "shell/simulation.h"
#include "state/number_text.h"

namespace zorva {

namespace {
const std::string kNoWord;

bool in_word_range(int i) {
  return i >= 1 && i <= kMaxWords;
}
}  // namespace

void set_output(RouterRecord& r, std::string text) {
  r.output_buffer = std::move(text);
  r.output_pending = kTrue;
}

void set_mode(Simulation& sim, int mode) {
  sim.current_router.mode = static_cast<Int16>(mode);
  sim.current_router.prompt = sim.mode_tables.prompt_of(mode);
}

std::string full_word(const ParsedCommand& pc, int i) {
  return in_word_range(i) ? to_lower(trim(pc.FullWords[i])) : std::string();
}

const std::string& word(const ParsedCommand& pc, int i) {
  return in_word_range(i) ? pc.Words[i] : kNoWord;
}

const std::string& raw_word(const ParsedCommand& pc, int i) {
  return in_word_range(i) ? pc.RawWords[i] : kNoWord;
}

InterfaceEntry* selected_interface(Simulation& sim, std::string_view procedure) {
  RouterRecord& r = sim.current_router;
  if (r.cur_if_index < 0 || r.cur_if_index > kMaxInterfaces) {
    sim.log.log(procedure, RuntimeError::SubscriptOutOfRange);
    return nullptr;
  }
  return &r.interfaces[r.cur_if_index];
}

}  // namespace zorva
