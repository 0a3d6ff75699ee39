#include "parser/real_router_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

#include "base/error_log.h"
#include "base/number_text.h"
#include "parser/argument_check.h"
#include "parser/command_database.h"
#include "state/ipv4.h"
#include "state/mode_tables.h"
#include "state/name_services.h"

namespace zorva {
namespace {

constexpr int kLastDepth = 6;    // the deepest word whose next level the queries can read
constexpr int kDeepestWord = 7;  // the deepest word the tree holds: only an argument ends there
constexpr const char* kEnd = "<cr>";
constexpr const char* kUnknownHost =
    "\r\n% Unknown command or computer name, or unable to find computer address";

// Command words are ASCII: lowering a letter needs no locale, and this runs for every character
// of every keyword a word is compared with.
constexpr char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_word(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ascii_lower(x) == ascii_lower(y);
         });
}

bool begins_with(std::string_view word, std::string_view typed) {
  return word.size() >= typed.size() && same_word(word.substr(0, typed.size()), typed);
}

std::size_t common_prefix(std::string_view a, std::string_view b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && same_word(a.substr(n, 1), b.substr(n, 1))) ++n;
  return n;
}

bool word_less(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(ascii_lower(x)) < static_cast<unsigned char>(ascii_lower(y));
  });
}

// The keywords a typed word names: those it begins, narrowed to the one it equals, if any.
std::vector<std::string> matching(const std::vector<std::string>& keywords,
                                  std::string_view typed) {
  std::vector<std::string> found;
  for (const std::string& k : keywords)
    if (begins_with(k, typed)) found.push_back(k);
  if (found.size() > 1) {
    for (const std::string& k : found)
      if (same_word(k, typed)) return {k};
  }
  return found;
}

// One line of one router, resolved the real router's way.
class RealRouterLine {
 public:
  RealRouterLine(CommandParser& parser, int mode, std::string& line, RouterRecord& record)
      : parser_(parser),
        db_(parser.db),
        pc_(parser.parsed),
        query_(parser.real_query),
        mode_(mode),
        line_(line),
        record_(record),
        action_(record.parse_action) {}

  ParseResult run();

 private:
  bool is(ParseAction a) const { return action_ == a; }
  void split_line();
  void take_do();
  bool walk(int left_out);
  bool resolve(int d);
  bool split_glued_number(int d);
  std::vector<std::string> keywords_at(int d);
  std::vector<WordRow> arguments_at(int d);
  void fail_at(int d, std::size_t bad);
  bool names_a_host() const;
  void execute_line();
  void complete_word();
  void list_words_beginning();
  void list_next_words();

  CommandParser& parser_;
  CommandDatabase& db_;
  ParsedCommand& pc_;
  ParsedCommand&
      query_;  // the words as the tree holds them: keywords in full, arguments as
               // their placeholders, so the queries follow the rows the line went through
  const int mode_;
  std::string& line_;
  RouterRecord& record_;
  const ParseAction action_;
  ParseResult result_;
  std::string error_;  // the message of the first word that failed
  std::array<std::size_t, kMaxWords + 2>
      offset_;                     // per word, where it begins in pc_.Line (set by split_line)
  bool rest_taken_ = false;        // a LINE argument took the rest of the line
  bool exec_from_config_ = false;  // "do": an EXEC command typed in a configuration mode
  int resolved_ = 0;               // how many words the walk resolved
};

ParseResult RealRouterLine::run() {
  result_.completed_line = line_;
  for (int i = 1; i <= kSpecialSlots; ++i) parser_.special_word[i] = kFalse;
  if (trim(line_).empty() && !is(ParseAction::SpaceQuestionMark)) return result_;

  chop_up_command(parser_.log, pc_, line_);  // Line, the trimmed line, the log's last words
  split_line();
  for (int i = 1; i <= kMaxDepth; ++i) std::erase(pc_.Words[i], '\'');
  for (int i = 1; i <= kMaxDepth; ++i) pc_.FullWords[i].clear();  // no word of an earlier line
  pc_.TopText.clear();
  for (int i = 1; i <= kDeepestWord; ++i) {
    query_.Words[static_cast<size_t>(i)].clear();
    query_.FullWords[static_cast<size_t>(i)].clear();
  }
  query_.Negated = kFalse;
  take_do();
  db_.begin_line();
  pc_.Device = "router";
  pc_.behaviour = parser_.behaviour;
  pc_.Modes.clear();
  const int mode = exec_from_config_ ? kModePrivileged : mode_;
  if (mode == kModePrivileged) pc_.Modes.push_back(parser_.modes.name_of(kModeUser));
  pc_.Modes.push_back(parser_.modes.name_of(mode));
  query_.Modes = pc_.Modes;
  query_.behaviour = pc_.behaviour;

  switch (action_) {
    case ParseAction::Execute:
      execute_line();
      break;
    case ParseAction::Tab:
      complete_word();
      break;
    case ParseAction::QuestionMark:
      list_words_beginning();
      break;
    case ParseAction::SpaceQuestionMark:
      list_next_words();
      break;
    case ParseAction::None:
      break;
  }
  return result_;
}

// The words again, as a real router reads them: any run of blanks is one gap. Words holds them
// lower-cased without a leading "no", RawWords as typed with it, and offset_ where each word of
// Words begins in the line as typed.
void RealRouterLine::split_line() {
  const std::string& typed = pc_.Line;
  // Where each word begins and how long it is; words past the last kept are dropped.
  struct Span {
    std::size_t at, length;
  };
  std::array<Span, kMaxWords> found;  // left unset: only the first `count` are read
  std::size_t count = 0;
  for (std::size_t i = 0; i < typed.size() && count < found.size();) {
    if (typed[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t end = std::min(typed.find(' ', i), typed.size());
    found[count++] = {i, end - i};
    i = end;
  }
  const bool negated = count > 0 && found[0].length == 2 &&
                       ascii_lower(typed[found[0].at]) == 'n' &&
                       ascii_lower(typed[found[0].at + 1]) == 'o';
  const std::size_t shift = negated ? 1 : 0;
  offset_.fill(typed.size());
  for (std::size_t i = 1; i <= kMaxWords; ++i) {
    pc_.Words[i].clear();
    pc_.RawWords[i].clear();
  }
  for (std::size_t i = 0; i < count; ++i) {
    const auto [at, length] = found[i];
    pc_.RawWords[i + 1].assign(typed, at, length);
    if (i < shift) continue;
    std::string& word = pc_.Words[i + 1 - shift];
    word.assign(typed, at, length);
    for (char& c : word) c = ascii_lower(c);
    offset_[i + 1 - shift] = at;
  }
  pc_.Negated = negated ? kTrue : kFalse;
  pc_.WordCount = static_cast<Int16>(count - shift);
}

// "do" before an EXEC command in a configuration mode runs the command as privileged mode would;
// the line is then read without it.
void RealRouterLine::take_do() {
  if (mode_ < kModeGlobal || is_set(pc_.Negated) || pc_.WordCount < 1 || pc_.Words[1] != "do")
    return;
  exec_from_config_ = true;
  for (std::size_t i = 1; i < kMaxWords; ++i) {
    pc_.Words[i] = pc_.Words[i + 1];
    pc_.RawWords[i] = pc_.RawWords[i + 1];
  }
  pc_.Words[kMaxWords].clear();
  pc_.RawWords[kMaxWords].clear();
  pc_.WordCount -= 1;
  std::copy(offset_.begin() + 2, offset_.end(), offset_.begin() + 1);
}

// Resolves the words 1 .. WordCount - left_out; false, with error_ set, at the first that fails.
bool RealRouterLine::walk(int left_out) {
  for (int d = 1; d <= pc_.WordCount - left_out && !rest_taken_; ++d)
    if (!resolve(d)) return false;
  return true;
}

std::vector<std::string> RealRouterLine::keywords_at(int d) {
  return db_.sql_keywords(query_, d);
}

std::vector<WordRow> RealRouterLine::arguments_at(int d) {
  return d >= 2 ? db_.sql_arguments(query_, d) : std::vector<WordRow>{};
}

bool RealRouterLine::resolve(int d) {
  const auto at = static_cast<std::size_t>(d);
  if (d > kDeepestWord) {
    fail_at(d, 0);
    return false;
  }
  const std::string& typed = pc_.Words[at];
  const std::vector<std::string> found = db_.sql_keywords_beginning(query_, d, typed);
  if (found.size() > 1) {
    error_ = kAmbiguousPrefix + trim(line_) + "\"";
    return false;
  }
  if (found.size() == 1) {
    query_.Words[at] = found.front();
    db_.sql_get_command_text(query_, d);
    pc_.FullWords[at] = query_.FullWords[at];
    pc_.TopText = query_.TopText;
    pc_.BotText.clear();
    resolved_ = d;
    return true;
  }
  std::size_t bad = 0;
  for (const WordRow& argument : arguments_at(d)) {
    const std::size_t here = bad_argument_char(argument.text, argument.word, typed);
    if (here == kArgumentFits) {
      query_.Words[at] = argument.word;
      query_.FullWords[at] = argument.word;
      if (d <= kSpecialSlots) parser_.special_word[at] = kTrue;
      rest_taken_ = argument.text == "LINE";
      resolved_ = d;
      return true;
    }
    bad = std::max(bad, here);
  }
  if (split_glued_number(d)) return resolve(d);
  // Only a word that is neither keyword nor argument needs the whole list.
  const std::vector<std::string> keywords = keywords_at(d);
  for (const std::string& k : keywords) bad = std::max(bad, common_prefix(k, typed));
  fail_at(d, bad);
  return false;
}

// A keyword with its number run on (s0, serial0, e1): when the letters name one keyword and the
// digits fit an argument under it, the word becomes the two words, as if typed apart.
bool RealRouterLine::split_glued_number(int d) {
  const auto at = static_cast<std::size_t>(d);
  const std::string typed = pc_.Words[at];
  std::size_t letters = 0;
  while (letters < typed.size() && std::isalpha(static_cast<unsigned char>(typed[letters])))
    ++letters;
  if (d >= kDeepestWord || pc_.WordCount >= kMaxWords || letters == 0 || letters == typed.size() ||
      !std::isdigit(static_cast<unsigned char>(typed[letters])))
    return false;
  const std::vector<std::string> found =
      db_.sql_keywords_beginning(query_, d, typed.substr(0, letters));
  if (found.size() != 1) return false;
  query_.Words[at] = found.front();
  const std::string number = typed.substr(letters);
  const std::vector<WordRow> below = arguments_at(d + 1);
  if (std::none_of(below.begin(), below.end(), [&](const WordRow& a) {
        return bad_argument_char(a.text, a.word, number) == kArgumentFits;
      }))
    return false;

  const std::size_t raw = at + (is_set(pc_.Negated) ? 1 : 0);
  const std::string raw_word = pc_.RawWords[raw];
  for (std::size_t i = kMaxWords; i > at + 1; --i) pc_.Words[i] = pc_.Words[i - 1];
  for (std::size_t i = kMaxWords; i > raw + 1 && i >= 2; --i) pc_.RawWords[i] = pc_.RawWords[i - 1];
  pc_.Words[at] = typed.substr(0, letters);
  pc_.Words[at + 1] = number;
  pc_.RawWords[raw] = raw_word.substr(0, letters);
  if (raw + 1 <= kMaxWords) pc_.RawWords[raw + 1] = raw_word.substr(letters);
  pc_.WordCount += 1;
  std::copy_backward(offset_.begin() + static_cast<std::ptrdiff_t>(at) + 1, offset_.end() - 1,
                     offset_.end());
  offset_[at + 1] = offset_[at] + letters;
  return true;
}

// "% Invalid input detected at '^' marker." under the line as echoed after its prompt.
void RealRouterLine::fail_at(int d, std::size_t bad) {
  const std::size_t column =
      record_.hostname.size() + record_.prompt.size() + offset_[static_cast<std::size_t>(d)] + bad;
  error_ = "\r\n" + std::string(column, ' ') + "^" + kInvalidInput;
}

// A real router takes an EXEC line whose first word is no command for a host to connect to, and
// tries to translate the word into an address first. A word that could not be a host name, or an
// address (which needs no translating), keeps the marker under it.
bool RealRouterLine::names_a_host() const {
  if (resolved_ != 0 || exec_from_config_ || !is_exec_mode(mode_) || mode_ == kModeLoggedOut ||
      is_set(pc_.Negated))
    return false;
  const std::string& first = pc_.RawWords[1];
  if (first.empty() || parse_dotted(first) || error_.rfind(kAmbiguousPrefix, 0) == 0) return false;
  return std::all_of(first.begin(), first.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
  });
}

void RealRouterLine::execute_line() {
  if (!walk(0)) {
    if (names_a_host())
      error_ = "\r\n" + translating_text(record_.names, pc_.RawWords[1]) + kUnknownHost;
    result_.message = error_;
    result_.show_message = kTrue;
    return;
  }
  const int n = pc_.WordCount;
  // A line begun with "no" needs none of the values the command takes: "no ip address" undoes
  // whatever address was set, "no username NAME" the user of that name.
  const bool complete = rest_taken_ || n == kDeepestWord ||
                        (n >= 1 && db_.sql_is_command_complete(query_, n)) ||
                        (is_set(pc_.Negated) && n >= 1);
  if (!complete) {
    result_.message = kIncomplete;
    result_.show_message = kTrue;
    return;
  }
  if (!exec_from_config_) {
    run_execution_step(parser_, record_, resolved_);
    return;
  }
  // The command runs in privileged mode; the router stays in its configuration mode unless the
  // command itself moved it (reload, for one).
  const Int16 mode = record_.mode;
  const std::string prompt = record_.prompt;
  record_.mode = kModePrivileged;
  record_.prompt = parser_.modes.prompt_of(kModePrivileged);
  run_execution_step(parser_, record_, resolved_);
  if (record_.mode == kModePrivileged) {
    record_.mode = mode;
    record_.prompt = prompt;
  }
}

// Tab: the word under the caret (the last) becomes the one keyword it begins; the words before it
// stay as typed. Anything else leaves the line alone.
void RealRouterLine::complete_word() {
  const std::string& typed = pc_.Line;
  if (typed.empty() || typed.back() == ' ' || !walk(1) || rest_taken_) return;
  const int d = pc_.WordCount;
  if (d < 1 || d > kDeepestWord) return;
  const std::vector<std::string> found =
      matching(keywords_at(d), pc_.Words[static_cast<size_t>(d)]);
  if (found.size() != 1) return;
  result_.completed_line = typed.substr(0, offset_[static_cast<size_t>(d)]) + found.front() + " ";
}

// "word?": the keywords the last word begins, or else the arguments it could be, in one line.
void RealRouterLine::list_words_beginning() {
  if (!walk(1)) {
    result_.help_text = error_ + "\r\n";
    return;
  }
  const int d = pc_.WordCount;
  const auto at = static_cast<std::size_t>(d);
  std::vector<std::string> words;
  if (d >= 1 && d <= kDeepestWord && !rest_taken_) {
    for (const std::string& k : keywords_at(d))
      if (begins_with(k, pc_.Words[at])) words.push_back(k);
    std::sort(words.begin(), words.end(), word_less);
    // An argument is offered only for a word that begins no keyword: "int s?" means Serial.
    if (words.empty()) {
      for (const WordRow& a : arguments_at(d))
        if (bad_argument_char(a.text, a.word, pc_.Words[at]) == kArgumentFits)
          words.push_back(a.word);
    }
  }
  if (words.empty()) {
    result_.help_text = kUnrecognized;
    return;
  }
  std::string listing = "\r\n";
  for (std::size_t i = 0; i < words.size(); ++i) listing += (i ? "  " : "") + words[i];
  result_.help_text = listing + "\r\n";
}

// "words ?": what may follow, arguments first, then keywords in order, then <cr>, each with its
// help in a column two blanks past the longest word.
void RealRouterLine::list_next_words() {
  if (!walk(0)) {
    result_.help_text = error_ + "\r\n";
    return;
  }
  const int n = pc_.WordCount;
  std::vector<WordRow> arguments, keywords;
  bool ends = rest_taken_ || n == kDeepestWord;
  if (!rest_taken_ && n <= kLastDepth) {
    for (int i = 1; i <= n; ++i)
      query_.FullWords[static_cast<size_t>(i)] = query_.Words[static_cast<size_t>(i)];
    query_.Negated = pc_.Negated;
    if (const std::string* kept = db_.remembered_listing(query_, n)) {
      result_.help_text = *kept;
      return;
    }
    const std::vector<WordRow> placeholders =
        n + 1 <= kDeepestWord ? arguments_at(n + 1) : std::vector<WordRow>{};
    for (const WordRow& row : db_.sql_next_words(query_, n)) {
      if (row.word == kEnd) {
        ends = true;
      } else if (std::any_of(placeholders.begin(), placeholders.end(),
                             [&](const WordRow& a) { return a.word == row.word; })) {
        arguments.push_back(row);
      } else {
        keywords.push_back(row);
      }
    }
    if (is_set(pc_.Negated) && n >= 1) ends = true;
  }
  std::vector<WordRow> rows = arguments;
  rows.insert(rows.end(), keywords.begin(), keywords.end());
  std::size_t width = 0;
  for (const WordRow& r : rows) width = std::max(width, r.word.size());
  std::string listing = "\r\n";
  for (const WordRow& r : rows) {
    listing += "  " + r.word;
    if (!r.text.empty()) listing += std::string(width + 2 - r.word.size(), ' ') + r.text;
    listing += "\r\n";
  }
  if (ends) listing += "  <cr>\r\n";
  result_.help_text = rows.empty() && !ends ? std::string(kUnrecognized) : listing;
  if (!rest_taken_ && n <= kLastDepth) db_.remember_listing(query_, n, result_.help_text);
}

}  // namespace

ParseResult parse_real_router_line(CommandParser& parser, int mode, std::string& line,
                                   RouterRecord& record) {
  return RealRouterLine(parser, mode, line, record).run();
}

}  // namespace zorva
