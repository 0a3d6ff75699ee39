#include "console/key_handler.h"

#include <algorithm>
#include <string_view>

#include "base/checked.h"
#include "base/number_text.h"
#include "console/console_context.h"
#include "console/dialogues.h"
#include "console/history.h"
#include "console/network_work.h"
#include "console/output_filter.h"
#include "console/ping_dialogue.h"
#include "console/reload.h"
#include "network/network.h"
#include "network/real_routing.h"
#include "parser/new_parse.h"
#include "reports/real_router_config.h"
#include "router/output.h"
#include "router/router.h"
#include "state/console_login.h"
#include "state/mode_tables.h"

namespace zorva {

namespace {

constexpr const char* kDevice = "router";
constexpr std::string_view kLogName = "txtin Keypress()";

bool banner_entry(const RouterRecord& rec) {
  return rec.pending_action == PendingAction::Banner;
}

// Real-router `copy running-config startup-config` asks where to save; Enter takes the default.
constexpr std::string_view kSaveQuestion = "Destination filename [startup-config]? ";
// Real-router `clear ip ospf process` asks first; only "y" or "yes" resets.
constexpr std::string_view kClearOspfQuestion = "Reset ALL OSPF processes? [no]: ";

// The question a real-router command left waiting for its answer, or "" when none waits.
std::string_view open_question(const RouterRecord& rec) {
  if (rec.pending_action == PendingAction::SaveQuestion) return kSaveQuestion;
  if (rec.pending_action == PendingAction::ClearOspfQuestion) return kClearOspfQuestion;
  return {};
}

bool save_question(const RouterRecord& rec) {
  return !open_question(rec).empty();
}

// A question is being asked: the line is its answer, not a command.
bool question_asked(const RouterRecord& rec) {
  return save_question(rec) || asking_ping_questions(rec);
}

// The state of one key press: the router, the line being edited and the prompt it stands after.
class KeyPress {
 public:
  // The shared line is taken over for the key press and handed back by redraw (or cleared): a key
  // costs no copies of the line, so a long paste stays fast.
  KeyPress(ConsoleContext& sim, Router& r) : sim_(sim), r_(r), rec_(r.record), c_(r.console) {
    line_ = std::move(sim.typed_line);
    if (banner_entry(rec_) && c_.banner_line.empty()) line_.clear();
  }

  void handle(int key);

 private:
  std::string prompt_text() const { return rec_.hostname + rec_.prompt; }
  ParseResult parse(ParseAction action);
  void move_caret(long long cursor_from_end);
  void backspace();
  void enter();
  void answer_save_question();
  void help();
  void leave_configuration();
  void type_character(int key);
  void redraw();
  void carry_out_pending_action();

  ConsoleContext& sim_;
  Router& r_;
  RouterRecord& rec_;
  Console& c_;
  std::string line_;
};

void KeyPress::handle(int key) {
  switch (key) {
    case kCtrlA:
      move_caret(static_cast<long long>(line_.size()));
      break;
    case kCtrlB:
      // One back, but never before the start of the line, even when the offset is left over
      // from a longer line.
      move_caret(std::min<long long>(c_.cursor_from_end + 1LL, line_.size()));
      break;
    case kCtrlE:
      c_.cursor_from_end = 0;
      break;
    case kCtrlF:
      if (c_.cursor_from_end > 0) c_.cursor_from_end -= 1;
      break;
    case kBackspace:
      backspace();
      break;
    case kTab:
      if (!question_asked(rec_)) line_ = parse(ParseAction::Tab).completed_line;
      break;
    case kEnter:
      if (save_question(rec_)) {
        answer_save_question();
        break;
      }
      if (asking_ping_questions(rec_)) {
        c_.set_input("");
        answer_ping_question(sim_, r_, line_);
        sim_.typed_line.clear();
        line_.clear();
        break;
      }
      if (banner_entry(rec_)) {
        store_history_line(rec_.history, rec_.mode, line_);
        c_.set_input("");
        // A real router puts the prompt right under the line that ends the banner.
        const bool last_line = !rec_.banner_delimiter.empty() &&
                               c_.banner_line.find(rec_.banner_delimiter[0]) != std::string::npos;
        const bool real = sim_.behaviour == Behaviour::RealRouter;
        output_text(r_, c_.banner_line + (real && last_line ? "" : "\r\n"));
        c_.banner_text += "\r\n";
        sim_.typed_line.clear();
        Do_Banner(sim_, r_, c_.banner_line);
        return;  // banner entry redraws nothing after a line
      }
      enter();
      break;
    case kCtrlN:
      line_ = recall_next(rec_.history, rec_.mode);
      break;
    case kCtrlP:
      line_ = recall_previous(rec_.history, rec_.mode, line_);
      break;
    case kCtrlZ:
      leave_configuration();
      break;
    case kQuestion:
      if (question_asked(rec_))
        type_character(key);
      else
        help();
      break;
    default:
      type_character(key);
      break;
  }
  redraw();
}

ParseResult KeyPress::parse(ParseAction action) {
  rec_.parse_action = action;
  return new_parse_the_command(sim_.parser, kDevice, rec_.mode, line_, rec_);
}

// The caret offset is a 16-bit window field: on a line too long for it the move is logged and
// skipped, and the caret stays where it was.
void KeyPress::move_caret(long long cursor_from_end) {
  store_int16(c_.cursor_from_end, static_cast<double>(cursor_from_end), sim_.parser.log, kLogName,
              r_.caption);
}

void KeyPress::backspace() {
  if (line_.empty()) return;
  const int c = c_.cursor_from_end;
  if (c == 0) {
    line_.pop_back();
    if (banner_entry(rec_)) {
      if (!c_.banner_line.empty()) c_.banner_line.pop_back();
      if (!c_.banner_text.empty()) c_.banner_text.pop_back();
    }
    return;
  }
  const int length = static_cast<int>(line_.size());
  int p = length - c - 1;
  if (p < 1) p = 0;  // with the caret at the very start nothing is deleted
  if (c > length) return;
  line_ = line_.substr(0, p) + line_.substr(length - c);
}

void KeyPress::enter() {
  c_.set_input("");
  store_history_line(rec_.history, rec_.mode, line_);
  output_text(r_, "\r\n" + prompt_text() + line_);
  rec_.output_pending = kFalse;
  sim_.typed_line.clear();
  sim_.network_work.clear();  // nothing but this line's command may leave work for this router
  // A real router's show command may end in an output filter: the command runs without it.
  std::optional<OutputFilter> filter;
  if (sim_.behaviour == Behaviour::RealRouter) filter = split_output_filter(line_);
  if (filter) line_ = filter->command;
  const ParseResult result = parse(ParseAction::Execute);
  sim_.network.after_command(r_);
  // Reports the network writes reach a real router's output filter like any other output.
  if (sim_.behaviour == Behaviour::RealRouter) sim_.network_work.leave_reports(sim_.network, r_);
  if (is_set(result.show_message)) output_text(r_, result.message + "\r\n");
  if (rec_.output_pending == kTrue)
    output_text(r_, filter ? apply_output_filter(*filter, rec_.output_buffer) : rec_.output_buffer);
  line_.clear();
  rec_.history.recall_pos = 0;
}

// The answer names the file; this router has only its startup configuration to save to.
void KeyPress::answer_save_question() {
  c_.set_input("");
  output_text(r_, "\r\n" + std::string(open_question(rec_)) + line_);
  if (rec_.pending_action == PendingAction::ClearOspfQuestion) {
    const std::string answer = to_lower(trim(line_));
    if (answer == "y" || answer == "yes") {
      reset_ospf_process(rec_);
      // The neighbours it dropped are logged at once, as the reset happens.
      for (const std::string& message : rec_.routing_bookkeeping.console_messages)
        output_text(r_, "\r\n" + message);
      rec_.routing_bookkeeping.console_messages.clear();
    }
  } else {
    output_text(r_, "\r\nBuilding configuration...\r\n[OK]");
    rec_.startup_config = build_real_router_config(rec_);  // only real-router asks
  }
  rec_.pending_action = PendingAction::None;
  sim_.typed_line.clear();
  line_.clear();
}

void KeyPress::help() {
  output_text(r_, "\r\n" + prompt_text() + line_ + "?");
  if (trim(line_).empty()) {
    output_text(r_, parse(ParseAction::SpaceQuestionMark).help_text);
    line_.clear();
  } else if (line_.back() == ' ') {
    output_text(r_, parse(ParseAction::SpaceQuestionMark).help_text);
    line_ += " ";  // the parser trimmed the line; exactly one blank is put back
  } else {
    output_text(r_, parse(ParseAction::QuestionMark).help_text);
  }
}

void KeyPress::leave_configuration() {
  if (rec_.mode <= kModePrivileged) return;
  enter_mode(rec_, sim_.modes, kModePrivileged);
  output_text(r_, "\r\n" + c_.input_text() + "^Z" + "\r\n");
  output_text(r_, "%SYS-5-CONFIG_I: Configured from console by console\r\n");
  sim_.typed_line.clear();
  line_.clear();
}

void KeyPress::type_character(int key) {
  // Every key without an editing meaning is typed, control characters (Esc, Ctrl+C ...)
  // included. Code 0 is a key already swallowed, and codes past 255 are no character.
  if (key <= 0 || key > 255) return;
  const char ch = static_cast<char>(key);
  line_ += ch;
  if (banner_entry(rec_)) {
    c_.banner_line += ch;
    c_.banner_text += ch;
  }
}

void KeyPress::redraw() {
  std::string shown_prompt = prompt_text();
  if (banner_entry(rec_)) shown_prompt.clear();
  if (save_question(rec_)) shown_prompt = open_question(rec_);
  if (asking_ping_questions(rec_)) shown_prompt = ping_question_text(rec_);
  if (rec_.password_state == kNoPasswordAsked) {
    c_.set_input(rec_.paging_state != 0 ? std::string(kMoreMarker) : shown_prompt + line_);
  } else {
    const bool asks_password =
        rec_.password_state == kEnablePasswordAsked || rec_.password_state == kLoginPasswordAsked;
    c_.set_input(asks_password ? "Password:" : "");
  }
  sim_.typed_line = std::move(line_);
  carry_out_pending_action();
}

// What the command left for after its output: the reload dialogue, or the network work it asked
// for (a ping, a static route, the ARP cache).
void KeyPress::carry_out_pending_action() {
  if (rec_.pending_action == PendingAction::Reload) Do_Reload(sim_, r_);
  sim_.network_work.carry_out(sim_.network, r_);
}

}  // namespace

void key_press(ConsoleContext& sim, Router& r, int key) {
  // While the boot text of a reload runs, the router's console takes no keys, as a real router.
  if (r.reloading) return;
  if (r.record.paging_state == -1) {
    continue_pause(r, key);
    return;
  }
  if (r.record.password_state > 0) {
    password_handle(sim, r, key);
    return;
  }
  KeyPress(sim, r).handle(key);
}

}  // namespace zorva
