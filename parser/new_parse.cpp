#include "parser/new_parse.h"

#include <algorithm>

#include "base/error_log.h"
#include "base/number_text.h"
#include "parser/command_bindings.h"
#include "parser/command_database.h"
#include "parser/real_router_line.h"
#include "state/mode_tables.h"

namespace zorva {

void chop_up_command(ErrorLog& log, ParsedCommand& pc, std::string& line) {
  pc.Line = line;
  for (int i = 1; i <= kMaxWords; ++i) {
    pc.Words[i].clear();
    pc.RawWords[i].clear();
  }
  line = trim(line);

  int count = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t blank = line.find(' ', start);
    const std::size_t end = blank == std::string::npos ? line.size() : blank;
    if (count < kMaxWords) {
      ++count;
      pc.RawWords[count] = line.substr(start, end - start);
      pc.Words[count] = to_lower(pc.RawWords[count]);
    }
    if (blank == std::string::npos) break;
    start = blank + 1;
  }
  pc.WordCount = static_cast<Int16>(count);
  pc.Negated = kFalse;

  if (to_upper(pc.Words[1]) == "NO") {
    for (int i = 2; i <= count; ++i) pc.Words[i - 1] = pc.Words[i];
    pc.WordCount -= 1;
    pc.Negated = kTrue;
  }
  log.set_last_command_words({pc.Words[1], pc.Words[2], pc.Words[3], pc.Words[4]});
}

void run_execution_step(CommandParser& parser, RouterRecord& record, int depth) {
  ParsedCommand& pc = parser.parsed;
  const bool executes = record.parse_action == ParseAction::Execute;
  pc.handler = executes
                   ? bound_handler(parser.handlers, binding_key(pc, parser.special_word, depth),
                                   parser.behaviour)
                   : nullptr;
  parser.runner.execution_step(record, pc);
  pc.handler = nullptr;
  if (executes)
    for (int i = 1; i <= 6; ++i) pc.FullWords[static_cast<size_t>(i)].clear();
}

namespace {

// One parse: the line, the action, and the answer being built.
class LineParser {
 public:
  LineParser(CommandParser& parser, const std::string& device, int mode, std::string& line,
             RouterRecord& record)
      : parser_(parser),
        db_(parser.db),
        pc_(parser.parsed),
        device_(device),
        mode_(mode),
        line_(line),
        record_(record),
        action_(record.parse_action) {}

  ParseResult run();

 private:
  bool is(ParseAction action) const { return action_ == action; }
  void resolve_first_word();
  void resolve_depth(int d);
  void set_ambiguous();
  void execute(int depth);

  CommandParser& parser_;
  CommandDatabase& db_;
  ParsedCommand& pc_;
  const std::string& device_;
  const int mode_;
  std::string& line_;
  RouterRecord& record_;
  const ParseAction action_;
  ParseResult result_;
  bool stopped_ = false;  // the walk has ended, with or without a message
};

ParseResult LineParser::run() {
  result_.completed_line = line_;
  for (int i = 1; i <= kSpecialSlots; ++i) parser_.special_word[i] = kFalse;

  if (trim(line_).empty() && !is(ParseAction::SpaceQuestionMark)) return result_;

  chop_up_command(parser_.log, pc_, line_);
  if (is(ParseAction::SpaceQuestionMark))
    pc_.WordCount += 1;  // the "?" stands for one more, empty word
  for (int i = 1; i <= kMaxDepth; ++i) std::erase(pc_.Words[i], '\'');

  db_.begin_line();
  pc_.Device = device_;
  pc_.behaviour = parser_.behaviour;
  pc_.Modes.clear();
  if (mode_ == kModePrivileged) pc_.Modes.push_back(parser_.modes.name_of(kModeUser));
  pc_.Modes.push_back(parser_.modes.name_of(mode_));

  if (line_.empty() && is(ParseAction::SpaceQuestionMark)) {
    result_.help_text = db_.sql_help_space_question(pc_, parser_.special_word, 0);
    return result_;
  }
  resolve_first_word();
  for (int d = 2; d <= 6 && !stopped_; ++d) resolve_depth(d);
  return result_;
}

void LineParser::set_ambiguous() {
  result_.message = kAmbiguousPrefix + trim(line_) + "\"";
  result_.show_message = kTrue;
}

void LineParser::resolve_first_word() {
  const Int16 count = db_.sql_count_commands(pc_, 1);
  if (count == 0) {
    result_.message = kInvalidInput;
    result_.help_text = kUnrecognized;
    result_.show_message = kTrue;
    stopped_ = true;
    return;
  }
  if (count > 1) {
    set_ambiguous();
    result_.help_text = kUnrecognized;
    if (is(ParseAction::QuestionMark) && pc_.WordCount == 1)
      result_.help_text = db_.sql_help_question(pc_, 1);
    if (is(ParseAction::SpaceQuestionMark) && pc_.WordCount == 2)
      result_.help_text = db_.sql_help_space_question(pc_, parser_.special_word, 1);
    stopped_ = true;
    return;
  }
  db_.sql_get_command_text(pc_, 1);
  if (is(ParseAction::SpaceQuestionMark) && pc_.WordCount == 2)
    result_.help_text = db_.sql_help_space_question(pc_, parser_.special_word, 1);
  if (is(ParseAction::QuestionMark) && pc_.WordCount == 1)
    result_.help_text = db_.sql_help_question(pc_, 1);
  result_.completed_line = pc_.FullWords[1] + " ";
  if (pc_.WordCount == 1) {
    if (!db_.sql_is_command_complete(pc_, 1)) {
      result_.message = kIncomplete;
      result_.show_message = kTrue;
    } else {
      execute(1);
    }
    stopped_ = true;
  }
}

void LineParser::resolve_depth(int d) {
  Int16 count = db_.sql_count_commands(pc_, d);
  bool special = d == 2 && db_.sql_check_for_special_cases(pc_, 2);
  if (count == 0) {
    special = db_.sql_check_for_special_cases(pc_, d);
    if (special) {
      count = 1;
      parser_.special_word[d] = kTrue;
    }
  }
  if (count == 0) {
    result_.message = kInvalidInput;
    result_.show_message = kTrue;
    stopped_ = true;
    return;
  }
  if (is(ParseAction::QuestionMark) && pc_.WordCount == d)
    result_.help_text = db_.sql_help_question(pc_, d);
  if (count > 1) {
    set_ambiguous();
    stopped_ = true;
    return;
  }
  if (!special) {
    db_.sql_get_command_text(pc_, d);
    std::string completed = pc_.Words[1] + " ";
    for (int i = 2; i <= d; ++i) completed += pc_.FullWords[i] + " ";
    result_.completed_line = completed;
  }
  if (is(ParseAction::SpaceQuestionMark) && pc_.WordCount == d + 1)
    result_.help_text = db_.sql_help_space_question(pc_, parser_.special_word, d);
  if ((d == 2 || d == 3) && special && !is(ParseAction::SpaceQuestionMark)) {
    execute(d);  // an argument at word 2 or 3: the dispatcher reads the rest of the line itself
    stopped_ = true;
    return;
  }
  if (pc_.WordCount == d) {
    if (db_.sql_is_command_complete(pc_, d) || special) {
      execute(d);
    } else {
      result_.message = kIncomplete;
      result_.show_message = kTrue;
    }
    stopped_ = true;
  }
}

// The execution step: the runner decides what a complete line does for the action asked.
void LineParser::execute(int depth) {
  run_execution_step(parser_, record_, depth);
}

}  // namespace

ParseResult new_parse_the_command(CommandParser& parser, const std::string& device, int mode,
                                  std::string& line, RouterRecord& record) {
  if (parser.behaviour == Behaviour::RealRouter)
    return parse_real_router_line(parser, mode, line, record);
  return LineParser(parser, device, mode, line, record).run();
}

}  // namespace zorva
