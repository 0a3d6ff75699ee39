// Helpers shared by the command handlers.
#include "commands/command_support.h"

#include <optional>
#include <string>

#include "base/error_log.h"
#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/password_scramble.h"
#include "state/ipv4.h"
#include "state/mode_tables.h"
#include "state/router_record.h"

namespace zorva {

namespace {
const std::string kNoWord;

bool in_word_range(int i) {
  return i >= 1 && i <= kMaxWords;
}
}  // namespace

bool real_router(const CommandContext& cmd) {
  return cmd.behaviour == Behaviour::RealRouter;
}

bool negated(const CommandContext& cmd) {
  return is_set(cmd.pc.Negated);
}

void set_output(ConsoleSession& r, std::string text) {
  r.output_buffer = std::move(text);
  r.output_pending = kTrue;
}

std::string invalid_input_at(const CommandContext& cmd, int i) {
  const std::string& line = cmd.pc.Line;
  // The i-th blank-separated word of the line as typed, counting the "no" the parser removed.
  int wanted = i + (negated(cmd) ? 1 : 0);
  std::size_t at = 0;
  for (int n = 0; at < line.size();) {
    while (at < line.size() && line[at] == ' ') ++at;
    if (at >= line.size() || ++n == wanted) break;
    while (at < line.size() && line[at] != ' ') ++at;
  }
  const std::size_t column = cmd.router.hostname.size() + cmd.router.prompt.size() + at;
  return std::string(kCrLf) + std::string(column, ' ') + "^" + std::string(kCrLf) +
         std::string(kInvalidInputText);
}

void set_mode(CommandContext& cmd, int mode) {
  enter_mode(cmd.router, cmd.modes, mode);
}

void leave_for_global(CommandContext& cmd) {
  if (cmd.router.mode > kModeGlobal) set_mode(cmd, kModeGlobal);
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

InterfaceEntry* selected_interface(CommandContext& cmd, std::string_view procedure) {
  RouterRecord& r = cmd.router;
  if (r.cur_if_index < 0 || r.cur_if_index > kMaxInterfaces) {
    cmd.log.log(procedure, RuntimeError::SubscriptOutOfRange);
    return nullptr;
  }
  return &r.interfaces[r.cur_if_index];
}

std::string ospf_area_word(const CommandContext& cmd, int i) {
  const std::string& typed = word(cmd.pc, i);
  const std::optional<Ipv4> dotted_area = real_router(cmd) ? parse_dotted(typed) : std::nullopt;
  return dotted_area ? std::to_string(*dotted_area) : typed;
}

std::string typed_password(const CommandContext& cmd, int at) {
  const std::string& first = raw_word(cmd.pc, at);
  const std::string& rest = raw_word(cmd.pc, at + 1);
  if (rest.empty()) return first;
  if (first == "0") return rest;
  if (first == "7") return unscramble_password(rest).value_or(rest);
  return first;
}

std::string password_argument(const CommandContext& cmd, int at) {
  if (!real_router(cmd)) return word(cmd.pc, at);
  return negated(cmd) ? std::string() : typed_password(cmd, at);
}

}  // namespace zorva
